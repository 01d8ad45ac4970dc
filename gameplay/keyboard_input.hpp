// KeyboardInput: each entity's key bindings become its movement intent (component::Input).
//
// Bindings name entries of the Input singleton's table by index (a GLFW key code, or 349 plus a
// mouse button number), so a component stays valid whichever registry or table it is used with.
// The update reads the bindings in four runs (Left, Right, Jump, Dash) and depends on them being
// stored grouped in that order, which the reader guarantees.
#pragma once

#include <cstdint>
#include <vector>

#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "gameplay/input.hpp"

namespace velkor {
class ContentReport;
}

namespace velkor::component {

struct KeyboardInput {
    enum Action : std::int32_t { Left = 0, Right = 1, Jump = 2, Dash = 3 };

    // Parallel sequences, grouped by action in ascending order: Keys[i] is the table entry that
    // binding i watches, Actions[i] what it asks for.
    std::vector<std::int32_t> Keys;
    std::vector<std::int32_t> Actions;
};

// Reads "Left", "Right", "Jump" and "Dash" in that order, each an integer or an array of integers,
// replacing any bindings the component had. An integer outside 0..375 (or a value that is not an
// integer) is reported through the trace and skipped.
void ReadKeyboardInput(KeyboardInput& keyboard, const rapidjson::Value& json);

// The reader's rules for the content checker: every binding an index into the key table.
void CheckKeyboardInput(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab, const std::string& pointer);

// The intent the bindings express against this frame's table (Direction is remembered from the
// previous intent when neither Left nor Right is down).
void ApplyBindings(const KeyboardInput& keyboard, const singleton::Input& table, Input& intent);

}  // namespace velkor::component

namespace velkor::system {

class KeyboardInput final : public System<std::tuple<component::KeyboardInput, component::Input>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    // Where the on-add hook was registered, so shutdown removes exactly that one.
    Registry* hookRegistry_ = nullptr;
    int hookPosition_ = -1;
};

}  // namespace velkor::system
