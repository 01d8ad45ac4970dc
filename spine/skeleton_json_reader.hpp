// The reader behind spine/skeleton_json.hpp, in three parts that share it: the skeleton
// (skeleton_json.cpp: header, bones, slots, events, constraints, skins, and the entry points), the
// attachments (attachment_json.cpp) and the animation timelines (animation_json.cpp). Internal to
// spine/: nothing outside the reader includes it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <rapidjson/document.h>

#include "engine/trace.hpp"
#include "spine/skeleton_data.hpp"

namespace velkor::spine::reader {

using Json = rapidjson::Value;

// Thrown inside the reader only; the entry points turn it into a trace message and nullptr.
struct ReadError {
    std::string what;
};

[[noreturn]] void Fail(std::string what);

std::string Quote(std::string_view s);

const Json* Member(const Json& object, const char* key);

float Number(const Json& object, const char* key, float fallback);

int Integer(const Json& object, const char* key, int fallback);

std::string String(const Json& object, const char* key, std::string fallback = {});

bool Boolean(const Json& object, const char* key, bool fallback);

const Json& Object(const Json& value, const std::string& what);

const Json& Array(const Json& value, const std::string& what);

std::vector<float> Floats(const Json& object, const char* key);

// "RRGGBBAA", or "RRGGBB" with alpha 1.
Color ParseColor(const std::string& hex, bool withAlpha);

Color ColorOf(const Json& object, const char* key, Color fallback, bool withAlpha = true);

// JSON pointer segment: "~" and "/" escaped.
std::string Escape(std::string_view name);

std::string NameOf(const Json& name);

class Reader {
public:
    Reader(const Atlas& atlas, const std::string& source) : atlas_(atlas), source_(source) {}

    std::unique_ptr<SkeletonData> Read(const Json& root);

private:
    struct LinkedMesh {
        MeshAttachment* mesh;
        Skin* owner;
        std::string key;
        std::string skin;
        int slot;
        std::string parent;
        bool inheritDeform;
        std::string pointer;
    };

    // Runs `read`; a problem inside it is traced with the JSON pointer and the part is left out.
    template <class Read>
    bool Skip(const std::string& pointer, Read read) {
        try {
            read();
            return true;
        } catch (const ReadError& error) {
            Trace("Skeleton " + source_ + " at " + (pointer.empty() ? "/" : pointer) + ": " + error.what +
                  "; skipped\n");
            return false;
        }
    }

    void ReadHeader(const Json& root);

    // Bones are the one part nothing can stand in for: any fault here gives no skeleton.
    void ReadBones(const Json& root);

    int BoneIndex(const Json& object, const char* key, const std::string& owner);

    std::vector<int> BoneList(const Json& object, const std::string& owner);

    template <class Each>
    void ForEachItem(const Json& root, const char* key, Each each) {
        const Json* list = Member(root, key);
        if (!list) return;
        const std::string pointer = std::string("/") + key;
        if (!Skip(pointer, [&] { Array(*list, Quote(key)); })) return;
        for (rapidjson::SizeType i = 0; i < list->Size(); ++i) {
            const std::string at = pointer + "/" + std::to_string(i);
            Skip(at, [&] { each(Object((*list)[i], std::string("an item of ") + Quote(key)), at); });
        }
    }

    void ReadSlots(const Json& root);

    void ReadEvents(const Json& root);

    // What every constraint starts with.
    template <class Data>
    void ReadConstraint(const Json& item, Data& constraint, const char* kind) {
        constraint.name = String(item, "name");
        if (constraint.name.empty()) Fail(std::string("a ") + kind + " constraint has no name");
        constraint.order = Integer(item, "order", 0);
        constraint.skinRequired = Boolean(item, "skin", false);
        constraint.bones = BoneList(item, std::string(kind) + " constraint " + Quote(constraint.name));
    }

    void ReadIk(const Json& root);

    void ReadTransform(const Json& root);

    template <class Mode, std::size_t N>
    static Mode Choice(const Json& item, const char* key, const std::pair<std::string_view, Mode> (&choices)[N]) {
        const std::string value = String(item, key, std::string(choices[0].first));
        for (const auto& [name, mode] : choices)
            if (name == value) return mode;
        Fail(Quote(key) + " is " + Quote(value) + ", which is not a known mode");
    }

    void ReadPath(const Json& root);

    template <class Data>
    static int FindConstraint(const std::vector<Data>& list, std::string_view name) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].name == name) return static_cast<int>(i);
        return -1;
    }

    // A skin's own bones and constraints; names the file does not define are left out.
    void ReadSkinMembers(const Json& item, Skin& skin, const std::string& pointer);

    void ReadSkins(const Json& root);

    Skin& NewSkin(const std::string& name);

    void ReadSkinAttachments(Skin& skin, const Json& slots, const std::string& pointer);

    // --- Attachments (attachment_json.cpp) ---

    const AtlasRegion* Region(const std::string& path, const std::string& name);

    std::unique_ptr<Attachment> ReadAttachment(const Json& json, const std::string& key, int slot, Skin& skin,
                                               const std::string& pointer);

    // Unweighted vertices are x, y pairs; weighted ones are, per vertex, a bone count followed by
    // that many (bone, x, y, weight) entries.
    void ReadVertices(const Json& json, VertexAttachment& attachment, int vertexCount);

    void ResolveLinkedMeshes();


    // Reads the time and curve of every key; `value` reads the rest of one key.
    template <class ReadValue>
    void ReadKeys(Timeline& timeline, const Json& keys, const std::string& what, ReadValue value) {
        Array(keys, what);
        if (keys.Empty()) Fail(what + " has no keys");
        for (const auto& key : keys.GetArray()) {
            Object(key, "a key of " + what);
            const float time = Number(key, "time", 0);
            if (!timeline.times.empty() && time < timeline.times.back()) Fail(what + " has keys out of time order");
            timeline.times.push_back(time);
            timeline.curves.push_back(ReadCurve(key));
            value(key);
        }
    }

    // --- Animations (animation_json.cpp) ---

    static Curve ReadCurve(const Json& key);

    // Adds the timeline `read` builds, or traces why it cannot be and leaves it out.
    template <class Read>
    void AddTimeline(const std::string& pointer, Read read) {
        Skip(pointer, [&] {
            std::unique_ptr<spine::Timeline> timeline = read();
            duration_ = std::max(duration_, timeline->times.back());
            animation_->timelines.push_back(std::move(timeline));
        });
    }

    // Members of an object at `pointer`, each with its own pointer; a non-object is traced.
    template <class Each>
    void Members(const Json* object, const std::string& pointer, const std::string& what, Each each) {
        if (!object || !Skip(pointer, [&] { Object(*object, what); })) return;
        for (const auto& member : object->GetObject()) {
            const std::string name = NameOf(member.name);
            each(name, member.value, pointer + "/" + Escape(name));
        }
    }

    void ReadAnimation(const std::string& name, const Json& json);

    void ReadConstraintTimelines(const std::string& name, const Json& json, const std::string& at);

    void ReadDeform(const std::string& name, const Json& json, const std::string& at);

    // Each key lists slots that move away from their setup place by an offset; the unmoved slots
    // keep their relative order in the places left over.
    std::unique_ptr<DrawOrderTimeline> ReadDrawOrder(const std::string& name, const Json& keys);

    const Atlas& atlas_;
    const std::string& source_;
    std::unique_ptr<SkeletonData> data_;
    std::vector<LinkedMesh> linked_;
    Animation* animation_ = nullptr;
    float duration_ = 0;
};

}  // namespace velkor::spine::reader
