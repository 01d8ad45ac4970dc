#include "spine/skeleton_json.hpp"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include "engine/trace.hpp"
#include "spine/read_file.hpp"

namespace velkor::spine {

namespace {

using Json = rapidjson::Value;

// Thrown inside the reader only; the entry points turn it into a trace message and nullptr.
struct ReadError {
    std::string what;
};

[[noreturn]] void Fail(std::string what) { throw ReadError{std::move(what)}; }

std::string Quote(std::string_view s) { return "\"" + std::string(s) + "\""; }

const Json* Member(const Json& object, const char* key) {
    if (!object.IsObject()) return nullptr;
    const auto it = object.FindMember(key);
    return it == object.MemberEnd() || it->value.IsNull() ? nullptr : &it->value;
}

float Number(const Json& object, const char* key, float fallback) {
    const Json* v = Member(object, key);
    if (!v) return fallback;
    if (!v->IsNumber()) Fail(Quote(key) + " is not a number");
    return static_cast<float>(v->GetDouble());
}

int Integer(const Json& object, const char* key, int fallback) {
    const Json* v = Member(object, key);
    if (!v) return fallback;
    if (!v->IsInt()) Fail(Quote(key) + " is not an integer");
    return v->GetInt();
}

std::string String(const Json& object, const char* key, std::string fallback = {}) {
    const Json* v = Member(object, key);
    if (!v) return fallback;
    if (!v->IsString()) Fail(Quote(key) + " is not a string");
    return {v->GetString(), v->GetStringLength()};
}

bool Boolean(const Json& object, const char* key, bool fallback) {
    const Json* v = Member(object, key);
    if (!v) return fallback;
    if (!v->IsBool()) Fail(Quote(key) + " is not true or false");
    return v->GetBool();
}

const Json& Object(const Json& value, const std::string& what) {
    if (!value.IsObject()) Fail(what + " is not an object");
    return value;
}

const Json& Array(const Json& value, const std::string& what) {
    if (!value.IsArray()) Fail(what + " is not an array");
    return value;
}

std::vector<float> Floats(const Json& object, const char* key) {
    std::vector<float> out;
    const Json* v = Member(object, key);
    if (!v) return out;
    Array(*v, Quote(key));
    out.reserve(v->Size());
    for (const auto& item : v->GetArray()) {
        if (!item.IsNumber()) Fail(Quote(key) + " holds something other than numbers");
        out.push_back(static_cast<float>(item.GetDouble()));
    }
    return out;
}

// "RRGGBBAA", or "RRGGBB" with alpha 1.
Color ParseColor(const std::string& hex, bool withAlpha) {
    if (hex.size() != (withAlpha ? 8u : 6u)) Fail("colour " + Quote(hex) + " is malformed");
    float channels[4] = {1, 1, 1, 1};
    for (std::size_t i = 0; i < hex.size() / 2; ++i) {
        unsigned value = 0;
        const char* first = hex.data() + i * 2;
        const auto result = std::from_chars(first, first + 2, value, 16);
        if (result.ec != std::errc() || result.ptr != first + 2) Fail("colour " + Quote(hex) + " is malformed");
        channels[i] = static_cast<float>(value) / 255.0f;
    }
    return {channels[0], channels[1], channels[2], channels[3]};
}

Color ColorOf(const Json& object, const char* key, Color fallback, bool withAlpha = true) {
    const Json* v = Member(object, key);
    if (!v) return fallback;
    if (!v->IsString()) Fail(Quote(key) + " is not a colour string");
    return ParseColor(v->GetString(), withAlpha);
}

// JSON pointer segment: "~" and "/" escaped.
std::string Escape(std::string_view name) {
    std::string out;
    for (const char c : name) {
        if (c == '~') out += "~0";
        else if (c == '/') out += "~1";
        else out += c;
    }
    return out;
}

std::string NameOf(const Json& name) { return {name.GetString(), name.GetStringLength()}; }

class Reader {
public:
    Reader(const Atlas& atlas, const std::string& source) : atlas_(atlas), source_(source) {}

    std::unique_ptr<SkeletonData> Read(const Json& root) {
        Object(root, "the file");
        data_ = std::make_unique<SkeletonData>();
        Skip("/skeleton", [&] { ReadHeader(root); });
        ReadBones(root);
        ReadSlots(root);
        ReadEvents(root);
        ReadIk(root);
        ReadTransform(root);
        ReadPath(root);
        ReadSkins(root);
        ResolveLinkedMeshes();
        if (const Json* animations = Member(root, "animations")) {
            Skip("/animations", [&] {
                for (const auto& member : Object(*animations, "\"animations\"").GetObject()) {
                    const std::string name = NameOf(member.name);
                    Skip("/animations/" + Escape(name), [&] { ReadAnimation(name, member.value); });
                }
            });
        }
        return std::move(data_);
    }

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

    void ReadHeader(const Json& root) {
        const Json* header = Member(root, "skeleton");
        if (!header) return;
        Object(*header, "\"skeleton\"");
        data_->hash = String(*header, "hash");
        data_->version = String(*header, "spine");
        data_->images = String(*header, "images");
        data_->x = Number(*header, "x", 0);
        data_->y = Number(*header, "y", 0);
        data_->width = Number(*header, "width", 0);
        data_->height = Number(*header, "height", 0);
        data_->fps = Number(*header, "fps", 30);
        if (!data_->version.empty() && data_->version.rfind("3.8", 0) != 0)
            Trace("Skeleton " + source_ + " was exported by Spine " + data_->version + "; this runtime reads 3.8\n");
    }

    // Bones are the one part nothing can stand in for: any fault here gives no skeleton.
    void ReadBones(const Json& root) {
        const Json* bones = Member(root, "bones");
        if (!bones) Fail("no \"bones\"");
        for (const auto& item : Array(*bones, "\"bones\"").GetArray()) {
            Object(item, "a bone");
            BoneData bone;
            bone.index = static_cast<int>(data_->bones.size());
            bone.name = String(item, "name");
            if (bone.name.empty()) Fail("a bone has no name");
            const std::string parent = String(item, "parent");
            if (!parent.empty()) {
                bone.parent = data_->FindBone(parent);
                if (bone.parent < 0) Fail("bone " + Quote(bone.name) + " names an unknown parent " + Quote(parent));
            }
            bone.length = Number(item, "length", 0);
            bone.x = Number(item, "x", 0);
            bone.y = Number(item, "y", 0);
            bone.rotation = Number(item, "rotation", 0);
            bone.scaleX = Number(item, "scaleX", 1);
            bone.scaleY = Number(item, "scaleY", 1);
            bone.shearX = Number(item, "shearX", 0);
            bone.shearY = Number(item, "shearY", 0);
            const std::string mode = String(item, "transform", "normal");
            static constexpr std::pair<std::string_view, TransformMode> modes[] = {
                {"normal", TransformMode::Normal},
                {"onlyTranslation", TransformMode::OnlyTranslation},
                {"noRotationOrReflection", TransformMode::NoRotationOrReflection},
                {"noScale", TransformMode::NoScale},
                {"noScaleOrReflection", TransformMode::NoScaleOrReflection}};
            const auto found = std::find_if(std::begin(modes), std::end(modes), [&](auto& m) { return m.first == mode; });
            if (found == std::end(modes)) Fail("bone " + Quote(bone.name) + " has an unknown transform " + Quote(mode));
            bone.transformMode = found->second;
            bone.skinRequired = Boolean(item, "skin", false);
            data_->bones.push_back(std::move(bone));
        }
        if (data_->bones.empty()) Fail("no bones");
    }

    int BoneIndex(const Json& object, const char* key, const std::string& owner) {
        const std::string name = String(object, key);
        const int bone = data_->FindBone(name);
        if (bone < 0) Fail(owner + " names an unknown bone " + Quote(name));
        return bone;
    }

    std::vector<int> BoneList(const Json& object, const std::string& owner) {
        std::vector<int> list;
        const Json* bones = Member(object, "bones");
        if (!bones) Fail(owner + " lists no bones");
        for (const auto& item : Array(*bones, "\"bones\"").GetArray()) {
            if (!item.IsString()) Fail(owner + " lists a bone that is not a name");
            const int bone = data_->FindBone(NameOf(item));
            if (bone < 0) Fail(owner + " names an unknown bone " + Quote(NameOf(item)));
            list.push_back(bone);
        }
        if (list.empty()) Fail(owner + " lists no bones");
        return list;
    }

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

    void ReadSlots(const Json& root) {
        ForEachItem(root, "slots", [&](const Json& item, const std::string&) {
            SlotData slot;
            slot.index = static_cast<int>(data_->slots.size());
            slot.name = String(item, "name");
            if (slot.name.empty()) Fail("a slot has no name");
            slot.bone = BoneIndex(item, "bone", "slot " + Quote(slot.name));
            slot.color = ColorOf(item, "color", Color{});
            if (Member(item, "dark")) {
                slot.darkColor = ColorOf(item, "dark", Color{0, 0, 0, 1}, false);
                slot.hasDarkColor = true;
            }
            slot.attachmentName = String(item, "attachment");
            const std::string blend = String(item, "blend", "normal");
            if (blend == "normal") slot.blendMode = BlendMode::Normal;
            else if (blend == "additive") slot.blendMode = BlendMode::Additive;
            else if (blend == "multiply") slot.blendMode = BlendMode::Multiply;
            else if (blend == "screen") slot.blendMode = BlendMode::Screen;
            else Fail("slot " + Quote(slot.name) + " has an unknown blend " + Quote(blend));
            data_->slots.push_back(std::move(slot));
        });
    }

    void ReadEvents(const Json& root) {
        const Json* events = Member(root, "events");
        if (!events || !Skip("/events", [&] { Object(*events, "\"events\""); })) return;
        for (const auto& member : events->GetObject()) {
            const std::string name = NameOf(member.name);
            Skip("/events/" + Escape(name), [&] {
                Object(member.value, "event " + Quote(name));
                auto event = std::make_unique<EventData>();
                event->name = name;
                event->intValue = Integer(member.value, "int", 0);
                event->floatValue = Number(member.value, "float", 0);
                event->stringValue = String(member.value, "string");
                event->audioPath = String(member.value, "audio");
                if (!event->audioPath.empty()) {
                    event->volume = Number(member.value, "volume", 1);
                    event->balance = Number(member.value, "balance", 0);
                }
                data_->events.push_back(std::move(event));
            });
        }
    }

    // What every constraint starts with.
    template <class Data>
    void ReadConstraint(const Json& item, Data& constraint, const char* kind) {
        constraint.name = String(item, "name");
        if (constraint.name.empty()) Fail(std::string("a ") + kind + " constraint has no name");
        constraint.order = Integer(item, "order", 0);
        constraint.skinRequired = Boolean(item, "skin", false);
        constraint.bones = BoneList(item, std::string(kind) + " constraint " + Quote(constraint.name));
    }

    void ReadIk(const Json& root) {
        ForEachItem(root, "ik", [&](const Json& item, const std::string&) {
            IkConstraintData ik;
            ReadConstraint(item, ik, "IK");
            const std::string what = "IK constraint " + Quote(ik.name);
            if (ik.bones.size() > 2) Fail(what + " constrains more than two bones");
            if (ik.bones.size() == 2 && data_->bones[static_cast<std::size_t>(ik.bones[1])].parent != ik.bones[0])
                Fail(what + " names a second bone that is not a child of the first");
            ik.target = BoneIndex(item, "target", what);
            ik.mix = Number(item, "mix", 1);
            ik.softness = Number(item, "softness", 0);
            ik.bendDirection = Boolean(item, "bendPositive", true) ? 1 : -1;
            ik.compress = Boolean(item, "compress", false);
            ik.stretch = Boolean(item, "stretch", false);
            ik.uniform = Boolean(item, "uniform", false);
            data_->ikConstraints.push_back(std::move(ik));
        });
    }

    void ReadTransform(const Json& root) {
        ForEachItem(root, "transform", [&](const Json& item, const std::string&) {
            TransformConstraintData t;
            ReadConstraint(item, t, "transform");
            t.target = BoneIndex(item, "target", "transform constraint " + Quote(t.name));
            t.offsetRotation = Number(item, "rotation", 0);
            t.offsetX = Number(item, "x", 0);
            t.offsetY = Number(item, "y", 0);
            t.offsetScaleX = Number(item, "scaleX", 0);
            t.offsetScaleY = Number(item, "scaleY", 0);
            t.offsetShearY = Number(item, "shearY", 0);
            t.rotateMix = Number(item, "rotateMix", 1);
            t.translateMix = Number(item, "translateMix", 1);
            t.scaleMix = Number(item, "scaleMix", 1);
            t.shearMix = Number(item, "shearMix", 1);
            t.local = Boolean(item, "local", false);
            t.relative = Boolean(item, "relative", false);
            data_->transformConstraints.push_back(std::move(t));
        });
    }

    template <class Mode, std::size_t N>
    static Mode Choice(const Json& item, const char* key, const std::pair<std::string_view, Mode> (&choices)[N]) {
        const std::string value = String(item, key, std::string(choices[0].first));
        for (const auto& [name, mode] : choices)
            if (name == value) return mode;
        Fail(Quote(key) + " is " + Quote(value) + ", which is not a known mode");
    }

    void ReadPath(const Json& root) {
        ForEachItem(root, "path", [&](const Json& item, const std::string&) {
            PathConstraintData p;
            ReadConstraint(item, p, "path");
            const std::string slot = String(item, "target");
            p.target = data_->FindSlot(slot);
            if (p.target < 0) Fail("path constraint " + Quote(p.name) + " names an unknown slot " + Quote(slot));
            static constexpr std::pair<std::string_view, PositionMode> positions[] = {
                {"percent", PositionMode::Percent}, {"fixed", PositionMode::Fixed}};
            static constexpr std::pair<std::string_view, SpacingMode> spacings[] = {
                {"length", SpacingMode::Length}, {"fixed", SpacingMode::Fixed}, {"percent", SpacingMode::Percent}};
            static constexpr std::pair<std::string_view, RotateMode> rotates[] = {
                {"tangent", RotateMode::Tangent}, {"chain", RotateMode::Chain}, {"chainScale", RotateMode::ChainScale}};
            p.positionMode = Choice(item, "positionMode", positions);
            p.spacingMode = Choice(item, "spacingMode", spacings);
            p.rotateMode = Choice(item, "rotateMode", rotates);
            p.offsetRotation = Number(item, "rotation", 0);
            p.position = Number(item, "position", 0);
            p.spacing = Number(item, "spacing", 0);
            p.rotateMix = Number(item, "rotateMix", 1);
            p.translateMix = Number(item, "translateMix", 1);
            data_->pathConstraints.push_back(std::move(p));
        });
    }

    template <class Data>
    static int FindConstraint(const std::vector<Data>& list, std::string_view name) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].name == name) return static_cast<int>(i);
        return -1;
    }

    // A skin's own bones and constraints; names the file does not define are left out.
    void ReadSkinMembers(const Json& item, Skin& skin, const std::string& pointer) {
        auto names = [&](const char* key, std::vector<int>& out, auto find) {
            const Json* list = Member(item, key);
            if (!list) return;
            if (!Skip(pointer + "/" + key, [&] { Array(*list, Quote(key)); })) return;
            for (rapidjson::SizeType i = 0; i < list->Size(); ++i)
                Skip(pointer + "/" + key + "/" + std::to_string(i), [&] {
                    const Json& name = (*list)[i];
                    if (!name.IsString()) Fail("skin " + Quote(skin.name) + " lists something other than a name");
                    const int index = find(NameOf(name));
                    if (index < 0) Fail("skin " + Quote(skin.name) + " names an unknown " + key + " " + Quote(NameOf(name)));
                    out.push_back(index);
                });
        };
        names("bones", skin.bones, [&](std::string_view n) { return data_->FindBone(n); });
        names("ik", skin.ik, [&](std::string_view n) { return FindConstraint(data_->ikConstraints, n); });
        names("transform", skin.transform, [&](std::string_view n) { return FindConstraint(data_->transformConstraints, n); });
        names("path", skin.path, [&](std::string_view n) { return FindConstraint(data_->pathConstraints, n); });
    }

    void ReadSkins(const Json& root) {
        const Json* skins = Member(root, "skins");
        if (!skins) return;
        if (skins->IsArray()) {
            ForEachItem(root, "skins", [&](const Json& item, const std::string& pointer) {
                const std::string name = String(item, "name");
                Skin& skin = NewSkin(name);
                ReadSkinMembers(item, skin, pointer);
                if (const Json* attachments = Member(item, "attachments"))
                    ReadSkinAttachments(skin, *attachments, pointer + "/attachments");
            });
        } else {
            // The older form: skin name -> slots.
            Skip("/skins", [&] {
                for (const auto& member : Object(*skins, "\"skins\"").GetObject()) {
                    const std::string name = NameOf(member.name);
                    const std::string pointer = "/skins/" + Escape(name);
                    Skip(pointer, [&] { ReadSkinAttachments(NewSkin(name), member.value, pointer); });
                }
            });
        }
        data_->defaultSkin = data_->FindSkin("default");
    }

    Skin& NewSkin(const std::string& name) {
        if (name.empty()) Fail("a skin has no name");
        if (data_->FindSkin(name)) Fail("a second skin is named " + Quote(name));
        auto skin = std::make_unique<Skin>();
        skin->name = name;
        skin->attachments.resize(data_->slots.size());
        data_->skins.push_back(std::move(skin));
        return *data_->skins.back();
    }

    void ReadSkinAttachments(Skin& skin, const Json& slots, const std::string& pointer) {
        for (const auto& slotMember : Object(slots, "skin " + Quote(skin.name)).GetObject()) {
            const std::string slotName = NameOf(slotMember.name);
            const std::string slotPointer = pointer + "/" + Escape(slotName);
            const int slot = data_->FindSlot(slotName);
            if (!Skip(slotPointer, [&] {
                    if (slot < 0) Fail("skin " + Quote(skin.name) + " names an unknown slot " + Quote(slotName));
                    Object(slotMember.value, "slot " + Quote(slotName));
                }))
                continue;
            for (const auto& entry : slotMember.value.GetObject()) {
                const std::string key = NameOf(entry.name);
                const std::string at = slotPointer + "/" + Escape(key);
                Skip(at, [&] {
                    auto attachment = ReadAttachment(entry.value, key, slot, skin, at);
                    if (attachment) skin.attachments[static_cast<std::size_t>(slot)][key] = std::move(attachment);
                });
            }
        }
    }

    const AtlasRegion* Region(const std::string& path, const std::string& name) {
        const AtlasRegion* region = atlas_.FindRegion(path);
        if (!region)
            Trace("Skeleton " + source_ + ": attachment " + Quote(name) + " needs the region " + Quote(path) +
                  ", which the atlas lacks; left out\n");
        return region;
    }

    std::unique_ptr<Attachment> ReadAttachment(const Json& json, const std::string& key, int slot, Skin& skin,
                                               const std::string& pointer) {
        Object(json, "attachment " + Quote(key));
        const std::string name = String(json, "name", key);
        const std::string path = String(json, "path", name);
        const std::string type = String(json, "type", "region");
        if (type == "region") {
            auto region = std::make_unique<RegionAttachment>();
            region->name = name;
            region->path = path;
            region->x = Number(json, "x", 0);
            region->y = Number(json, "y", 0);
            region->scaleX = Number(json, "scaleX", 1);
            region->scaleY = Number(json, "scaleY", 1);
            region->rotation = Number(json, "rotation", 0);
            region->width = Number(json, "width", 32);
            region->height = Number(json, "height", 32);
            region->color = ColorOf(json, "color", Color{});
            region->region = Region(path, name);
            if (!region->region) return nullptr;
            region->Update();
            return region;
        }
        if (type == "mesh" || type == "linkedmesh") {
            auto mesh = std::make_unique<MeshAttachment>();
            mesh->name = name;
            mesh->path = path;
            mesh->color = ColorOf(json, "color", Color{});
            mesh->width = Number(json, "width", 0);
            mesh->height = Number(json, "height", 0);
            const std::string parent = String(json, "parent");
            if (type == "linkedmesh" && parent.empty()) Fail("linked mesh " + Quote(name) + " names no parent");
            const std::string parentSkin = String(json, "skin", "default");
            const bool inheritDeform = Boolean(json, "deform", true);
            if (parent.empty()) {
                mesh->regionUVs = Floats(json, "uvs");
                if (mesh->regionUVs.empty() || mesh->regionUVs.size() % 2 != 0)
                    Fail("mesh " + Quote(name) + " has no whole list of UVs");
                const int vertexCount = static_cast<int>(mesh->regionUVs.size() / 2);
                ReadVertices(json, *mesh, vertexCount);
                const Json* triangles = Member(json, "triangles");
                if (!triangles) Fail("mesh " + Quote(name) + " has no triangles");
                for (const auto& index : Array(*triangles, "\"triangles\"").GetArray()) {
                    if (!index.IsUint() || index.GetUint() >= static_cast<unsigned>(vertexCount))
                        Fail("mesh " + Quote(name) + " has a triangle index outside its vertices");
                    mesh->triangles.push_back(index.GetUint());
                }
                if (mesh->triangles.size() % 3 != 0) Fail("mesh " + Quote(name) + " has a partial triangle");
                mesh->hullLength = Integer(json, "hull", 0) * 2;
                if (const Json* edges = Member(json, "edges"))
                    for (const auto& edge : Array(*edges, "\"edges\"").GetArray())
                        if (edge.IsInt()) mesh->edges.push_back(edge.GetInt());
            }
            mesh->region = Region(path, name);
            if (!mesh->region) return nullptr;
            if (!parent.empty()) {
                linked_.push_back({mesh.get(), &skin, key, parentSkin, slot, parent, inheritDeform, pointer});
                return mesh;
            }
            mesh->UpdateUVs();
            return mesh;
        }
        if (type == "boundingbox") {
            auto box = std::make_unique<BoundingBoxAttachment>();
            box->name = name;
            ReadVertices(json, *box, Integer(json, "vertexCount", 0));
            return box;
        }
        if (type == "path") {
            auto p = std::make_unique<PathAttachment>();
            p->name = name;
            p->closed = Boolean(json, "closed", false);
            p->constantSpeed = Boolean(json, "constantSpeed", true);
            p->color = ColorOf(json, "color", Color{1, 0.5f, 0, 1});
            const int vertexCount = Integer(json, "vertexCount", 0);
            if (vertexCount < 3 || vertexCount % 3 != 0)
                Fail("path " + Quote(name) + " does not have three control points per vertex");
            ReadVertices(json, *p, vertexCount);
            p->lengths = Floats(json, "lengths");
            return p;
        }
        if (type == "clipping") {
            auto clip = std::make_unique<ClippingAttachment>();
            clip->name = name;
            clip->color = ColorOf(json, "color", Color{0.8f, 0.24f, 0.24f, 1});
            const std::string end = String(json, "end");
            if (!end.empty()) {
                clip->endSlot = data_->FindSlot(end);
                if (clip->endSlot < 0) Fail("clipping " + Quote(name) + " ends at an unknown slot " + Quote(end));
            }
            const int vertexCount = Integer(json, "vertexCount", 0);
            if (vertexCount < 3) Fail("clipping " + Quote(name) + " has fewer than three vertices");
            ReadVertices(json, *clip, vertexCount);
            return clip;
        }
        if (type == "point") {
            auto point = std::make_unique<PointAttachment>();
            point->name = name;
            point->x = Number(json, "x", 0);
            point->y = Number(json, "y", 0);
            point->rotation = Number(json, "rotation", 0);
            return point;
        }
        Fail("attachment " + Quote(name) + " in skin " + Quote(skin.name) + " has an unknown type " + Quote(type));
    }

    // Unweighted vertices are x, y pairs; weighted ones are, per vertex, a bone count followed by
    // that many (bone, x, y, weight) entries.
    void ReadVertices(const Json& json, VertexAttachment& attachment, int vertexCount) {
        const std::vector<float> values = Floats(json, "vertices");
        if (vertexCount < 0 || static_cast<std::size_t>(vertexCount) > values.size())
            Fail("attachment " + Quote(attachment.name) + " has too few vertices for its vertex count");
        const auto count = static_cast<std::size_t>(vertexCount);
        attachment.worldVerticesLength = vertexCount * 2;
        if (values.size() == count * 2) {
            attachment.vertices = values;
            return;
        }
        std::size_t i = 0;
        for (std::size_t v = 0; v < count; ++v) {
            if (i >= values.size()) Fail("attachment " + Quote(attachment.name) + " has too few vertices");
            const float boneCount = values[i++];
            const int bones = boneCount >= 1 && boneCount <= static_cast<float>(data_->bones.size())
                                  ? static_cast<int>(boneCount) : 0;
            if (bones < 1 || i + static_cast<std::size_t>(bones) * 4 > values.size())
                Fail("attachment " + Quote(attachment.name) + " has a malformed weighted vertex");
            attachment.bones.push_back(bones);
            for (int b = 0; b < bones; ++b, i += 4) {
                if (!(values[i] >= 0 && values[i] < static_cast<float>(data_->bones.size())))
                    Fail("attachment " + Quote(attachment.name) + " weights an unknown bone");
                attachment.bones.push_back(static_cast<int>(values[i]));
                attachment.vertices.insert(attachment.vertices.end(), {values[i + 1], values[i + 2], values[i + 3]});
            }
        }
        if (i != values.size()) Fail("attachment " + Quote(attachment.name) + " has vertices that do not match its UVs");
    }

    void ResolveLinkedMeshes() {
        // A linked mesh may name another linked mesh: resolve in passes until nothing is left.
        std::set<const MeshAttachment*> pending;
        for (const auto& link : linked_) pending.insert(link.mesh);
        bool progress = true;
        while (!pending.empty() && progress) {
            progress = false;
            for (const auto& link : linked_) {
                if (!pending.count(link.mesh)) continue;
                const Skin* skin = data_->FindSkin(link.skin);
                const auto* parent = skin ? dynamic_cast<const MeshAttachment*>(skin->Find(link.slot, link.parent)) : nullptr;
                if (!parent || pending.count(parent)) continue;
                MeshAttachment& mesh = *link.mesh;
                mesh.parentMesh = parent;
                mesh.bones = parent->bones;
                mesh.vertices = parent->vertices;
                mesh.worldVerticesLength = parent->worldVerticesLength;
                mesh.regionUVs = parent->regionUVs;
                mesh.triangles = parent->triangles;
                mesh.hullLength = parent->hullLength;
                mesh.edges = parent->edges;
                mesh.deformAttachment = link.inheritDeform ? parent->deformAttachment : &mesh;
                mesh.UpdateUVs();
                pending.erase(link.mesh);
                progress = true;
            }
        }
        // What is left names a skin or mesh that does not exist, or links in a circle.
        for (const auto& link : linked_) {
            if (!pending.count(link.mesh)) continue;
            const Skin* skin = data_->FindSkin(link.skin);
            Skip(link.pointer, [&] {
                if (!skin) Fail("linked mesh " + Quote(link.mesh->name) + " names an unknown skin " + Quote(link.skin));
                if (!dynamic_cast<const MeshAttachment*>(skin->Find(link.slot, link.parent)))
                    Fail("linked mesh " + Quote(link.mesh->name) + " names an unknown parent mesh " + Quote(link.parent));
                Fail("linked mesh " + Quote(link.mesh->name) + " links in a circle");
            });
        }
        for (const auto& link : linked_)
            if (pending.count(link.mesh)) link.owner->attachments[static_cast<std::size_t>(link.slot)].erase(link.key);
    }

    // --- Animations ---

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

    static Curve ReadCurve(const Json& key) {
        Curve curve;
        const Json* v = Member(key, "curve");
        if (!v) return curve;
        if (v->IsString()) {
            const std::string kind = v->GetString();
            if (kind == "stepped") curve.kind = Curve::Kind::Stepped;
            else if (kind != "linear") Fail("unknown curve " + Quote(kind));
            return curve;
        }
        curve.kind = Curve::Kind::Bezier;
        if (v->IsNumber()) {
            curve.cx1 = static_cast<float>(v->GetDouble());
            curve.cy1 = Number(key, "c2", 0);
            curve.cx2 = Number(key, "c3", 1);
            curve.cy2 = Number(key, "c4", 1);
        } else {
            const std::vector<float> handles = Floats(key, "curve");
            if (handles.size() != 4) Fail("a curve needs four numbers");
            curve.cx1 = handles[0], curve.cy1 = handles[1], curve.cx2 = handles[2], curve.cy2 = handles[3];
        }
        // Handles outside the segment's time would make the curve run backwards in time.
        curve.cx1 = std::clamp(curve.cx1, 0.0f, 1.0f);
        curve.cx2 = std::clamp(curve.cx2, 0.0f, 1.0f);
        return curve;
    }

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

    void ReadAnimation(const std::string& name, const Json& json) {
        Object(json, "animation " + Quote(name));
        auto animation = std::make_unique<Animation>();
        animation->name = name;
        animation_ = animation.get();
        duration_ = 0;
        const std::string at = "/animations/" + Escape(name);

        Members(Member(json, "bones"), at + "/bones", "\"bones\"", [&](const std::string& boneName, const Json& bone, const std::string& p) {
            const int index = data_->FindBone(boneName);
            if (!Skip(p, [&] {
                    if (index < 0) Fail("animation " + Quote(name) + " keys an unknown bone " + Quote(boneName));
                }))
                return;
            Members(&bone, p, "bone " + Quote(boneName), [&](const std::string& type, const Json& keys, const std::string& tp) {
                AddTimeline(tp, [&] {
                    BoneTimeline::Kind kind;
                    float fallback = 0;
                    if (type == "rotate") kind = BoneTimeline::Kind::Rotate;
                    else if (type == "translate") kind = BoneTimeline::Kind::Translate;
                    else if (type == "scale") kind = BoneTimeline::Kind::Scale, fallback = 1;
                    else if (type == "shear") kind = BoneTimeline::Kind::Shear;
                    else Fail("unknown bone timeline " + Quote(type));
                    auto timeline = std::make_unique<BoneTimeline>(kind, index);
                    auto& values = timeline->values;
                    ReadKeys(*timeline, keys, type + " of " + Quote(boneName), [&](const Json& key) {
                        if (kind == BoneTimeline::Kind::Rotate) {
                            values.push_back(Number(key, "angle", 0));
                            values.push_back(0);
                        } else {
                            values.push_back(Number(key, "x", fallback));
                            values.push_back(Number(key, "y", fallback));
                        }
                    });
                    return timeline;
                });
            });
        });

        Members(Member(json, "slots"), at + "/slots", "\"slots\"", [&](const std::string& slotName, const Json& slot, const std::string& p) {
            const int index = data_->FindSlot(slotName);
            if (!Skip(p, [&] {
                    if (index < 0) Fail("animation " + Quote(name) + " keys an unknown slot " + Quote(slotName));
                }))
                return;
            Members(&slot, p, "slot " + Quote(slotName), [&](const std::string& type, const Json& keys, const std::string& tp) {
                AddTimeline(tp, [&]() -> std::unique_ptr<spine::Timeline> {
                    const std::string what = type + " of " + Quote(slotName);
                    if (type == "attachment") {
                        auto timeline = std::make_unique<AttachmentTimeline>(index);
                        ReadKeys(*timeline, keys, what, [&](const Json& key) { timeline->names.push_back(String(key, "name")); });
                        for (auto& curve : timeline->curves) curve.kind = Curve::Kind::Stepped;
                        return timeline;
                    }
                    if (type == "color" || type == "twoColor") {
                        const bool two = type == "twoColor";
                        auto timeline = std::make_unique<ColorTimeline>(index, two);
                        ReadKeys(*timeline, keys, what, [&](const Json& key) {
                            timeline->light.push_back(ColorOf(key, two ? "light" : "color", Color{}));
                            if (two) timeline->dark.push_back(ColorOf(key, "dark", Color{0, 0, 0, 1}, false));
                        });
                        return timeline;
                    }
                    Fail("unknown slot timeline " + Quote(type));
                });
            });
        });

        ReadConstraintTimelines(name, json, at);
        ReadDeform(name, json, at);

        const char* drawOrderKey = Member(json, "drawOrder") ? "drawOrder" : "draworder";
        if (const Json* drawOrder = Member(json, drawOrderKey))
            AddTimeline(at + "/" + drawOrderKey, [&] { return ReadDrawOrder(name, *drawOrder); });

        if (const Json* events = Member(json, "events")) {
            AddTimeline(at + "/events", [&] {
                auto timeline = std::make_unique<EventTimeline>();
                ReadKeys(*timeline, *events, "events of " + Quote(name), [&](const Json& key) {
                    const std::string eventName = String(key, "name");
                    const EventData* data = data_->FindEvent(eventName);
                    if (!data) Fail("animation " + Quote(name) + " fires an unknown event " + Quote(eventName));
                    Event event;
                    event.data = data;
                    event.time = timeline->times.back();
                    event.intValue = Integer(key, "int", data->intValue);
                    event.floatValue = Number(key, "float", data->floatValue);
                    event.stringValue = String(key, "string", data->stringValue);
                    event.volume = Number(key, "volume", data->volume);
                    event.balance = Number(key, "balance", data->balance);
                    timeline->events.push_back(std::move(event));
                });
                animation_->events = timeline.get();
                return timeline;
            });
        }

        animation->duration = duration_;
        data_->animations.push_back(std::move(animation));
    }

    void ReadConstraintTimelines(const std::string& name, const Json& json, const std::string& at) {
        Members(Member(json, "ik"), at + "/ik", "\"ik\"", [&](const std::string& c, const Json& keys, const std::string& p) {
            AddTimeline(p, [&] {
                const int index = FindConstraint(data_->ikConstraints, c);
                if (index < 0) Fail("animation " + Quote(name) + " keys an unknown IK constraint " + Quote(c));
                auto timeline = std::make_unique<IkConstraintTimeline>(index);
                ReadKeys(*timeline, keys, "IK " + Quote(c), [&](const Json& key) {
                    timeline->keys.push_back({Number(key, "mix", 1), Number(key, "softness", 0),
                                              Boolean(key, "bendPositive", true) ? 1 : -1, Boolean(key, "compress", false),
                                              Boolean(key, "stretch", false)});
                });
                return timeline;
            });
        });
        Members(Member(json, "transform"), at + "/transform", "\"transform\"", [&](const std::string& c, const Json& keys, const std::string& p) {
            AddTimeline(p, [&] {
                const int index = FindConstraint(data_->transformConstraints, c);
                if (index < 0) Fail("animation " + Quote(name) + " keys an unknown transform constraint " + Quote(c));
                auto timeline = std::make_unique<TransformConstraintTimeline>(index);
                ReadKeys(*timeline, keys, "transform " + Quote(c), [&](const Json& key) {
                    for (const char* mix : {"rotateMix", "translateMix", "scaleMix", "shearMix"})
                        timeline->values.push_back(Number(key, mix, 1));
                });
                return timeline;
            });
        });
        Members(Member(json, "path"), at + "/path", "\"path\"", [&](const std::string& c, const Json& kinds, const std::string& p) {
            const int index = FindConstraint(data_->pathConstraints, c);
            if (!Skip(p, [&] {
                    if (index < 0) Fail("animation " + Quote(name) + " keys an unknown path constraint " + Quote(c));
                }))
                return;
            Members(&kinds, p, "path " + Quote(c), [&](const std::string& type, const Json& keys, const std::string& tp) {
                AddTimeline(tp, [&] {
                    using Kind = PathConstraintTimeline::Kind;
                    Kind kind;
                    if (type == "position") kind = Kind::Position;
                    else if (type == "spacing") kind = Kind::Spacing;
                    else if (type == "mix") kind = Kind::Mix;
                    else Fail("unknown path timeline " + Quote(type));
                    auto timeline = std::make_unique<PathConstraintTimeline>(kind, index);
                    ReadKeys(*timeline, keys, type + " of " + Quote(c), [&](const Json& key) {
                        if (kind == Kind::Mix) {
                            timeline->values.push_back(Number(key, "rotateMix", 1));
                            timeline->values.push_back(Number(key, "translateMix", 1));
                        } else {
                            timeline->values.push_back(Number(key, type.c_str(), 0));
                            timeline->values.push_back(0);
                        }
                    });
                    return timeline;
                });
            });
        });
    }

    void ReadDeform(const std::string& name, const Json& json, const std::string& at) {
        Members(Member(json, "deform"), at + "/deform", "\"deform\"", [&](const std::string& skinName, const Json& slots, const std::string& sp) {
            const Skin* skin = data_->FindSkin(skinName);
            if (!Skip(sp, [&] {
                    if (!skin) Fail("animation " + Quote(name) + " deforms in an unknown skin " + Quote(skinName));
                }))
                return;
            Members(&slots, sp, "skin " + Quote(skinName), [&](const std::string& slotName, const Json& attachments, const std::string& p) {
                const int slot = data_->FindSlot(slotName);
                if (!Skip(p, [&] {
                        if (slot < 0) Fail("animation " + Quote(name) + " deforms an unknown slot " + Quote(slotName));
                    }))
                    return;
                Members(&attachments, p, "slot " + Quote(slotName), [&](const std::string& attachmentName, const Json& keys, const std::string& tp) {
                    AddTimeline(tp, [&] {
                        const auto* attachment = dynamic_cast<const VertexAttachment*>(skin->Find(slot, attachmentName));
                        if (!attachment)
                            Fail("animation " + Quote(name) + " deforms " + Quote(attachmentName) +
                                 ", which is no vertex attachment of the skin");
                        auto timeline = std::make_unique<DeformTimeline>(slot, attachment);
                        ReadKeys(*timeline, keys, "deform of " + Quote(attachmentName), [&](const Json& key) {
                            std::vector<float> frame;
                            attachment->SetupDeform(frame);
                            const std::vector<float> values = Floats(key, "vertices");
                            const int offset = Integer(key, "offset", 0);
                            if (offset < 0 || static_cast<std::size_t>(offset) + values.size() > frame.size())
                                Fail("deform of " + Quote(attachmentName) + " runs past its vertices");
                            for (std::size_t i = 0; i < values.size(); ++i) frame[static_cast<std::size_t>(offset) + i] += values[i];
                            timeline->frames.push_back(std::move(frame));
                        });
                        return timeline;
                    });
                });
            });
        });
    }

    // Each key lists slots that move away from their setup place by an offset; the unmoved slots
    // keep their relative order in the places left over.
    std::unique_ptr<DrawOrderTimeline> ReadDrawOrder(const std::string& name, const Json& keys) {
        auto timeline = std::make_unique<DrawOrderTimeline>();
        const int slotCount = static_cast<int>(data_->slots.size());
        ReadKeys(*timeline, keys, "draw order of " + Quote(name), [&](const Json& key) {
            std::vector<int> order;
            if (const Json* offsets = Member(key, "offsets")) {
                order.assign(static_cast<std::size_t>(slotCount), -1);
                std::vector<int> unchanged;
                int original = 0;
                for (const auto& entry : Array(*offsets, "\"offsets\"").GetArray()) {
                    Object(entry, "a draw-order offset");
                    const std::string slotName = String(entry, "slot");
                    const int slot = data_->FindSlot(slotName);
                    if (slot < original) Fail("draw order of " + Quote(name) + " names slot " + Quote(slotName) + " out of order or unknown");
                    while (original != slot) unchanged.push_back(original++);
                    const int place = original + Integer(entry, "offset", 0);
                    if (place < 0 || place >= slotCount || order[static_cast<std::size_t>(place)] != -1)
                        Fail("draw order of " + Quote(name) + " moves slot " + Quote(slotName) + " to an impossible place");
                    order[static_cast<std::size_t>(place)] = original++;
                }
                while (original < slotCount) unchanged.push_back(original++);
                for (int i = slotCount - 1; i >= 0; --i)
                    if (order[static_cast<std::size_t>(i)] == -1) {
                        order[static_cast<std::size_t>(i)] = unchanged.back();
                        unchanged.pop_back();
                    }
            }
            timeline->orders.push_back(std::move(order));
        });
        for (auto& curve : timeline->curves) curve.kind = Curve::Kind::Stepped;
        return timeline;
    }

    const Atlas& atlas_;
    const std::string& source_;
    std::unique_ptr<SkeletonData> data_;
    std::vector<LinkedMesh> linked_;
    Animation* animation_ = nullptr;
    float duration_ = 0;
};

}  // namespace

std::unique_ptr<SkeletonData> ParseSkeletonData(std::string_view json, const Atlas& atlas, const std::string& source) {
    rapidjson::Document document;
    document.Parse(json.data(), json.size());
    if (document.HasParseError()) {
        Trace("Skeleton " + source + ": " + rapidjson::GetParseError_En(document.GetParseError()) + " (at offset " +
              std::to_string(document.GetErrorOffset()) + ")\n");
        return nullptr;
    }
    try {
        Reader reader(atlas, source);
        return reader.Read(document);
    } catch (const ReadError& error) {
        Trace("Skeleton " + source + ": " + error.what + "\n");
        return nullptr;
    }
}

std::unique_ptr<SkeletonData> ReadSkeletonData(const std::string& path, const Atlas& atlas) {
    const auto text = ReadWholeFile(path);
    if (!text) {
        Trace("Skeleton " + path + ": cannot open the file\n");
        return nullptr;
    }
    return ParseSkeletonData(*text, atlas, path);
}

}  // namespace velkor::spine
