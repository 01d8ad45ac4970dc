// The skeleton reader's animations: bone, slot, constraint, deform, draw-order and event
// timelines and their curves.
#include <algorithm>
#include <utility>

#include "spine/skeleton_json_reader.hpp"

namespace velkor::spine::reader {

Curve Reader::ReadCurve(const Json& key) {
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

void Reader::ReadAnimation(const std::string& name, const Json& json) {
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

void Reader::ReadConstraintTimelines(const std::string& name, const Json& json, const std::string& at) {
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

void Reader::ReadDeform(const std::string& name, const Json& json, const std::string& at) {
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

std::unique_ptr<DrawOrderTimeline> Reader::ReadDrawOrder(const std::string& name, const Json& keys) {
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

}  // namespace velkor::spine::reader
