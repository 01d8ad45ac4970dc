#include "gameplay/keyboard_input.hpp"

#include <algorithm>
#include <string>

#include "engine/trace.hpp"
#include "serialization/content_rules.hpp"

namespace velkor::component {

namespace {

// An entry outside the table would make the update read memory that is not ours.
bool IsKeyIndex(const rapidjson::Value& value) {
    return value.IsInt() && value.GetInt() >= 0 && value.GetInt() < input::TableSize;
}

// This order produces the grouping the update depends on.
constexpr struct {
    const char* key;
    KeyboardInput::Action action;
} Actions[] = {{"Left", KeyboardInput::Left},
               {"Right", KeyboardInput::Right},
               {"Jump", KeyboardInput::Jump},
               {"Dash", KeyboardInput::Dash}};

void AppendBinding(KeyboardInput& keyboard, const rapidjson::Value& value, KeyboardInput::Action action,
                   const char* key) {
    if (!IsKeyIndex(value)) {
        const std::string shown = value.IsNumber() ? std::to_string(value.GetDouble()) : std::string("non-integer");
        Trace(std::string("KeyboardInput binding for ") + key + " ignored: " + shown + " is not a key index (0 to " +
              std::to_string(input::TableSize - 1) + ")\n");
        return;
    }
    keyboard.Keys.push_back(value.GetInt());
    keyboard.Actions.push_back(action);
}

}  // namespace

void ReadKeyboardInput(KeyboardInput& keyboard, const rapidjson::Value& json) {
    keyboard.Keys.clear();
    keyboard.Actions.clear();
    if (!json.IsObject()) return;
    for (const auto& [key, action] : Actions) {
        auto it = json.FindMember(key);
        if (it == json.MemberEnd()) continue;
        if (it->value.IsArray()) {
            for (const auto& element : it->value.GetArray()) AppendBinding(keyboard, element, action, key);
        } else {
            AppendBinding(keyboard, it->value, action, key);
        }
    }
}

void CheckKeyboardInput(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value&, const std::string& pointer) {
    for (const auto& [key, action] : Actions) {
        const auto it = json.IsObject() ? json.FindMember(key) : json.MemberEnd();
        if (!json.IsObject() || it == json.MemberEnd()) continue;
        const std::string at = JoinPointer(pointer, key);
        auto check = [&](const rapidjson::Value& binding, const std::string& where) {
            if (!IsKeyIndex(binding))
                report.Fault(where, "a key binding must be an integer from 0 to " + std::to_string(input::TableSize - 1));
        };
        if (it->value.IsArray()) {
            for (rapidjson::SizeType k = 0; k < it->value.Size(); ++k) check(it->value[k], JoinPointer(at, k));
        } else {
            check(it->value, at);
        }
    }
}

void ApplyBindings(const KeyboardInput& keyboard, const singleton::Input& table, Input& intent) {
    bool down[4] = {false, false, false, false};
    const std::size_t count = std::min(keyboard.Keys.size(), keyboard.Actions.size());
    std::size_t i = 0;
    // Four consecutive runs; a binding that belongs to an earlier run than the current one ends
    // the walk (the reader never stores one).
    for (std::int32_t run = KeyboardInput::Left; run <= KeyboardInput::Dash; ++run) {
        while (i < count && keyboard.Actions[i] == run) {
            down[run] = down[run] || table.IsDown(keyboard.Keys[i]);
            ++i;
        }
        if (i < count && keyboard.Actions[i] < run) break;
    }
    const bool left = down[KeyboardInput::Left];
    const bool right = down[KeyboardInput::Right];
    intent.Jump = down[KeyboardInput::Jump];
    intent.Dash = down[KeyboardInput::Dash];
    if (left || right) {
        intent.Moving = true;
        intent.Direction = {0.0f, 0.0f};
        if (left) intent.Direction.x = -1.0f;
        if (right) intent.Direction.x += 1.0f;
    } else {
        intent.Moving = false;  // Direction keeps the last direction asked for
    }
}

}  // namespace velkor::component

namespace velkor::system {

void KeyboardInput::InitHook(Registry& registry) {
    input::EnsureInput(registry);
    hookRegistry_ = &registry;
    hookPosition_ = registry.pool<component::KeyboardInput>().connect_on_add(
        [&registry](Entity e, component::KeyboardInput&) {
            if (!registry.has<component::Input>(e)) registry.add<component::Input>(e);
        });
}

void KeyboardInput::UpdateHook(float, View& view) {
    Registry& registry = view.get_registry();
    const auto& table = registry.singletons.get<singleton::Input>();
    view.each([&table](Entity, const component::KeyboardInput& keyboard, component::Input& intent) {
        component::ApplyBindings(keyboard, table, intent);
    });
}

void KeyboardInput::ShutdownHook(Registry& registry) {
    if (registry.singletons.has<singleton::Input>()) registry.singletons.remove<singleton::Input>();
    if (hookRegistry_ == &registry && hookPosition_ >= 0)
        registry.pool<component::KeyboardInput>().disconnect_on_add(hookPosition_);
    hookRegistry_ = nullptr;
    hookPosition_ = -1;
}

}  // namespace velkor::system
