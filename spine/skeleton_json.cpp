#include "spine/skeleton_json.hpp"

#include <algorithm>
#include <charconv>
#include <set>

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

class Reader {
public:
    Reader(const Atlas& atlas, const std::string& source) : atlas_(atlas), source_(source) {}

    std::unique_ptr<SkeletonData> Read(const Json& root) {
        Object(root, "the file");
        data_ = std::make_unique<SkeletonData>();
        ReadHeader(root);
        ReadBones(root);
        ReadSlots(root);
        for (const char* key : {"ik", "transform", "path"})
            if (const Json* v = Member(root, key); v && v->IsArray() && !v->Empty())
                unsupported_.insert(std::string(key) + " constraints");
        if (const Json* v = Member(root, "events"); v && v->IsObject() && v->MemberCount() > 0)
            unsupported_.insert("events");
        ReadSkins(root);
        ResolveLinkedMeshes();
        if (const Json* animations = Member(root, "animations")) {
            Object(*animations, "\"animations\"");
            for (const auto& member : animations->GetObject())
                ReadAnimation(std::string(member.name.GetString(), member.name.GetStringLength()), member.value);
        }
        if (!unsupported_.empty()) {
            std::string list;
            for (const auto& feature : unsupported_) list += (list.empty() ? "" : ", ") + feature;
            Trace("Skeleton " + source_ + " uses what this runtime does not support (ignored): " + list + "\n");
        }
        return std::move(data_);
    }

private:
    struct LinkedMesh {
        MeshAttachment* mesh;
        std::string skin;
        int slot;
        std::string parent;
        bool inheritDeform;
    };

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

    void ReadSlots(const Json& root) {
        const Json* slots = Member(root, "slots");
        if (!slots) return;
        for (const auto& item : Array(*slots, "\"slots\"").GetArray()) {
            Object(item, "a slot");
            SlotData slot;
            slot.index = static_cast<int>(data_->slots.size());
            slot.name = String(item, "name");
            if (slot.name.empty()) Fail("a slot has no name");
            const std::string bone = String(item, "bone");
            slot.bone = data_->FindBone(bone);
            if (slot.bone < 0) Fail("slot " + Quote(slot.name) + " names an unknown bone " + Quote(bone));
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
        }
    }

    void ReadSkins(const Json& root) {
        const Json* skins = Member(root, "skins");
        if (!skins) return;
        if (skins->IsArray()) {
            for (const auto& item : skins->GetArray()) {
                Object(item, "a skin");
                for (const char* key : {"bones", "ik", "transform", "path"})
                    if (const Json* v = Member(item, key); v && v->IsArray() && !v->Empty())
                        unsupported_.insert("skins with bones or constraints");
                const Json* attachments = Member(item, "attachments");
                ReadSkin(String(item, "name"), attachments);
            }
        } else {
            // The older form: skin name -> slots.
            for (const auto& member : Object(*skins, "\"skins\"").GetObject())
                ReadSkin(std::string(member.name.GetString(), member.name.GetStringLength()), &member.value);
        }
        data_->defaultSkin = data_->FindSkin("default");
    }

    void ReadSkin(const std::string& name, const Json* slots) {
        if (name.empty()) Fail("a skin has no name");
        auto skin = std::make_unique<Skin>();
        skin->name = name;
        skin->attachments.resize(data_->slots.size());
        if (slots) {
            for (const auto& slotMember : Object(*slots, "skin " + Quote(name)).GetObject()) {
                const std::string slotName(slotMember.name.GetString(), slotMember.name.GetStringLength());
                const int slot = data_->FindSlot(slotName);
                if (slot < 0) Fail("skin " + Quote(name) + " names an unknown slot " + Quote(slotName));
                for (const auto& entry : Object(slotMember.value, "slot " + Quote(slotName)).GetObject()) {
                    const std::string key(entry.name.GetString(), entry.name.GetStringLength());
                    auto attachment = ReadAttachment(entry.value, key, slot, name);
                    if (attachment) skin->attachments[static_cast<std::size_t>(slot)][key] = std::move(attachment);
                }
            }
        }
        data_->skins.push_back(std::move(skin));
    }

    const AtlasRegion* Region(const std::string& path, const std::string& name) {
        const AtlasRegion* region = atlas_.FindRegion(path);
        if (!region)
            Trace("Skeleton " + source_ + ": attachment " + Quote(name) + " needs the region " + Quote(path) +
                  ", which the atlas lacks; left out\n");
        return region;
    }

    std::unique_ptr<Attachment> ReadAttachment(const Json& json, const std::string& key, int slot,
                                               const std::string& skin) {
        Object(json, "attachment " + Quote(key));
        const std::string name = String(json, "name", key);
        const std::string path = String(json, "path", name);
        const std::string type = String(json, "type", "region");
        if (type == "region") {
            auto region = std::make_unique<RegionAttachment>();
            region->name = name;
            region->path = path;
            region->region = Region(path, name);
            if (!region->region) return nullptr;
            region->x = Number(json, "x", 0);
            region->y = Number(json, "y", 0);
            region->scaleX = Number(json, "scaleX", 1);
            region->scaleY = Number(json, "scaleY", 1);
            region->rotation = Number(json, "rotation", 0);
            region->width = Number(json, "width", 32);
            region->height = Number(json, "height", 32);
            region->color = ColorOf(json, "color", Color{});
            region->Update();
            return region;
        }
        if (type == "mesh" || type == "linkedmesh") {
            auto mesh = std::make_unique<MeshAttachment>();
            mesh->name = name;
            mesh->path = path;
            mesh->region = Region(path, name);
            if (!mesh->region) return nullptr;
            mesh->color = ColorOf(json, "color", Color{});
            mesh->width = Number(json, "width", 0);
            mesh->height = Number(json, "height", 0);
            const std::string parent = String(json, "parent");
            if (!parent.empty()) {
                linked_.push_back({mesh.get(), String(json, "skin", "default"), slot, parent,
                                   Boolean(json, "deform", true)});
                return mesh;
            }
            if (type == "linkedmesh") Fail("linked mesh " + Quote(name) + " names no parent");
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
            mesh->UpdateUVs();
            return mesh;
        }
        if (type == "boundingbox") {
            auto box = std::make_unique<BoundingBoxAttachment>();
            box->name = name;
            ReadVertices(json, *box, Integer(json, "vertexCount", 0));
            return box;
        }
        if (type == "point") {
            auto point = std::make_unique<PointAttachment>();
            point->name = name;
            point->x = Number(json, "x", 0);
            point->y = Number(json, "y", 0);
            point->rotation = Number(json, "rotation", 0);
            return point;
        }
        if (type == "path" || type == "clipping") {
            unsupported_.insert(type + " attachments");
            return nullptr;
        }
        Fail("attachment " + Quote(name) + " in skin " + Quote(skin) + " has an unknown type " + Quote(type));
    }

    // Unweighted vertices are x, y pairs; weighted ones are, per vertex, a bone count followed by
    // that many (bone, x, y, weight) entries.
    void ReadVertices(const Json& json, VertexAttachment& attachment, int vertexCount) {
        const std::vector<float> values = Floats(json, "vertices");
        if (vertexCount < 0) Fail("attachment " + Quote(attachment.name) + " has a negative vertex count");
        attachment.worldVerticesLength = vertexCount * 2;
        const auto count = static_cast<std::size_t>(vertexCount);
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
                if (!skin) Fail("linked mesh " + Quote(link.mesh->name) + " names an unknown skin " + Quote(link.skin));
                const auto* parent = dynamic_cast<const MeshAttachment*>(skin->Find(link.slot, link.parent));
                if (!parent)
                    Fail("linked mesh " + Quote(link.mesh->name) + " names an unknown parent mesh " + Quote(link.parent));
                if (pending.count(parent)) continue;
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
        if (!pending.empty()) Fail("linked meshes name each other in a circle");
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
        duration_ = std::max(duration_, timeline.times.back());
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

    void ReadAnimation(const std::string& name, const Json& json) {
        Object(json, "animation " + Quote(name));
        auto animation = std::make_unique<Animation>();
        animation->name = name;
        duration_ = 0;
        auto& timelines = animation->timelines;

        if (const Json* bones = Member(json, "bones")) {
            for (const auto& boneMember : Object(*bones, "\"bones\" of " + Quote(name)).GetObject()) {
                const std::string boneName(boneMember.name.GetString(), boneMember.name.GetStringLength());
                const int bone = data_->FindBone(boneName);
                if (bone < 0) Fail("animation " + Quote(name) + " keys an unknown bone " + Quote(boneName));
                for (const auto& t : Object(boneMember.value, "bone " + Quote(boneName)).GetObject()) {
                    const std::string type(t.name.GetString(), t.name.GetStringLength());
                    BoneTimeline::Kind kind;
                    float fallback = 0;
                    if (type == "rotate") kind = BoneTimeline::Kind::Rotate;
                    else if (type == "translate") kind = BoneTimeline::Kind::Translate;
                    else if (type == "scale") kind = BoneTimeline::Kind::Scale, fallback = 1;
                    else if (type == "shear") kind = BoneTimeline::Kind::Shear;
                    else {
                        unsupported_.insert("bone timeline " + Quote(type));
                        continue;
                    }
                    auto timeline = std::make_unique<BoneTimeline>(kind, bone);
                    auto& values = timeline->values;
                    ReadKeys(*timeline, t.value, type + " of " + Quote(boneName), [&](const Json& key) {
                        if (kind == BoneTimeline::Kind::Rotate) {
                            values.push_back(Number(key, "angle", 0));
                            values.push_back(0);
                        } else {
                            values.push_back(Number(key, "x", fallback));
                            values.push_back(Number(key, "y", fallback));
                        }
                    });
                    timelines.push_back(std::move(timeline));
                }
            }
        }

        if (const Json* slots = Member(json, "slots")) {
            for (const auto& slotMember : Object(*slots, "\"slots\" of " + Quote(name)).GetObject()) {
                const std::string slotName(slotMember.name.GetString(), slotMember.name.GetStringLength());
                const int slot = data_->FindSlot(slotName);
                if (slot < 0) Fail("animation " + Quote(name) + " keys an unknown slot " + Quote(slotName));
                for (const auto& t : Object(slotMember.value, "slot " + Quote(slotName)).GetObject()) {
                    const std::string type(t.name.GetString(), t.name.GetStringLength());
                    const std::string what = type + " of " + Quote(slotName);
                    if (type == "attachment") {
                        auto timeline = std::make_unique<AttachmentTimeline>(slot);
                        ReadKeys(*timeline, t.value, what, [&](const Json& key) {
                            timeline->names.push_back(String(key, "name"));
                        });
                        for (auto& curve : timeline->curves) curve.kind = Curve::Kind::Stepped;
                        timelines.push_back(std::move(timeline));
                    } else if (type == "color" || type == "twoColor") {
                        const bool two = type == "twoColor";
                        auto timeline = std::make_unique<ColorTimeline>(slot, two);
                        ReadKeys(*timeline, t.value, what, [&](const Json& key) {
                            timeline->light.push_back(ColorOf(key, two ? "light" : "color", Color{}));
                            if (two) timeline->dark.push_back(ColorOf(key, "dark", Color{0, 0, 0, 1}, false));
                        });
                        timelines.push_back(std::move(timeline));
                    } else {
                        unsupported_.insert("slot timeline " + Quote(type));
                    }
                }
            }
        }

        if (const Json* deform = Member(json, "deform")) ReadDeform(name, *deform, timelines);

        const Json* drawOrder = Member(json, "drawOrder");
        if (!drawOrder) drawOrder = Member(json, "draworder");
        if (drawOrder) ReadDrawOrder(name, *drawOrder, timelines);

        if (const Json* v = Member(json, "events"); v && v->IsArray() && !v->Empty()) unsupported_.insert("events");
        for (const char* key : {"ik", "transform", "path"})
            if (const Json* v = Member(json, key); v && v->IsObject() && v->MemberCount() > 0)
                unsupported_.insert(std::string(key) + " constraints");

        animation->duration = duration_;
        data_->animations.push_back(std::move(animation));
    }

    void ReadDeform(const std::string& name, const Json& deform, std::vector<std::unique_ptr<Timeline>>& timelines) {
        for (const auto& skinMember : Object(deform, "\"deform\" of " + Quote(name)).GetObject()) {
            const std::string skinName(skinMember.name.GetString(), skinMember.name.GetStringLength());
            const Skin* skin = data_->FindSkin(skinName);
            if (!skin) Fail("animation " + Quote(name) + " deforms in an unknown skin " + Quote(skinName));
            for (const auto& slotMember : Object(skinMember.value, "skin " + Quote(skinName)).GetObject()) {
                const std::string slotName(slotMember.name.GetString(), slotMember.name.GetStringLength());
                const int slot = data_->FindSlot(slotName);
                if (slot < 0) Fail("animation " + Quote(name) + " deforms an unknown slot " + Quote(slotName));
                for (const auto& t : Object(slotMember.value, "slot " + Quote(slotName)).GetObject()) {
                    const std::string attachmentName(t.name.GetString(), t.name.GetStringLength());
                    const auto* attachment = dynamic_cast<const VertexAttachment*>(skin->Find(slot, attachmentName));
                    if (!attachment)
                        Fail("animation " + Quote(name) + " deforms an unknown mesh " + Quote(attachmentName));
                    auto timeline = std::make_unique<DeformTimeline>(slot, attachment);
                    ReadKeys(*timeline, t.value, "deform of " + Quote(attachmentName), [&](const Json& key) {
                        std::vector<float> frame;
                        attachment->SetupDeform(frame);
                        const std::vector<float> values = Floats(key, "vertices");
                        const int offset = Integer(key, "offset", 0);
                        if (offset < 0 || static_cast<std::size_t>(offset) + values.size() > frame.size())
                            Fail("deform of " + Quote(attachmentName) + " runs past its vertices");
                        for (std::size_t i = 0; i < values.size(); ++i) frame[static_cast<std::size_t>(offset) + i] += values[i];
                        timeline->frames.push_back(std::move(frame));
                    });
                    timelines.push_back(std::move(timeline));
                }
            }
        }
    }

    // Each key lists slots that move away from their setup place by an offset; the unmoved slots
    // keep their relative order in the places left over.
    void ReadDrawOrder(const std::string& name, const Json& keys, std::vector<std::unique_ptr<Timeline>>& timelines) {
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
        timelines.push_back(std::move(timeline));
    }

    const Atlas& atlas_;
    const std::string& source_;
    std::unique_ptr<SkeletonData> data_;
    std::vector<LinkedMesh> linked_;
    std::set<std::string> unsupported_;
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
