#include "tools/replay.hpp"

#include <chrono>
#include <iostream>
#include <thread>

#include "engine/stop_signal.hpp"
#include "gameplay/input.hpp"
#include "graphics/screen_capture.hpp"
#include "platform/events.hpp"
#include "platform/input_source.hpp"
#include "platform/keys.hpp"
#include "platform/window.hpp"
#include "tools/input_script.hpp"
#include "tools/recording.hpp"
#include "tools/state_hash.hpp"

namespace velkor::replay {

namespace {

double WallSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// A recording stores the platform layer's events as they are: same kinds, same numbers, same fields.
static_assert(static_cast<int>(ItemKind::Key) == static_cast<int>(platform::EventKind::Key) &&
              static_cast<int>(ItemKind::Close) == static_cast<int>(platform::EventKind::Close) &&
              static_cast<int>(ItemKind::GamepadAxis) == static_cast<int>(platform::EventKind::GamepadAxis) &&
              static_cast<int>(ItemKind::GamepadAxis) == platform::LastEventKind);

Item ToItem(const platform::Event& e) {
    return {static_cast<ItemKind>(e.kind), {e.i[0], e.i[1], e.i[2], e.i[3]}, {e.v[0], e.v[1]}};
}

platform::Event ToEvent(const Item& item) {
    return {static_cast<platform::EventKind>(item.kind), {item.i[0], item.i[1], item.i[2], item.i[3]},
            {item.v[0], item.v[1]}};
}

const char* KindName(ItemKind kind) {
    switch (kind) {
    case ItemKind::KeyDownQuery: return "key poll";
    case ItemKind::CursorQuery: return "cursor position poll";
    case ItemKind::WindowSizeQuery: return "window size poll";
    case ItemKind::CloseQuery: return "close-request poll";
    default: return "event";
    }
}

std::string DescribeQuery(const Item& q) {
    std::string text = KindName(q.kind);
    if (q.kind == ItemKind::KeyDownQuery) text += " of key " + std::to_string(q.i[0]);
    return text;
}

// Ends a recording being written. A frame that an exception interrupted is kept, marked
// unfinished, so that a replay can show the run ends the same way. Returns the exit status.
int CloseRecording(Writer& writer, Frame& current, bool interrupted, const std::string& path) {
    if (interrupted) {
        current.completed = false;
        writer.Write(current);
    }
    std::string error;
    if (writer.Finish(error)) return 0;
    std::cerr << "velkor: cannot record to '" << path << "': " << error << '\n';
    return BadRecordingStatus;
}

// ---------------------------------------------------------------------------------------------
// Plain sessions: the fixed step, --fast and shots without a recording.

class LiveSession final : public Session {
public:
    explicit LiveSession(const SessionOptions& options) : Session(options) {}

    int StartLevel() const override { return options_.startLevel; }

    float BeginFrame(float measuredDt, Registry& registry) override {
        const float dt = options_.fixedStep ? FixedStep : measuredDt;
        if (options_.fixedStep) Pace(simulated_);
        BeginCommon(registry);
        simulated_ += dt;
        return dt;
    }
    void EndFrame(Registry&) override {
        inFrame_ = false;
        ++frame_;
    }
    int Finish() override { return 0; }
};

// ---------------------------------------------------------------------------------------------
// Recording.

class RecordSession final : public Session, public input::Source {
public:
    explicit RecordSession(const SessionOptions& options) : Session(options) {}
    ~RecordSession() override {
        if (&input::CurrentSource() == this) input::SetSource(nullptr);
    }

    bool Start(std::string& error) {
        Recording header;
        header.fixedStep = options_.fixedStep;
        header.seed = live_.RandomSeed();
        header.startLevel = options_.startLevel;
        seed_ = header.seed;
        if (!writer_.Open(options_.recordPath, header, error)) return false;
        input::SetSource(this);
        return true;
    }

    int StartLevel() const override { return options_.startLevel; }

    float BeginFrame(float measuredDt, Registry& registry) override {
        const float dt = options_.fixedStep ? FixedStep : measuredDt;
        if (options_.fixedStep) Pace(simulated_);
        BeginCommon(registry);
        simulated_ += dt;
        current_.dt = dt;
        return dt;
    }

    void EndFrame(Registry& registry) override {
        current_.state = SummariseState(registry);
        writer_.Write(current_);
        current_ = Frame{};
        inFrame_ = false;
        ++frame_;
    }

    int Finish() override {
        input::SetSource(nullptr);
        return CloseRecording(writer_, current_, inFrame_, options_.recordPath);
    }

    // input::Source: the live window, with everything the game reads written down.
    // The queue holds only kinds somebody hears, so the log holds what the game heard.
    void PollEvents(GLFWwindow* window) override {
        live_.PollEvents(window);
        for (const platform::Event& event : platform::QueuedEvents()) Log(ToItem(event));
    }
    bool KeyDown(GLFWwindow* window, int key) override {
        const bool down = live_.KeyDown(window, key);
        Log({ItemKind::KeyDownQuery, {key, down ? 1 : 0, 0, 0}, {}});
        return down;
    }
    glm::dvec2 CursorPosition(GLFWwindow* window) override {
        const glm::dvec2 p = live_.CursorPosition(window);
        Log({ItemKind::CursorQuery, {}, {p.x, p.y}});
        return p;
    }
    glm::ivec2 WindowSize(GLFWwindow* window) override {
        const glm::ivec2 size = live_.WindowSize(window);
        Log({ItemKind::WindowSizeQuery, {size.x, size.y, 0, 0}, {}});
        return size;
    }
    bool CloseRequested(GLFWwindow* window) override {
        const bool close = live_.CloseRequested(window);
        Log({ItemKind::CloseQuery, {close ? 1 : 0, 0, 0, 0}, {}});
        return close;
    }
    unsigned RandomSeed() override { return seed_; }

private:
    void Log(const Item& item) { current_.items.push_back(item); }

    input::LiveSource live_;
    Writer writer_;
    Frame current_;  // the frame being recorded; Init-time polls land in frame 0
    unsigned seed_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Replay.

class ReplaySession final : public Session, public input::Source {
public:
    ReplaySession(const SessionOptions& options, Recording recording)
        : Session(options), recording_(std::move(recording)), verify_(!options.inputsOnly) {
        input::SetSource(this);
    }
    ~ReplaySession() override {
        if (&input::CurrentSource() == this) input::SetSource(nullptr);
    }

    // Also writes the replayed run as a new recording (its own polls and states).
    bool StartRecording(std::string& error) {
        Recording header = recording_;
        header.frames.clear();
        return writer_.Open(options_.recordPath, header, error);
    }

    int StartLevel() const override { return recording_.startLevel; }

    float BeginFrame(float, Registry& registry) override {
        const Frame& frame = recording_.frames[frame_];
        if (!options_.fast) Pace(simulated_);
        BeginCommon(registry);
        simulated_ += frame.dt;
        out_.dt = frame.dt;
        return frame.dt;
    }

    void EndFrame(Registry& registry) override {
        inFrame_ = false;
        const Frame& frame = recording_.frames[frame_];
        const StateSummary now = SummariseState(registry);
        if (writer_.IsOpen()) {
            out_.state = now;
            writer_.Write(out_);
        }
        out_ = Frame{};
        if (windowClosed_) {
            std::cerr << "velkor: replay stopped at frame " << frame_ << ": the window was closed\n";
            return Stop(registry, InterruptedStatus);
        }
        if (verify_) {
            std::string difference = divergence_;
            const std::size_t queries = CountQueries(frame);
            if (difference.empty() && nextQuery_ < queries)
                difference = "the game made " + std::to_string(nextQuery_) + " direct polls, the recording has " +
                             std::to_string(queries);
            if (difference.empty() && !frame.completed)
                difference = "the frame completed, but the recorded run ended in it with an exception";
            if (difference.empty() && (now.hash != frame.state.hash || !(now == frame.state)))
                difference = DescribeDifference(frame.state, now);
            if (!difference.empty()) return Diverged(registry, difference);
        }
        ++frame_;
        nextEvent_ = 0;
        nextQuery_ = 0;
        if (frame_ == recording_.frames.size()) {  // the file has ended
            if (!recording_.cut) return Stop(registry, 0);
            std::cerr << "velkor: replay ended after frame " << frame_ - 1
                      << ": the recording was cut off there (its run never finished the file)\n";
            Stop(registry, CutRecordingStatus);
        }
    }

    int Finish() override {
        input::SetSource(nullptr);
        int status = status_;
        if (status < 0) {
            // The loop ended before the file did: by an exception inside this frame, or the game quit.
            const bool sameEnd =
                inFrame_ && frame_ + 1 == recording_.frames.size() && !recording_.frames[frame_].completed;
            if (StopSignalled()) {
                std::cerr << "velkor: replay stopped after " << frame_ << " frames: interrupted by a signal\n";
                status = InterruptedStatus;
            } else if (sameEnd || !verify_) {
                status = 0;
            } else {
                const std::string how = inFrame_     ? "an exception ended the run in frame " + std::to_string(frame_)
                                        : frame_ == 0 ? std::string("the game stopped before its first frame")
                                                      : "the game stopped after frame " + std::to_string(frame_ - 1);
                std::cerr << "velkor: replay diverged: " << how << ", the recording has " << recording_.frames.size()
                          << " frames\n";
                status = MismatchStatus;
            }
        }
        if (writer_.IsOpen()) {
            const int written = CloseRecording(writer_, out_, inFrame_, options_.recordPath);
            if (status == 0) status = written;
        }
        return status;
    }

    // input::Source: the recording.
    void PollEvents(GLFWwindow* window) override {
        // The real window is still serviced, but none of its events reach the game; a close
        // request (the developer closing the window) stops the replay.
        if (window) {
            platform::PollWindowEvents();
            platform::DiscardEvents();
            if (input::LiveSource{}.CloseRequested(window)) windowClosed_ = true;
            util::ClearCloseRequest(window);
        }
        const Frame& frame = recording_.frames[frame_];
        for (; nextEvent_ < frame.items.size(); ++nextEvent_) {
            const Item& item = frame.items[nextEvent_];
            if (!verify_) Fold(item);
            if (item.IsQuery()) continue;
            if (writer_.IsOpen()) out_.items.push_back(item);
            // Dispatched after this poll, as the live events would be; without a window only the
            // gamepad's have somewhere to come from.
            const platform::Event event = ToEvent(item);
            if (window || platform::IsGamepadEvent(event.kind)) platform::QueueEvent(event);
        }
    }
    bool KeyDown(GLFWwindow*, int key) override {
        bool down = false;
        if (!verify_) {
            down = key >= 0 && key < input::KeyCount && keys_[static_cast<std::size_t>(key)] != 0;
        } else if (const Item* answer = NextQuery({ItemKind::KeyDownQuery, {key, 0, 0, 0}, {}})) {
            down = answer->i[1] != 0;
        }
        return Logged({ItemKind::KeyDownQuery, {key, down ? 1 : 0, 0, 0}, {}}).i[1] != 0;
    }
    glm::dvec2 CursorPosition(GLFWwindow*) override {
        glm::dvec2 p = cursor_;
        if (verify_) {
            const Item* answer = NextQuery({ItemKind::CursorQuery, {}, {}});
            p = answer ? glm::dvec2{answer->v[0], answer->v[1]} : glm::dvec2{0.0, 0.0};
        }
        Logged({ItemKind::CursorQuery, {}, {p.x, p.y}});
        return p;
    }
    glm::ivec2 WindowSize(GLFWwindow* window) override {
        glm::ivec2 size = size_.x > 0 ? size_ : input::LiveSource{}.WindowSize(window);
        if (verify_) {
            const Item* answer = NextQuery({ItemKind::WindowSizeQuery, {}, {}});
            size = answer ? glm::ivec2{answer->i[0], answer->i[1]} : glm::ivec2{1920, 1080};
        }
        Logged({ItemKind::WindowSizeQuery, {size.x, size.y, 0, 0}, {}});
        return size;
    }
    bool CloseRequested(GLFWwindow*) override {
        bool close = close_;
        if (verify_) {
            const Item* answer = NextQuery({ItemKind::CloseQuery, {}, {}});
            close = answer && answer->i[0] != 0;
        }
        return Logged({ItemKind::CloseQuery, {close ? 1 : 0, 0, 0, 0}, {}}).i[0] != 0;
    }
    unsigned RandomSeed() override { return recording_.seed; }

private:
    static std::size_t CountQueries(const Frame& frame) {
        std::size_t n = 0;
        for (const Item& item : frame.items) n += item.IsQuery() ? 1 : 0;
        return n;
    }

    // With --inputs-only the polls are answered from the window as the recording leaves it:
    // keys as its key events (and its own poll answers) set them, the last pointer position, the
    // last window size, a close request once one was recorded.
    void Fold(const Item& item) {
        switch (item.kind) {
        case ItemKind::Key:
            if (item.i[0] >= 0 && item.i[0] < input::KeyCount && (item.i[2] == platform::Press || item.i[2] == platform::Release))
                keys_[static_cast<std::size_t>(item.i[0])] = item.i[2] == platform::Press;
            break;
        case ItemKind::KeyDownQuery:
            if (item.i[0] >= 0 && item.i[0] < input::KeyCount) keys_[static_cast<std::size_t>(item.i[0])] = item.i[1];
            break;
        case ItemKind::CursorPosition:
        case ItemKind::CursorQuery: cursor_ = {item.v[0], item.v[1]}; break;
        case ItemKind::WindowSize:
        case ItemKind::WindowSizeQuery: size_ = {item.i[0], item.i[1]}; break;
        case ItemKind::Close: close_ = true; break;
        case ItemKind::CloseQuery: close_ = close_ || item.i[0] != 0; break;
        default: break;
        }
    }

    const Item& Logged(const Item& answer) {
        if (writer_.IsOpen()) out_.items.push_back(answer);
        return answer;
    }

    // The recorded answer to the game's next poll, if the recording asked the same question at
    // this point; otherwise the run has diverged (noted for the end of the frame) and nullptr.
    const Item* NextQuery(const Item& asked) {
        if (frame_ >= recording_.frames.size()) return nullptr;  // polls after the last frame (shutdown)
        const Frame& frame = recording_.frames[frame_];
        std::size_t seen = 0;
        for (const Item& item : frame.items) {
            if (!item.IsQuery()) continue;
            if (seen++ < nextQuery_) continue;
            ++nextQuery_;
            if (item.kind == asked.kind && (item.kind != ItemKind::KeyDownQuery || item.i[0] == asked.i[0]))
                return &item;
            Note("the game made a " + DescribeQuery(asked) + " where the recording has a " + DescribeQuery(item));
            return nullptr;
        }
        Note("the game made a " + DescribeQuery(asked) + " beyond the recording's " + std::to_string(seen) +
             " polls of this frame");
        return nullptr;
    }

    void Note(const std::string& what) {
        if (divergence_.empty()) divergence_ = what;
    }

    void Diverged(Registry& registry, const std::string& what) {
        std::cerr << "velkor: replay diverged at frame " << frame_ << ": " << what << '\n';
        Stop(registry, MismatchStatus);
    }

    void Stop(Registry& registry, int status) {
        status_ = status;
        registry.singletons.mark_present<singleton::Running>().Value = false;
    }

    Recording recording_;
    const bool verify_;  // compare every frame (false: --inputs-only)
    // Within the current frame. Polls made while the engine initialises belong to frame 0.
    std::size_t nextEvent_ = 0;
    std::size_t nextQuery_ = 0;
    std::string divergence_;
    bool windowClosed_ = false;
    int status_ = -1;  // decided: 0 at the end of the file, or the failure's status
    // The window as the recording leaves it, for --inputs-only.
    std::array<int, input::KeyCount> keys_{};
    glm::dvec2 cursor_{0.0, 0.0};
    glm::ivec2 size_{0, 0};
    bool close_ = false;
    // The replayed run written as a new recording (--record with --replay).
    Writer writer_;
    Frame out_;
};

}  // namespace

Session::Session(const SessionOptions& options) : options_(options) {}

Session::~Session() = default;

std::unique_ptr<Session> Session::Open(const SessionOptions& wanted, std::string& error) {
    if (!wanted.replayPath.empty() || !wanted.scriptPath.empty()) {
        SessionOptions options = wanted;
        const bool script = !options.scriptPath.empty();
        const std::string& path = script ? options.scriptPath : options.replayPath;
        DecodeResult read = script ? ReadInputScript(path) : ReadRecordingFile(path);
        if (!read.ok()) {
            error = "cannot replay '" + path + "': " + read.error;
            return nullptr;
        }
        if (read.recording.frames.empty()) {
            error = "cannot replay '" + path + "': the recording has no frames";
            return nullptr;
        }
        if (script) {
            options.inputsOnly = true;  // a script has no states to compare
            if (read.recording.startLevel == NormalStart) read.recording.startLevel = options.startLevel;
        }
        for (const Shot& shot : options.shots) {
            if (shot.frame >= read.recording.frames.size()) {
                error = "cannot shoot frame " + std::to_string(shot.frame) + ": '" + path + "' has " +
                        std::to_string(read.recording.frames.size()) + " frames (0 to " +
                        std::to_string(read.recording.frames.size() - 1) + ")";
                return nullptr;
            }
        }
        auto session = std::make_unique<ReplaySession>(options, std::move(read.recording));
        if (!options.recordPath.empty() && !session->StartRecording(error)) {
            error = "cannot record to '" + options.recordPath + "': " + error;
            return nullptr;
        }
        return session;
    }
    if (!wanted.recordPath.empty()) {
        auto session = std::make_unique<RecordSession>(wanted);
        if (!session->Start(error)) {
            error = "cannot record to '" + wanted.recordPath + "': " + error;
            return nullptr;
        }
        return session;
    }
    return std::make_unique<LiveSession>(wanted);
}

void Session::BeginCommon(Registry& registry) {
    inFrame_ = true;
    auto& singletons = registry.singletons;
    for (const Shot& shot : options_.shots)
        if (shot.frame == frame_) util::RequestScreenCapture(singletons, shot.path);
    if (options_.fast && !swapIntervalSet_ && singletons.has<singleton::Window>() &&
        singletons.get<singleton::Window>().window) {
        util::SetSwapInterval(0);  // never wait for the display's refresh
        swapIntervalSet_ = true;
    }
}

void Session::Pace(double simulated) {
    if (options_.fast) return;
    const double now = WallSeconds();
    if (paceOrigin_ < 0.0) paceOrigin_ = now - simulated;
    const double due = paceOrigin_ + simulated;
    if (now > due) {
        // Behind (a slow frame): carry on from here instead of rushing to catch up.
        paceOrigin_ = now - simulated;
        return;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(due - now));
}

}  // namespace velkor::replay
