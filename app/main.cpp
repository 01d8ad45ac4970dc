// Entry point: fill the catalogue, build the engine, run it, shut it down.
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/game.hpp"
#include "engine/trace.hpp"

int main(int, char**) {
    velkor::FillComponentCatalogue();
    if (std::getenv("VELKOR_TRACE")) {
        velkor::SetTraceSink([](std::string_view message) { std::cerr << message; });
    }
    // On the heap: the registry's fixed arrays are too large to sit comfortably on the stack.
    auto engine = velkor::MakeGameEngine();
    engine->Init();
    engine->Loop();
    engine->Shutdown();
    engine.reset();
    return 0;
}
