// The platform layer's event queue without a window: events in; what the listeners (the Input
// table's handlers among them), a recording and its replay make of them out.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/registry.hpp"
#include "gameplay/input.hpp"
#include "platform/events.hpp"
#include "platform/input_source.hpp"
#include "platform/keys.hpp"
#include "serialization/transform.hpp"
#include "tools/recording.hpp"
#include "tools/replay.hpp"

namespace velkor {
namespace {

using platform::Event;
using platform::EventKind;

class EventQueue : public testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        platform::DiscardEvents();
        platform::ForgetListeners();
        input::ResetBackend();
        input::SetGamepadCallbacks({});
    }
    // Input's handlers, as its listeners forward to them.
    static platform::ListenerId ListenAsInput() {
        input::SetGamepadCallbacks({&input::GamepadConnectionCallback, &input::GamepadButtonCallback,
                                    &input::GamepadAxisCallback});
        return platform::Subscribe(platform::MaskOf(EventKind::Key, EventKind::MouseButton), [](const Event& e) {
            if (e.kind == EventKind::Key) input::KeyCallback(nullptr, e.i[0], e.i[1], e.i[2], e.i[3]);
            else input::MouseButtonCallback(nullptr, e.i[0], e.i[1], e.i[2]);
        });
    }
};

TEST_F(EventQueue, QueuedEventsReachTheirListenersInOrderOnlyWhenDispatched) {
    std::vector<std::string> heard;
    ListenAsInput();
    platform::Subscribe(platform::MaskOf(EventKind::Key, EventKind::Char), [&](const Event& e) {
        heard.push_back((e.kind == EventKind::Key ? "key " : "char ") + std::to_string(e.i[0]));
    });
    const auto& raw = input::GetBackend();

    // Nobody hears scrolling: it is dropped, not queued. Outside a poll an event is delivered at once.
    EXPECT_TRUE(platform::Heard(EventKind::Key));
    EXPECT_FALSE(platform::Heard(EventKind::Scroll));
    platform::Arrive({EventKind::Scroll, {}, {0.0, 1.0}});
    platform::Arrive({EventKind::Key, {platform::KeySpace, 0, platform::Press, 0}, {}});
    EXPECT_TRUE(platform::QueuedEvents().empty());
    EXPECT_EQ(raw.keys[platform::KeySpace], platform::Press);
    EXPECT_EQ(heard, (std::vector<std::string>{"key 32"}));

    // What a poll gathered waits in the queue, in order, until the dispatch.
    const std::vector<Event> polled = {
        {EventKind::Key, {platform::KeySpace, 0, platform::Release, 0}, {}},
        {EventKind::Char, {'a', 0, 0, 0}, {}},
        {EventKind::MouseButton, {0, platform::Press, 0, 0}, {}},
        {EventKind::Key, {platform::KeyF4, 0, platform::Repeat, 0}, {}},  // a repeat changes no key
        {EventKind::GamepadButton, {0, platform::Press, 0, 0}, {}},
        {EventKind::GamepadAxis, {platform::GamepadAxisLeftX, 0, 0, 0}, {-0.9, 0.0}},
    };
    for (const Event& e : polled) platform::QueueEvent(e);
    ASSERT_EQ(platform::QueuedEvents().size(), polled.size());
    EXPECT_EQ(raw.keys[platform::KeySpace], platform::Press);
    EXPECT_EQ(raw.mouseButtons[0], platform::Release);
    platform::DispatchEvents();
    EXPECT_TRUE(platform::QueuedEvents().empty());
    EXPECT_EQ(heard, (std::vector<std::string>{"key 32", "key 32", "char 97", "key 293"}));

    // The Input table: the tap of Space within one poll still reads Pressed once, the mouse button
    // and the gamepad's south button and stick (pushed left past the threshold) are down, F4 is not.
    singleton::Input table;
    input::UpdateKeyTable(table, input::GetBackend());
    EXPECT_EQ(table.Keys[platform::KeySpace], input::Pressed);
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Pressed);
    EXPECT_EQ(table.Keys[input::PadSouth], input::Pressed);
    EXPECT_EQ(table.Keys[input::StickLeft], input::Pressed);
    EXPECT_EQ(table.Keys[platform::KeyF4], input::Up);
    input::UpdateKeyTable(table, input::GetBackend());
    EXPECT_EQ(table.Keys[platform::KeySpace], input::Up);
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Held);
}

TEST_F(EventQueue, ListenersComeAndGoSafelyEvenDuringADispatch) {
    std::vector<int> order;
    platform::ListenerId second = 0;
    const platform::ListenerId first = platform::Subscribe(platform::MaskOf(EventKind::Focus), [&](const Event& e) {
        order.push_back(1);
        if (e.i[0] == 0) platform::Unsubscribe(second);  // the later listener hears nothing more
    });
    second = platform::Subscribe(platform::MaskOf(EventKind::Focus), [&](const Event&) { order.push_back(2); });
    platform::QueueEvent({EventKind::Focus, {1, 0, 0, 0}, {}});
    platform::QueueEvent({EventKind::Focus, {0, 0, 0, 0}, {}});
    platform::QueueEvent({EventKind::Focus, {1, 0, 0, 0}, {}});
    platform::DispatchEvents();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1, 1}));
    EXPECT_TRUE(platform::Listening(first));
    EXPECT_FALSE(platform::Listening(second));
    platform::Unsubscribe(second);  // again: nothing happens

    // A queue the replay drops reaches nobody; closing the window forgets every listener.
    platform::QueueEvent({EventKind::Focus, {0, 0, 0, 0}, {}});
    platform::DiscardEvents();
    platform::DispatchEvents();
    EXPECT_EQ(order.size(), 4u);
    platform::ForgetListeners();
    EXPECT_FALSE(platform::Listening(first));
    EXPECT_FALSE(platform::Heard(EventKind::Focus));
    platform::Arrive({EventKind::Focus, {1, 0, 0, 0}, {}});
    EXPECT_EQ(order.size(), 4u);
}

// A recording stores the frame's queue as it was heard; its replay hands the events back to the
// same listeners (without a window, the gamepad's), frame for frame.
TEST_F(EventQueue, ARecordingStoresTheQueueAndItsReplayPutsItBack) {
    namespace fs = std::filesystem;
    const std::string path = (fs::temp_directory_path() / "velkor_event_queue_test.rec").string();
    Registry registry;
    registry.add<component::Transform>(registry.create());
    const std::vector<Event> frame0 = {
        {EventKind::GamepadConnection, {1, 0, 0, 0}, {}},
        {EventKind::GamepadButton, {1, platform::Press, 0, 0}, {}},
        {EventKind::Key, {platform::KeyA, 0, platform::Press, 0}, {}},
    };
    {
        ListenAsInput();
        replay::SessionOptions options;
        options.recordPath = path;
        options.fast = true;
        std::string error;
        auto session = replay::Session::Open(options, error);
        ASSERT_TRUE(session) << error;
        (void)session->BeginFrame(1.0f / 60.0f, registry);
        for (const Event& e : frame0) platform::QueueEvent(e);
        platform::QueueEvent({EventKind::Scroll, {}, {0.0, 2.0}});  // unheard, so never queued live
        platform::DiscardEvents();
        for (const Event& e : frame0) platform::Arrive(e);  // outside a poll: heard at once, not logged
        for (const Event& e : frame0) platform::QueueEvent(e);
        input::PollEvents(nullptr);
        session->EndFrame(registry);
        EXPECT_EQ(session->Finish(), 0);
    }
    const replay::DecodeResult read = replay::ReadRecordingFile(path);
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.recording.frames.size(), 1u);
    const auto& items = read.recording.frames[0].items;
    ASSERT_EQ(items.size(), frame0.size());
    for (std::size_t n = 0; n < items.size(); ++n) {
        EXPECT_EQ(static_cast<int>(items[n].kind), static_cast<int>(frame0[n].kind)) << n;
        EXPECT_EQ(items[n].i[0], frame0[n].i[0]) << n;
        EXPECT_EQ(items[n].i[1], frame0[n].i[1]) << n;
    }

    Clean();
    ListenAsInput();
    {
        replay::SessionOptions options;
        options.replayPath = path;
        options.fast = true;
        std::string error;
        auto session = replay::Session::Open(options, error);
        ASSERT_TRUE(session) << error;
        (void)session->BeginFrame(0.0f, registry);
        input::PollEvents(nullptr);
        EXPECT_TRUE(platform::QueuedEvents().empty());
        const auto& raw = input::GetBackend();
        EXPECT_TRUE(raw.gamepadPresent);
        EXPECT_EQ(raw.gamepad[1], platform::Press) << "the recorded east button is down again";
        EXPECT_EQ(raw.keys[platform::KeyA], platform::Release) << "no window: its key events have nowhere to come from";
        session->EndFrame(registry);
        EXPECT_EQ(session->Finish(), 0);
    }
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace
}  // namespace velkor
