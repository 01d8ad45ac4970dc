#include "spine/skeleton_json.hpp"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include "engine/trace.hpp"
#include "spine/read_file.hpp"
#include "spine/skeleton_json_reader.hpp"

namespace velkor::spine {

namespace reader {

[[noreturn]] void Fail(std::string what) { throw ReadError{std::move(what)}; }

std::string Quote(std::string_view s) {
    std::string quoted;
    quoted.reserve(s.size() + 2);
    quoted.append(1, '"').append(s).append(1, '"');
    return quoted;
}

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

std::string String(const Json& object, const char* key, std::string fallback) {
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

Color ColorOf(const Json& object, const char* key, Color fallback, bool withAlpha) {
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

std::unique_ptr<SkeletonData> Reader::Read(const Json& root) {
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

void Reader::ReadHeader(const Json& root) {
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

void Reader::ReadBones(const Json& root) {
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

int Reader::BoneIndex(const Json& object, const char* key, const std::string& owner) {
    const std::string name = String(object, key);
    const int bone = data_->FindBone(name);
    if (bone < 0) Fail(owner + " names an unknown bone " + Quote(name));
    return bone;
}

std::vector<int> Reader::BoneList(const Json& object, const std::string& owner) {
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

void Reader::ReadSlots(const Json& root) {
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

void Reader::ReadEvents(const Json& root) {
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

void Reader::ReadIk(const Json& root) {
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

void Reader::ReadTransform(const Json& root) {
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

void Reader::ReadPath(const Json& root) {
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

void Reader::ReadSkinMembers(const Json& item, Skin& skin, const std::string& pointer) {
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

void Reader::ReadSkins(const Json& root) {
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

Skin& Reader::NewSkin(const std::string& name) {
    if (name.empty()) Fail("a skin has no name");
    if (data_->FindSkin(name)) Fail("a second skin is named " + Quote(name));
    auto skin = std::make_unique<Skin>();
    skin->name = name;
    skin->attachments.resize(data_->slots.size());
    data_->skins.push_back(std::move(skin));
    return *data_->skins.back();
}

void Reader::ReadSkinAttachments(Skin& skin, const Json& slots, const std::string& pointer) {
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

}  // namespace reader

std::unique_ptr<SkeletonData> ParseSkeletonData(std::string_view json, const Atlas& atlas, const std::string& source) {
    rapidjson::Document document;
    document.Parse(json.data(), json.size());
    if (document.HasParseError()) {
        Trace("Skeleton " + source + ": " + rapidjson::GetParseError_En(document.GetParseError()) + " (at offset " +
              std::to_string(document.GetErrorOffset()) + ")\n");
        return nullptr;
    }
    try {
        reader::Reader reader(atlas, source);
        return reader.Read(document);
    } catch (const reader::ReadError& error) {
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
