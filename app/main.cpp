// Entry point: fill the catalogue, build the engine, run it, shut it down.
#include <cstdlib>
#include <iostream>
#include <memory>

#include "engine/engine.hpp"
#include "engine/trace.hpp"
#include "serialization/catalogue.hpp"

int main(int, char**) {
    velkor::FillComponentCatalogue();
    if (std::getenv("VELKOR_TRACE")) {
        velkor::SetTraceSink([](std::string_view message) { std::cerr << message; });
    }
    // On the heap: the registry's fixed arrays are too large to sit comfortably on the stack.
    auto engine = std::make_unique<velkor::Engine>();
    engine->Init();
    engine->Loop();
    engine->Shutdown();
    engine.reset();
    return 0;
}
