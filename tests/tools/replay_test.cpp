// Recordings: the file format's round trip and its refusals, the state summary, and record and
// replay sessions driving a small windowless engine through the input-source seam.
#include "tools/replay.hpp"

#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/stop_signal.hpp"
#include "gameplay/input.hpp"
#include "platform/input_source.hpp"
#include "serialization/transform.hpp"
#include "tools/input_script.hpp"
#include "tools/recording.hpp"
#include "tools/state_hash.hpp"

namespace velkor::replay {
namespace {

namespace fs = std::filesystem;

Recording SampleRecording() {
    Recording r;
    r.fixedStep = true;
    r.seed = 0xDEADBEEFu;
    r.startLevel = 6;
    Frame a;
    a.dt = 1.0f / 60.0f;
    a.state.hash = 0x0123456789ABCDEFull;
    a.state.transformsHash = 42;
    a.state.keysHash = 7;
    a.state.entities = 3;
    a.state.level = 6;
    a.state.collected = 2;
    a.state.timeLeft = 59.5f;
    a.state.playerState = 1;
    a.state.playerVelocity = {1.5f, -2.25f};
    a.state.playerPosition = {3.0f, 4.0f};
    a.state.camera = {-1.0f, 0.5f};
    a.items = {
        {ItemKind::Key, {262, 114, 1, 0}, {}},
        {ItemKind::Char, {0x20AC, 0, 0, 0}, {}},
        {ItemKind::MouseButton, {0, 1, 4, 0}, {}},
        {ItemKind::CursorPosition, {}, {12.5, 700.25}},
        {ItemKind::CursorEnter, {1, 0, 0, 0}, {}},
        {ItemKind::Scroll, {}, {0.0, -1.0}},
        {ItemKind::Focus, {0, 0, 0, 0}, {}},
        {ItemKind::Iconify, {1, 0, 0, 0}, {}},
        {ItemKind::Maximize, {1, 0, 0, 0}, {}},
        {ItemKind::FramebufferSize, {1920, 1080, 0, 0}, {}},
        {ItemKind::WindowSize, {1280, 720, 0, 0}, {}},
        {ItemKind::WindowPosition, {-5, 10, 0, 0}, {}},
        {ItemKind::GamepadConnection, {1, 0, 0, 0}, {}},
        {ItemKind::GamepadButton, {14, 1, 0, 0}, {}},
        {ItemKind::GamepadAxis, {1, 0, 0, 0}, {-0.75, 0.0}},
        {ItemKind::Close, {}, {}},
        {ItemKind::KeyDownQuery, {293, 1, 0, 0}, {}},
        {ItemKind::CursorQuery, {}, {1.0e300, -0.0}},
        {ItemKind::WindowSizeQuery, {640, 360, 0, 0}, {}},
        {ItemKind::CloseQuery, {1, 0, 0, 0}, {}},
        {ItemKind::CursorQuery, {}, {1.0e300, -0.0}},  // repeats are stored short
        {ItemKind::KeyDownQuery, {293, 1, 0, 0}, {}},
        {ItemKind::KeyDownQuery, {342, 0, 0, 0}, {}},
        {ItemKind::CursorQuery, {}, {1.0e300, 0.0}},  // not a repeat: the sign of zero differs
    };
    Frame b;
    b.dt = 0.033333335f;
    b.completed = false;
    r.frames = {a, b};
    return r;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Rewrites the checksum after a deliberate edit, so that only the edit itself is judged.
void Reseal(std::vector<std::uint8_t>& bytes) {
    const std::uint32_t crc = Crc32(std::span(bytes).first(bytes.size() - 4));
    for (int k = 0; k < 4; ++k) bytes[bytes.size() - 4 + k] = static_cast<std::uint8_t>(crc >> (8 * k));
}

TEST(RecordingFormat, RoundTripKeepsEveryFieldAndTheWriterStreamsTheSameBytes) {
    const Recording original = SampleRecording();
    const std::vector<std::uint8_t> bytes = Encode(original);
    const DecodeResult read = Decode(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.recording.fixedStep, true);
    EXPECT_EQ(read.recording.seed, 0xDEADBEEFu);
    EXPECT_EQ(read.recording.startLevel, 6);
    ASSERT_EQ(read.recording.frames.size(), 2u);
    for (std::size_t f = 0; f < 2; ++f) {
        EXPECT_EQ(read.recording.frames[f].dt, original.frames[f].dt);
        EXPECT_EQ(read.recording.frames[f].completed, original.frames[f].completed);
        EXPECT_EQ(read.recording.frames[f].state, original.frames[f].state);
        EXPECT_EQ(read.recording.frames[f].items, original.frames[f].items);
    }
    const auto& items = read.recording.frames[0].items;
    EXPECT_TRUE(std::signbit(items[items.size() - 4].v[1]) && !std::signbit(items.back().v[1]))
        << "a poll is stored short only when it repeats the previous answer bit for bit";

    const std::string path = (fs::temp_directory_path() / "velkor_writer_test.rec").string();
    Writer writer;
    std::string error;
    ASSERT_TRUE(writer.Open(path, original, error)) << error;
    for (const Frame& frame : original.frames) writer.Write(frame);
    ASSERT_TRUE(writer.Finish(error)) << error;
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(ReadRecordingFile(path).recording.frames.size(), 2u);
    fs::remove(path);
}

TEST(RecordingFormat, DamagedFilesAreRefusedWithOneLineNamingTheFault) {
    const std::vector<std::uint8_t> good = Encode(SampleRecording());

    // Every cut, from nothing to one byte short: inside the header it is refused; past it the
    // frames complete before the cut are read, the file marked cut, and a damaged frame before the
    // cut is still refused.
    const Recording sample = SampleRecording();
    std::vector<std::uint8_t> header, first;
    AppendHeader(header, sample);
    AppendFrame(first, sample.frames[0]);
    const std::size_t frameEnds[] = {header.size() + first.size(), good.size() - 12};
    for (std::size_t size = 0; size < good.size(); ++size) {
        const DecodeResult read = Decode(std::span(good).first(size));
        EXPECT_EQ(read.error.find('\n'), std::string::npos);
        if (size < header.size()) {
            EXPECT_NE(read.error.find("truncated inside its header"), std::string::npos) << size << ": " << read.error;
        } else if (size < frameEnds[0]) {
            EXPECT_NE(read.error.find("truncated before its first complete frame"), std::string::npos)
                << size << ": " << read.error;
        } else {
            ASSERT_TRUE(read.ok()) << "cut to " << size << " bytes: " << read.error;
            EXPECT_TRUE(read.recording.cut);
            EXPECT_EQ(read.recording.seed, sample.seed);
            ASSERT_EQ(read.recording.frames.size(), size < frameEnds[1] ? 1u : 2u) << size;
            EXPECT_EQ(read.recording.frames[0].items, sample.frames[0].items);
        }
    }
    EXPECT_FALSE(Decode(good).recording.cut);
    std::vector<std::uint8_t> damagedThenCut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(frameEnds[1]) - 3);
    damagedThenCut[24 + 1 + 4 + 68 + 4] = 99;  // the first item's kind byte
    EXPECT_NE(Decode(damagedThenCut).error.find("frame 0 has an item of unknown kind 99"), std::string::npos);

    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        const char* mentions;
    };
    const Case cases[] = {
        {"other magic", [](auto& b) { b[0] = 'X'; }, "not a VELKOR recording"},
        {"newer version", [](auto& b) { b[8] = 3; }, "format version 3; this build reads versions 1 to 2"},
        {"a gamepad event in a version 1 file (version 1 knew no gamepad)",
         [](auto& b) {
             b[8] = 1;
             Reseal(b);
         },
         "unknown kind 14"},
        {"a flipped bit in a frame", [](auto& b) { b[40] ^= 0x10; }, "checksum"},
        {"a flipped bit in the frame count", [](auto& b) { b[b.size() - 8] ^= 1; }, "checksum"},
        {"an unknown item kind",
         [](auto& b) {
             b[24 + 1 + 4 + 68 + 4] = 99;  // the first item's kind byte
             Reseal(b);
         },
         "unknown kind 99"},
        {"an impossible frame time",
         [](auto& b) {
             b[24 + 1 + 3] = 0x7F;  // dt becomes a huge float
             Reseal(b);
         },
         "impossible frame time"},
        {"an unfinished frame before the last",
         [](auto& b) {
             b[24] = 0;  // the first frame's flags
             Reseal(b);
         },
         "unfinished but is not the last"},
        {"a repeat of a poll never made",
         [](auto& b) {
             b[24 + 1 + 4 + 68 + 4] = 64 | 0x80;
             Reseal(b);
         },
         "repeats a poll it has not made"},
        {"a count claiming more frames",
         [](auto& b) {
             b[b.size() - 8] = 3;
             Reseal(b);
         },
         "corrupt"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        c.damage(bytes);
        const DecodeResult read = Decode(bytes);
        EXPECT_FALSE(read.ok()) << c.what;
        EXPECT_NE(read.error.find(c.mentions), std::string::npos) << c.what << ": " << read.error;
    }
    EXPECT_EQ(ReadRecordingFile("/nonexistent/run.rec").error, "cannot open the file");

    // A version 1 file without gamepad events still reads.
    Recording old = SampleRecording();
    std::erase_if(old.frames[0].items, [](const Item& i) { return i.kind >= ItemKind::GamepadConnection && !i.IsQuery(); });
    std::vector<std::uint8_t> bytes = Encode(old);
    bytes[8] = 1;
    Reseal(bytes);
    const DecodeResult read = Decode(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.recording.frames[0].items, old.frames[0].items);
}

TEST(StateSummary, EveryCoveredFieldMovesTheHashAndIsNamed) {
    Registry registry;
    const Entity a = registry.create();
    registry.add<component::Transform>(a).Translation = {1.0f, 2.0f};
    const Entity b = registry.create();
    registry.add<component::Transform>(b);
    const StateSummary before = SummariseState(registry);
    EXPECT_EQ(before.entities, 2u);
    EXPECT_EQ(SummariseState(registry), before) << "the summary is a pure function of the state";

    registry.get<component::Transform>(b).Rotation = 0.5f;
    const StateSummary turned = SummariseState(registry);
    EXPECT_NE(turned.hash, before.hash);
    EXPECT_EQ(DescribeDifference(before, turned), "transforms differ (2 entities recorded, 2 now)");

    StateSummary other = before;
    other.playerVelocity = {0.0f, -1.0f};
    other.level = 7;
    const std::string text = DescribeDifference(before, other);
    EXPECT_NE(text.find("level -1 recorded, 7 now"), std::string::npos) << text;
    EXPECT_NE(text.find("player velocity (0, 0) recorded, (0, -1) now"), std::string::npos) << text;
}

// A windowless stand-in for the game: it reads one key through the input source every frame and
// walks an entity to the right while the key is down, at the frame's dt.
// The gamepad's d-pad right or its stick pushed right walk it as well, through the input table.
class Walker final : public system::iSystem {
public:
    void Init(Registry& registry) override {
        entity_ = registry.create();
        registry.add<component::Transform>(entity_);
        registry.singletons.set(singleton::Input{});
        input::ResetBackend();
        input::SetGamepadCallbacks({&input::GamepadConnectionCallback, &input::GamepadButtonCallback,
                                    &input::GamepadAxisCallback});
        seed_ = input::RandomSeed();
        (void)input::KeyDown(nullptr, 65);  // a poll before the first frame: it belongs to frame 0
    }
    void Update(float dt, Registry& registry) override {
        input::PollEvents(nullptr);
        auto& table = registry.singletons.get<singleton::Input>();
        input::UpdateKeyTable(table, input::GetBackend());
        if (input::KeyDown(nullptr, 262) || table.IsDown(input::PadRight) || table.IsDown(input::StickRight))
            registry.get<component::Transform>(entity_).Translation.x += dt;
        if (++frames_ == stopAfter) registry.singletons.mark_present<singleton::Running>().Value = false;
        if (frames_ == signalAt) std::raise(SIGTERM);
    }
    void Shutdown(Registry&) override {
        input::SetGamepadCallbacks({});
        input::ResetBackend();
    }

    int stopAfter = 1000;
    int signalAt = -1;  // raise SIGTERM inside this frame (counted from 1)
    unsigned seed_ = 0;

private:
    Entity entity_ = 0;
    int frames_ = 0;
};

struct RunResult {
    int status = 0;
    std::string error;
    unsigned seed = 0;
};

RunResult RunSession(const SessionOptions& options, int stopAfter = 1000, int signalAt = -1) {
    RunResult result;
    testing::internal::CaptureStderr();
    {
        std::unique_ptr<Session> session = Session::Open(options, result.error);
        if (!session) {
            testing::internal::GetCapturedStderr();
            result.status = BadRecordingStatus;
            return result;
        }
        auto walker = std::make_unique<Walker>();
        Walker* probe = walker.get();
        probe->stopAfter = stopAfter;
        probe->signalAt = signalAt;
        Engine::SystemList systems;
        systems.push_back(std::move(walker));
        Engine engine(std::move(systems));
        engine.Init();
        engine.Loop(session.get());
        engine.Shutdown();
        result.seed = probe->seed_;
        result.status = session->Finish();
    }
    result.error = testing::internal::GetCapturedStderr();
    return result;
}

// Plays a script (fast) while recording the run to `run`; both files live in the temporary folder.
RunResult RecordScript(const std::string& text, const std::string& script, const std::string& run) {
    std::ofstream(script) << text;
    SessionOptions scripted;
    scripted.scriptPath = script;
    scripted.recordPath = run;
    scripted.fast = true;
    return RunSession(scripted);
}

TEST(ReplaySession, ReplaysExactlyAndReportsTheFirstFrameThatDiffers) {
    const std::string path = (fs::temp_directory_path() / "velkor_session_test.rec").string();
    SessionOptions record;
    record.recordPath = path;
    record.fixedStep = true;
    record.fast = true;
    const RunResult recorded = RunSession(record, 20);
    ASSERT_EQ(recorded.status, 0) << recorded.error;

    DecodeResult file = ReadRecordingFile(path);
    ASSERT_TRUE(file.ok()) << file.error;
    ASSERT_EQ(file.recording.frames.size(), 20u);
    EXPECT_TRUE(file.recording.fixedStep);
    EXPECT_EQ(file.recording.seed, recorded.seed);
    for (const Frame& frame : file.recording.frames) {
        EXPECT_EQ(frame.dt, FixedStep);
        ASSERT_EQ(frame.items.size(), &frame == &file.recording.frames[0] ? 2u : 1u);
        EXPECT_EQ(frame.items.back().kind, ItemKind::KeyDownQuery);  // answered "up": no window
    }

    SessionOptions replay;
    replay.replayPath = path;
    replay.fast = true;
    const RunResult same = RunSession(replay);
    EXPECT_EQ(same.status, 0) << same.error;
    EXPECT_EQ(same.seed, recorded.seed) << "the replay hands the recorded seed to the random generator";

    // The key held from frame 12 on: the walker moves in frame 12, which the replay reports.
    for (std::size_t f = 12; f < file.recording.frames.size(); ++f) file.recording.frames[f].items.back().i[1] = 1;
    const std::vector<std::uint8_t> edited = Encode(file.recording);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(edited.data()),
                                                 static_cast<std::streamsize>(edited.size()));
    const RunResult changed = RunSession(replay);
    EXPECT_EQ(changed.status, MismatchStatus);
    EXPECT_NE(changed.error.find("replay diverged at frame 12: transforms differ"), std::string::npos) << changed.error;

    // A game that stops early, or polls differently, diverges too.
    const RunResult shorter = RunSession(replay, 5);
    EXPECT_EQ(shorter.status, MismatchStatus);
    EXPECT_NE(shorter.error.find("the game stopped after frame 4, the recording has 20 frames"), std::string::npos)
        << shorter.error;
    file.recording.frames[3].items.back().i[0] = 263;
    const std::vector<std::uint8_t> polled = Encode(file.recording);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(polled.data()),
                                                 static_cast<std::streamsize>(polled.size()));
    const RunResult otherPoll = RunSession(replay);
    EXPECT_EQ(otherPoll.status, MismatchStatus);
    EXPECT_NE(otherPoll.error.find("frame 3: the game made a key poll of key 262 where the recording has a key poll "
                                   "of key 263"),
              std::string::npos)
        << otherPoll.error;

    // Bad files never start a run; shots past the end are refused up front.
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(polled.data()), 100);
    RunResult truncated = RunSession(replay);
    EXPECT_EQ(truncated.status, BadRecordingStatus);
    EXPECT_NE(truncated.error.find("cannot replay '" + path + "': the recording is truncated"), std::string::npos)
        << truncated.error;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(edited.data()),
                                                 static_cast<std::streamsize>(edited.size()));
    replay.shots = {{20, "never.png"}};
    const RunResult lateShot = RunSession(replay);
    EXPECT_EQ(lateShot.status, BadRecordingStatus);
    EXPECT_NE(lateShot.error.find("has 20 frames (0 to 19)"), std::string::npos) << lateShot.error;
    EXPECT_NE(dynamic_cast<input::LiveSource*>(&input::CurrentSource()), nullptr) << "a finished session leaves the live source";
    fs::remove(path);
}

TEST(ReplaySession, ASignalledRunFinishesItsFileAndACutFilePlaysToTheCut) {
    const std::string path = (fs::temp_directory_path() / "velkor_signal_test.rec").string();
    const std::string again = (fs::temp_directory_path() / "velkor_signal_again.rec").string();
    SessionOptions record;
    record.recordPath = path;
    record.fixedStep = true;
    record.fast = true;
    InstallStopSignalHandlers();
    const RunResult signalled = RunSession(record, 1000, 8);
    ClearStopSignal();
    std::signal(SIGINT, SIG_DFL);
    EXPECT_EQ(signalled.status, 0) << signalled.error;
    const DecodeResult finished = ReadRecordingFile(path);
    ASSERT_TRUE(finished.ok()) << finished.error;
    EXPECT_FALSE(finished.recording.cut) << "the signal ends the run like any other end: the file is sealed";
    ASSERT_EQ(finished.recording.frames.size(), 8u) << "the frame the signal arrived in completes";

    SessionOptions replay;
    replay.replayPath = path;
    replay.fast = true;
    EXPECT_EQ(RunSession(replay).status, 0);

    // Cut inside frame 6: frames 0 to 5 replay, compared as ever, then one line and the status of
    // its own. Written again while replayed, the run is a whole file of its six frames.
    std::vector<std::uint8_t> bytes;
    AppendHeader(bytes, finished.recording);
    for (std::size_t f = 0; f < 6; ++f) AppendFrame(bytes, finished.recording.frames[f]);
    std::vector<std::uint8_t> frame6;
    AppendFrame(frame6, finished.recording.frames[6]);
    bytes.insert(bytes.end(), frame6.begin(), frame6.begin() + 40);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
    replay.replayPath = path;
    replay.recordPath = again;
    const RunResult cut = RunSession(replay);
    EXPECT_EQ(cut.status, CutRecordingStatus) << cut.error;
    EXPECT_EQ(cut.error, "velkor: replay ended after frame 5: the recording was cut off there (its run never "
                         "finished the file)\n");
    const DecodeResult rewritten = ReadRecordingFile(again);
    ASSERT_TRUE(rewritten.ok()) << rewritten.error;
    EXPECT_EQ(rewritten.recording.frames.size(), 6u);
    fs::remove(path);
    fs::remove(again);
}

TEST(InputScript, ScriptsParseIntoFixedStepRecordingsOrNameTheirFaultyLine) {
    Recording r;
    ASSERT_EQ(ParseInputScript("# walk right, jump\nlevel 6\nhold Right 5 10\npress Space 8\nmouse 0 2 3\n"
                               "cursor 4 10.5 20\nhold 65 1 2  # by code\nwindow 640 360\nfocus 9 0\nminimise 9 1\n",
                               r),
              "");
    EXPECT_TRUE(r.fixedStep);
    EXPECT_EQ(r.startLevel, 6);
    ASSERT_EQ(r.frames.size(), 15u) << "one frame past the last event";
    EXPECT_EQ(r.frames[14].dt, FixedStep);
    EXPECT_EQ(r.frames[5].items, (std::vector<Item>{{ItemKind::Key, {262, 0, 1, 0}, {}}}));
    EXPECT_EQ(r.frames[8].items, (std::vector<Item>{{ItemKind::Key, {32, 0, 1, 0}, {}}}));
    EXPECT_EQ(r.frames[14].items, (std::vector<Item>{{ItemKind::Key, {32, 0, 0, 0}, {}}}));
    EXPECT_EQ(r.frames[0].items, (std::vector<Item>{{ItemKind::WindowSize, {640, 360, 0, 0}, {}}}));
    EXPECT_EQ(r.frames[2].items, (std::vector<Item>{{ItemKind::MouseButton, {0, 1, 0, 0}, {}},
                                                    {ItemKind::Key, {65, 0, 0, 0}, {}}}));
    EXPECT_EQ(r.frames[4].items, (std::vector<Item>{{ItemKind::CursorPosition, {}, {10.5, 20.0}}}));
    EXPECT_EQ(r.frames[9].items, (std::vector<Item>{{ItemKind::Focus, {0, 0, 0, 0}, {}},
                                                    {ItemKind::Iconify, {1, 0, 0, 0}, {}}}));

    const std::pair<const char*, const char*> faults[] = {
        {"hold Right 5", "line 1: expected \"hold KEY FROM TO\""},
        {"\nhold Rigth 1 2", "line 2: unknown key \"Rigth\""},
        {"hold Left 4 4", "line 1: a key must go up after it goes down"},
        {"level 12", "line 1: expected \"level N (0 to 11)\""},
        {"frames 10\nhold A 2 10", "an event at frame 10 is past the run's 10 frames"},
        {"jump 3", "line 1: unknown command \"jump\""},
        {"# nothing", "the script has no frames (give \"frames N\")"},
        {"mouse 9 1 2", "line 1: unknown mouse button \"9\""},
        {"window 0 360", "line 1: expected \"window W H\""},
        {"pad Select 1 2", "line 1: unknown gamepad button \"Select\""},
        {"pad South 3 3", "line 1: a button must go up after it goes down"},
        {"stick 1.5 0 1 2", "line 1: a stick position lies within -1..1"},
        {"gamepad unplug 3", "line 1: expected \"gamepad connect|disconnect AT\""},
        {"focus 3 2", "line 1: expected \"focus AT 0|1\""},
        {"minimise 3", "line 1: expected \"minimise AT 0|1\""},
    };
    for (const auto& [script, error] : faults) EXPECT_EQ(ParseInputScript(script, r), error) << script;
}

TEST(InputScript, GamepadLinesBecomeGamepadEventsAndPlugItInUnlessTheScriptDoes) {
    Recording r;
    ASSERT_EQ(ParseInputScript("pad South 2 4\npad 14 3 5\nstick -1 0.25 1 6\n", r), "");
    ASSERT_EQ(r.frames.size(), 7u);
    EXPECT_EQ(r.frames[0].items, (std::vector<Item>{{ItemKind::GamepadConnection, {1, 0, 0, 0}, {}}}));
    EXPECT_EQ(r.frames[1].items, (std::vector<Item>{{ItemKind::GamepadAxis, {0, 0, 0, 0}, {-1.0, 0.0}},
                                                    {ItemKind::GamepadAxis, {1, 0, 0, 0}, {0.25, 0.0}}}));
    EXPECT_EQ(r.frames[2].items, (std::vector<Item>{{ItemKind::GamepadButton, {0, 1, 0, 0}, {}}}));
    EXPECT_EQ(r.frames[5].items, (std::vector<Item>{{ItemKind::GamepadButton, {14, 0, 0, 0}, {}}}));
    EXPECT_EQ(r.frames[6].items.size(), 2u) << "the stick let go on both axes";
    ASSERT_EQ(ParseInputScript("gamepad connect 2\npad Start 3 4\ngamepad disconnect 6\n", r), "");
    EXPECT_TRUE(r.frames[0].items.empty()) << "plugged in by the script, at frame 2";
    EXPECT_EQ(r.frames[6].items, (std::vector<Item>{{ItemKind::GamepadConnection, {0, 0, 0, 0}, {}}}));
}

// A run played with the gamepad only is recorded and replays exactly; losing one of its stick
// events is caught in the very frame.
TEST(ReplaySession, AGamepadRunReplaysExactlyAndAMissingStickEventIsCaught) {
    const fs::path dir = fs::temp_directory_path();
    const std::string script = (dir / "velkor_pad.txt").string();
    const std::string run = (dir / "velkor_pad.rec").string();
    const RunResult first = RecordScript("pad DpadRight 5 10\nstick 0.8 0.1 12 15\nframes 20\n", script, run);
    ASSERT_EQ(first.status, 0) << first.error;

    DecodeResult written = ReadRecordingFile(run);
    ASSERT_TRUE(written.ok()) << written.error;
    auto& frames = written.recording.frames;
    ASSERT_EQ(frames.size(), 20u);
    for (std::size_t f = 1; f < 20; ++f) {
        const bool walking = (f >= 5 && f < 10) || (f >= 12 && f < 15);
        EXPECT_EQ(frames[f - 1].state.transformsHash != frames[f].state.transformsHash, walking) << "frame " << f;
    }
    EXPECT_NE(frames[4].state.keysHash, frames[5].state.keysHash) << "the gamepad's entries are in the state";
    SessionOptions exact;
    exact.replayPath = run;
    exact.fast = true;
    const RunResult again = RunSession(exact);
    EXPECT_EQ(again.status, 0) << again.error;

    std::erase_if(frames[12].items, [](const Item& i) { return i.kind == ItemKind::GamepadAxis; });
    const std::vector<std::uint8_t> bytes = Encode(written.recording);
    std::ofstream(run, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const RunResult edited = RunSession(exact);
    EXPECT_EQ(edited.status, MismatchStatus);
    EXPECT_NE(edited.error.find("diverged at frame 12"), std::string::npos) << edited.error;
    fs::remove(script);
    fs::remove(run);
}

TEST(ReplaySession, AScriptDrivesTheGameAndTheRunIsRecordedForAnExactReplay) {
    const fs::path dir = fs::temp_directory_path();
    const std::string script = (dir / "velkor_walk.txt").string();
    const std::string run = (dir / "velkor_walk.rec").string();
    const RunResult first = RecordScript("hold Right 5 10\nframes 20\n", script, run);
    ASSERT_EQ(first.status, 0) << first.error;

    const DecodeResult written = ReadRecordingFile(run);
    ASSERT_TRUE(written.ok()) << written.error;
    ASSERT_EQ(written.recording.frames.size(), 20u);
    for (std::size_t f = 0; f < 20; ++f) {
        const Item& poll = written.recording.frames[f].items.back();
        ASSERT_EQ(poll.kind, ItemKind::KeyDownQuery);
        EXPECT_EQ(poll.i[1], f >= 5 && f < 10 ? 1 : 0) << "frame " << f << ": the key is down from 5 to 9";
    }
    const auto& frames = written.recording.frames;
    EXPECT_EQ(frames[0].state.transformsHash, frames[4].state.transformsHash) << "still before the key";
    EXPECT_NE(frames[4].state.transformsHash, frames[5].state.transformsHash) << "moving from frame 5";
    EXPECT_NE(frames[8].state.transformsHash, frames[9].state.transformsHash) << "moving in frame 9";
    EXPECT_EQ(frames[9].state.transformsHash, frames[19].state.transformsHash) << "still once the key is up";

    SessionOptions exact;
    exact.replayPath = run;
    exact.fast = true;
    const RunResult again = RunSession(exact);
    EXPECT_EQ(again.status, 0) << "the recorded run of a script replays exactly: " << again.error;
    fs::remove(script);
    fs::remove(run);
}

}  // namespace
}  // namespace velkor::replay
