// Record, replay, the fixed time step and frame shots: the developer's ways of running the game.
//
// A Session drives the engine loop (engine/engine.hpp, iFrameDriver) and, when recording or
// replaying, stands in as the input source (platform/input_source.hpp):
//  - recording: the game runs as usual; every frame's time, every event of the frame's queue
//    (platform/events.hpp: the kinds the game listens to) and every answer to a direct poll are
//    written to the file, with the state at the end of the frame (tools/recording.hpp);
//  - replay: the real window's events are drained but reach nobody; the recorded ones take their
//    place in the queue and reach the game's listeners instead, the recorded answers to its polls, the recorded frame times to its
//    systems. At the end of every frame the state is compared with the recorded one; the first
//    difference ends the run with status 3. The end of the file ends it with status 0, or with
//    status 4 after one line naming the last frame when the file was cut off (its run killed
//    or crashed before finishing it). With
//    `inputsOnly` nothing is compared and the polls are answered from the window as the recorded
//    events leave it, so a recording (or a scripted one, tools/input_script.hpp) keeps driving a
//    game whose logic has changed since; with a record path as well, the replayed run is written
//    as a new recording;
//  - the fixed step: every frame simulates exactly 1/60 s;
//  - pacing: the fixed step and a replay keep to real time (never rushing after a slow frame, the
//    game runs slower instead) unless `fast` asks for frames as fast as the machine can make them;
//  - shots: the image of frame N (frames count from 0) is saved as PNG.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.hpp"

namespace velkor::replay {

// Exit statuses of the game binary for what went wrong in a session.
inline constexpr int BadRecordingStatus = 2;  // a recording that cannot be read or written
inline constexpr int MismatchStatus = 3;  // a replay that did not reproduce the recorded run
inline constexpr int InterruptedStatus = 1;  // a replay whose window was closed (or that was signalled to stop) before the end
inline constexpr int CutRecordingStatus = 4;  // a replay of a file whose end is missing, played as far as it goes

inline constexpr float FixedStep = 1.0f / 60.0f;

struct Shot {
    std::uint64_t frame = 0;
    std::string path;
};

struct SessionOptions {
    std::string recordPath;  // write a recording here
    std::string replayPath;  // replay this recording
    std::string scriptPath;  // replay this input script (tools/input_script.hpp), inputs only
    bool fast = false;  // no pacing, no waiting for the display
    bool fixedStep = false;  // 1/60 s per frame (a replay uses the recorded steps instead)
    bool inputsOnly = false;  // replay without comparing the state
    std::vector<Shot> shots;
    int startLevel = -1;  // the --level choice, -1 for the normal start; a replay takes the recording's

    // True when any option needs a session; without one the game runs exactly as usual.
    [[nodiscard]] bool Wanted() const noexcept {
        return !recordPath.empty() || !replayPath.empty() || !scriptPath.empty() || fast || fixedStep ||
               !shots.empty();
    }
};

class Session : public iFrameDriver {
public:
    // Reads the recording to replay (completely, before anything runs) or creates the file to
    // record into. On failure: nullptr, and `error` holds one line naming the file and the fault.
    [[nodiscard]] static std::unique_ptr<Session> Open(const SessionOptions& options, std::string& error);

    ~Session() override;

    // The level to start in, or -1 for the normal start.
    [[nodiscard]] virtual int StartLevel() const = 0;

    // After the loop and the engine's shutdown: finishes the recording, or checks that the replay
    // reached the end of its file. Prints what went wrong on standard error; returns the exit status.
    [[nodiscard]] virtual int Finish() = 0;

    // Frames begun so far.
    [[nodiscard]] std::uint64_t FramesBegun() const noexcept { return frame_ + (inFrame_ ? 1 : 0); }

protected:
    explicit Session(const SessionOptions& options);

    // Shared frame steps: shots of this frame, the --fast swap interval, and pacing to real time
    // so that the simulated time `simulated` does not run ahead of the wall clock.
    void BeginCommon(Registry& registry);
    void Pace(double simulated);

    SessionOptions options_;
    std::uint64_t frame_ = 0;  // the current (or next) frame's number
    bool inFrame_ = false;  // between BeginFrame and EndFrame
    double simulated_ = 0.0;  // seconds of frame time handed out before this frame

private:
    double paceOrigin_ = -1.0;  // wall-clock second at which simulated time 0 was due
    bool swapIntervalSet_ = false;
};

}  // namespace velkor::replay
