#include "engine/engine.hpp"

#include <chrono>
#include <exception>
#include <iostream>

#include "engine/stop_signal.hpp"
#include "engine/trace.hpp"

namespace velkor {

namespace {

// The frame time's clock. The engine sits below the platform layer, so it takes the standard
// monotonic clock (CLOCK_MONOTONIC here, the performance counter on Windows) rather than
// platform/clock.hpp, which reads the same counters for the developer reports.
std::int64_t MonotonicNanoseconds() noexcept {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

Engine::Engine(SystemList systems, Steps steps) : systems_(std::move(systems)), steps_(std::move(steps)) {}

Engine::~Engine() {
    // Systems go first, first to last, while the registry they may point into still exists.
    for (auto& s : systems_) s.reset();
    systems_.clear();
}

void Engine::Init() {
    Trace("Engine init begin.\n");
    for (auto& s : systems_) s->Init(registry_);
    Trace("Engine init end.\n");
    auto& singletons = registry_.singletons;
    singletons.get<singleton::Running>().Value = true;
    singletons.mark_present<singleton::Running>();
    if (steps_.afterInit) steps_.afterInit(registry_);
}

void Engine::Frame(float dt) {
    for (auto& s : systems_) s->Update(dt, registry_);
}

void Engine::Loop(iFrameDriver* driver) {
    // Slots never move, so the flag's address is stable for the whole run.
    const bool& running = registry_.singletons.get<singleton::Running>().Value;
    std::int64_t previous = MonotonicNanoseconds();
    try {
        while (running && !StopSignalled()) {
            const std::int64_t now = MonotonicNanoseconds();
            float dt = static_cast<float>(now - previous) / 1'000'000'000.0f;
            if (MaxFrameTime < dt) dt = MaxFrameTime;
            if (driver) dt = driver->BeginFrame(dt, registry_);
            Frame(dt);
            if (driver) driver->EndFrame(registry_);
            previous = now;
        }
    } catch (const std::exception& error) {
        std::cerr << "Exception caught: " << error.what() << std::endl;
    } catch (...) {
        std::cerr << "Unknown Exception\n";
    }
}

void Engine::Shutdown() {
    if (steps_.beforeShutdown) steps_.beforeShutdown();
    Trace("Engine shutdown begin.\n");
    // Cleared first, so removal listeners run while every system still exists.
    registry_.clear();
    for (auto& s : systems_) s->Shutdown(registry_);
    Trace("Engine shutdown end.\n");
}

}  // namespace velkor
