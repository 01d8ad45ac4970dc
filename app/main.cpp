// Entry point: read the command line, fill the catalogue, build the engine, run it, shut it down.
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/game.hpp"
#include "app/launch_options.hpp"
#include "engine/trace.hpp"
#include "levels/level_manager.hpp"

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "velkor";
    const velkor::app::LaunchParse launch = velkor::app::ParseLaunchOptions(argc, argv);
    if (!launch.ok()) {
        std::cerr << program << ": " << launch.error << '\n' << velkor::app::UsageLine(program) << '\n';
        return velkor::app::BadUsageStatus;
    }
    if (launch.options.help) {
        std::cout << velkor::app::UsageLine(program) << '\n';
        return 0;
    }

    velkor::FillComponentCatalogue();
    if (std::getenv("VELKOR_TRACE")) {
        velkor::SetTraceSink([](std::string_view message) { std::cerr << message; });
    }
    // On the heap: the registry's fixed arrays are too large to sit comfortably on the stack.
    auto engine = velkor::MakeGameEngine();
    engine->Init();
    // A developer's start: the first frame switches straight to the chosen level, past the logos.
    if (launch.options.startLevel != velkor::app::LaunchOptions::NoLevel)
        velkor::levels::RequestLevel(engine->GetRegistry(), launch.options.startLevel);
    engine->Loop();
    engine->Shutdown();
    engine.reset();
    return 0;
}
