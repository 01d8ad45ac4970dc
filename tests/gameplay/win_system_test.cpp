#include "platform/accessibility.hpp"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace velkor {
namespace {

// A fake SystemParametersInfoW: answers reads from a preset "user profile" and records writes.
struct Call {
    std::uint32_t action;
    std::uint32_t size;
    std::uint32_t flags;
};
std::vector<Call> calls;
platform::StickyKeys userSticky;
platform::ToggleKeys userToggle;
platform::FilterKeys userFilter;
bool readsFail = false;

bool Fake(std::uint32_t action, std::uint32_t size, void* record) {
    std::uint32_t flags = 0;
    switch (action) {
        case platform::GetStickyKeys:
            if (readsFail) return false;
            std::memcpy(record, &userSticky, sizeof userSticky);
            break;
        case platform::GetToggleKeys:
            if (readsFail) return false;
            std::memcpy(record, &userToggle, sizeof userToggle);
            break;
        case platform::GetFilterKeys:
            if (readsFail) return false;
            std::memcpy(record, &userFilter, sizeof userFilter);
            break;
        default:
            break;
    }
    std::memcpy(&flags, static_cast<char*>(record) + 4, sizeof flags);
    calls.push_back({action, size, flags});
    return true;
}

class AccessibilityKeys : public testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        readsFail = false;
        userSticky = {8, 0x4 | 0x8 | 0x40};  // off, hotkey active and confirmed, plus an unrelated flag
        userToggle = {8, 0x1 | 0x4};  // switched on by the user
        userFilter = {24, 0x4 | 0x8, 1000, 500, 300, 0};
    }
};

TEST_F(AccessibilityKeys, RecordsStartWithTheirSizes) {
    singleton::WinSystem saved;
    EXPECT_EQ(saved.StartupStickyKeys.cbSize, 8u);
    EXPECT_EQ(saved.StartupToggleKeys.cbSize, 8u);
    EXPECT_EQ(saved.StartupFilterKeys.cbSize, 24u);
    EXPECT_EQ(saved.StartupFilterKeys.dwFlags, 0u);
}

TEST_F(AccessibilityKeys, SuppressesOnlyTheShortcutsOfFeaturesThatAreOff) {
    singleton::WinSystem saved;
    platform::ReadAccessibilityKeys(saved, &Fake);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].action, platform::GetStickyKeys);
    EXPECT_EQ(calls[1].action, platform::GetToggleKeys);
    EXPECT_EQ(calls[2].action, platform::GetFilterKeys);
    EXPECT_EQ(calls[2].size, 24u);

    calls.clear();
    platform::SuppressAccessibilityShortcuts(saved, &Fake);
    ASSERT_EQ(calls.size(), 2u) << "toggle keys are on and must not be touched";
    EXPECT_EQ(calls[0].action, platform::SetStickyKeys);
    EXPECT_EQ(calls[0].flags, 0x40u) << "hotkey flags cleared, the rest kept";
    EXPECT_EQ(calls[1].action, platform::SetFilterKeys);
    EXPECT_EQ(calls[1].flags, 0u);
    EXPECT_EQ(saved.StartupStickyKeys.dwFlags, 0x4u | 0x8u | 0x40u) << "the saved record is not changed";

    calls.clear();
    platform::RestoreAccessibilityKeys(saved, &Fake);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].action, platform::SetStickyKeys);
    EXPECT_EQ(calls[0].flags, 0x4u | 0x8u | 0x40u);
    EXPECT_EQ(calls[1].action, platform::SetToggleKeys);
    EXPECT_EQ(calls[1].flags, 0x1u | 0x4u);
    EXPECT_EQ(calls[2].action, platform::SetFilterKeys);
}

TEST_F(AccessibilityKeys, RecordsThatCouldNotBeReadAreNeverWritten) {
    readsFail = true;
    singleton::WinSystem saved;
    platform::ReadAccessibilityKeys(saved, &Fake);
    platform::SuppressAccessibilityShortcuts(saved, &Fake);
    platform::RestoreAccessibilityKeys(saved, &Fake);
    EXPECT_TRUE(calls.empty());
}

#ifndef _WIN32
TEST_F(AccessibilityKeys, OtherPlatformsChangeNothing) {
    singleton::WinSystem saved;
    platform::ReadAccessibilityKeys(saved);
    EXPECT_EQ(saved.ReadMask, 0u);
    EXPECT_EQ(saved.StartupStickyKeys.cbSize, 8u);
    EXPECT_EQ(saved.StartupStickyKeys.dwFlags, 0u);
}
#endif

}  // namespace
}  // namespace velkor
