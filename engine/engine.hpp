// The engine: the registry and the ordered list of systems, the frame loop and the shutdown.
//
// Systems never call each other; the order of the list is the only coupling between them.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "engine/registry.hpp"
#include "engine/system.hpp"

namespace velkor::singleton {

// True while the game keeps running; tested only between frames.
struct Running {
    bool Value = false;
};

}  // namespace velkor::singleton

namespace velkor {

// The largest time step a frame may simulate (single-precision 1/30 s): after a stall the game
// runs slower than real time instead of taking one large, unstable step.
inline constexpr float MaxFrameTime = 0.033333335f;

// What the loop takes each frame besides the systems: the frame time to simulate, and a look at
// the world once every system has run. A normal run needs none; the recorder, the replay and the
// fixed step provide one (tools/replay.hpp).
class iFrameDriver {
public:
    virtual ~iFrameDriver() = default;
    // The dt every system of this frame receives, given the measured and capped one.
    virtual float BeginFrame(float measuredDt, Registry& registry) = 0;
    // After the frame's last system. Not called for a frame that an exception ended.
    virtual void EndFrame(Registry& registry) = 0;
};

class Engine {
public:
    using SystemList = std::vector<std::unique_ptr<system::iSystem>>;
    // The game's own steps around the systems' passes, supplied by whoever composes the engine
    // (app/ for the game). Either may be empty.
    struct Steps {
        // Last step of Init, after Running is set: the game's per-run singletons.
        std::function<void(Registry&)> afterInit;
        // First step of Shutdown, before the registry is cleared: the game gives back what it
        // holds outside the registry.
        std::function<void()> beforeShutdown;
    };

    // The game composes its list in app/ (MakeGameSystems); tools and tests compose their own.
    explicit Engine(SystemList systems, Steps steps = {});
    ~Engine();

    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void Init();
    // Runs frames until Running is false at the top of a frame, a stop signal has arrived
    // (engine/stop_signal.hpp), or a system's update throws
    // (reported on standard error; the loop then ends and shutdown runs normally).
    void Loop(iFrameDriver* driver = nullptr);
    void Shutdown();

    // One frame: every system's update, in order, with the same dt.
    void Frame(float dt);

    [[nodiscard]] Registry& GetRegistry() noexcept { return registry_; }
    [[nodiscard]] const SystemList& Systems() const noexcept { return systems_; }

private:
    Registry registry_;
    SystemList systems_;
    Steps steps_;
};

}  // namespace velkor
