// Entry point: read the command line, fill the catalogue, build the engine, run it, shut it down.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "app/code_paths.hpp"
#include "app/game.hpp"
#include "app/launch_options.hpp"
#include "engine/stop_signal.hpp"
#include "engine/trace.hpp"
#include "levels/level_manager.hpp"
#include "platform/clock.hpp"
#include "platform/console.hpp"
#include "platform/memory.hpp"
#include "platform/window.hpp"
#include "tools/content_check.hpp"
#include "tools/frame_report.hpp"
#include "tools/replay.hpp"
#include "tools/soak_report.hpp"

int main(int argc, char** argv) {
    velkor::platform::KeepLargeBlocksForReuse();
    // First, so that every line below (usage, errors, traces) reaches the console it was started from.
    const std::string console = velkor::platform::UseParentConsole();
    if (std::getenv("VELKOR_TRACE")) {
        velkor::SetTraceSink([](std::string_view message) { std::cerr << message; });
    }
    if (!console.empty()) velkor::Trace(console);
    const std::string program(velkor::app::ProgramName(argc > 0 && argv[0] ? argv[0] : ""));
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
    if (launch.options.checkContent) return velkor::content::CheckContent(velkor::GameCodeNames(), std::cout) == 0 ? 0 : 1;

    // Record, replay, the fixed step and shots. A recording is read whole and checked before any
    // window opens; a bad one ends the run here.
    std::unique_ptr<velkor::replay::Session> session;
    if (const velkor::replay::SessionOptions wanted = launch.options.Session(); wanted.Wanted()) {
        std::string error;
        session = velkor::replay::Session::Open(wanted, error);
        if (!session) {
            std::cerr << program << ": " << error << '\n';
            return velkor::replay::BadRecordingStatus;
        }
    }

    // On the heap: the registry's fixed arrays are too large to sit comfortably on the stack.
    // Ctrl+C or SIGTERM end the run like closing the window: a recording is finished, not cut off.
    velkor::InstallStopSignalHandlers();
    auto engine = velkor::MakeGameEngine();
    // The window is the entry function's: open before any system starts, closed after the last
    // one has shut down, so every system finds it present for its whole life.
    velkor::util::GetOrCreateWindow(engine->GetRegistry().singletons);
    engine->Init();
    // A developer's start: the first frame switches straight to the chosen level, past the logos.
    const int startLevel = session ? session->StartLevel() : launch.options.startLevel;
    if (startLevel != velkor::app::LaunchOptions::NoLevel)
        velkor::levels::RequestLevel(engine->GetRegistry(), startLevel);
    // The developer reports sit between the loop and the session: the soak report next to the
    // session, the frame report outside both, so that it times the soak report's work too.
    velkor::iFrameDriver* driver = session.get();
    std::unique_ptr<velkor::soak::Report> soak;
    if (!launch.options.soakReportPath.empty()) {
        soak = std::make_unique<velkor::soak::Report>(driver);
        driver = soak.get();
    }
    std::unique_ptr<velkor::frames::Report> report;
    if (!launch.options.frameReportPath.empty()) {
        report = std::make_unique<velkor::frames::Report>(driver, velkor::platform::PeakResidentBytes);
        driver = report.get();
    }
    engine->Loop(driver);
    int status = 0;
    if (report) {
        std::string error;
        if (!velkor::frames::WriteReport(launch.options.frameReportPath,
                                         report->Text(velkor::platform::PeakResidentBytes()), error)) {
            std::cerr << program << ": " << error << '\n';
            status = 1;
        }
    }
    if (soak) {
        // Before the shutdown, while the texture cache and the sound table can still be asked.
        std::ofstream file(launch.options.soakReportPath);
        file << soak->Text();
        if (!file) {
            std::cerr << program << ": cannot write the soak report to '" << launch.options.soakReportPath << "'\n";
            status = 1;
        }
    }
    engine->Shutdown();
    velkor::util::DestroyWindow(engine->GetRegistry().singletons);
    if (session) status = std::max(status, session->Finish());
    engine.reset();
    return status;
}
