// The game's two compositions: its 22 systems in their fixed order and its 17 component types in
// catalogue order. The engine and the catalogue below know no game code; this is where the game
// is put together, for the entry function and for the tests that want the game's own lists.
#pragma once

#include <memory>

#include "engine/engine.hpp"

namespace velkor {

// Fills the component catalogue with the game's 17 types. Asking for every type in table order
// is what fixes the component type indices 0..16, so this runs before anything else touches a
// component type. Later calls change nothing.
void FillComponentCatalogue();

// The game's systems, in the order of every init, update and shutdown pass.
[[nodiscard]] Engine::SystemList MakeGameSystems();

// The game's steps around the systems' passes: after init a fresh checkpoint, marked present;
// first at shutdown, channel 0 stopped and the test sound given back.
[[nodiscard]] Engine::Steps GameEngineSteps();

// An engine with the game's steps around the given systems (the game's own by default).
[[nodiscard]] std::unique_ptr<Engine> MakeGameEngine(Engine::SystemList systems);
[[nodiscard]] std::unique_ptr<Engine> MakeGameEngine();

}  // namespace velkor
