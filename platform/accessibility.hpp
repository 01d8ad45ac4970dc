// Platform layer: the Windows accessibility shortcuts (sticky, toggle and filter keys).
//
// Pressing Shift five times or holding Shift for eight seconds opens an accessibility prompt that
// steals focus from a full-screen game. While the game runs, the shortcuts of features the user has
// not switched on are disabled; the user's settings are put back at exit. Changes are never saved
// to the user profile (fWinIni 0), so a crash leaves the settings of the next logon untouched.
//
// Implemented: Windows, through SystemParametersInfoW. Other systems: the records are kept and
// every call reports failure and changes nothing.
#pragma once

#include <cstdint>

namespace velkor::platform {

// Layout-compatible with the Windows records STICKYKEYS, TOGGLEKEYS and FILTERKEYS.
struct StickyKeys {
    std::uint32_t cbSize = 8;
    std::uint32_t dwFlags = 0;
};

struct ToggleKeys {
    std::uint32_t cbSize = 8;
    std::uint32_t dwFlags = 0;
};

struct FilterKeys {
    std::uint32_t cbSize = 24;
    std::uint32_t dwFlags = 0;
    std::uint32_t iWaitMSec = 0;
    std::uint32_t iDelayMSec = 0;
    std::uint32_t iRepeatMSec = 0;
    std::uint32_t iBounceMSec = 0;
};

static_assert(sizeof(StickyKeys) == 8 && sizeof(ToggleKeys) == 8 && sizeof(FilterKeys) == 24);

// SystemParametersInfoW actions and flag bits used here.
inline constexpr std::uint32_t GetFilterKeys = 0x32;
inline constexpr std::uint32_t SetFilterKeys = 0x33;
inline constexpr std::uint32_t GetToggleKeys = 0x34;
inline constexpr std::uint32_t SetToggleKeys = 0x35;
inline constexpr std::uint32_t GetStickyKeys = 0x3A;
inline constexpr std::uint32_t SetStickyKeys = 0x3B;
inline constexpr std::uint32_t FeatureOn = 0x1;  // SKF_STICKYKEYSON, TKF_TOGGLEKEYSON, FKF_FILTERKEYSON
inline constexpr std::uint32_t HotkeyActive = 0x4;  // ..._HOTKEYACTIVE
inline constexpr std::uint32_t ConfirmHotkey = 0x8;  // ..._CONFIRMHOTKEY

// One SystemParametersInfoW call with fWinIni 0: (action, size of the record, the record).
// Returns false when the call failed or the platform has no such settings.
using SystemParametersCall = bool (*)(std::uint32_t action, std::uint32_t size, void* record);

// The real call on Windows; elsewhere a call that does nothing and returns false.
bool SystemParameters(std::uint32_t action, std::uint32_t size, void* record);

}  // namespace velkor::platform

namespace velkor::singleton {

// The user's accessibility settings as found at start, in this order, restored at shutdown.
struct WinSystem {
    platform::StickyKeys StartupStickyKeys;
    platform::ToggleKeys StartupToggleKeys;
    platform::FilterKeys StartupFilterKeys;
    // Which of the three were actually read (bits 0 sticky, 1 toggle, 2 filter): a record that
    // could not be read is never written back, so a failed read cannot change the user's settings.
    std::uint32_t ReadMask = 0;
};

}  // namespace velkor::singleton

namespace velkor::platform {

// Reads the three current settings (sticky, toggle, filter) into saved and records which succeeded.
void ReadAccessibilityKeys(singleton::WinSystem& saved, SystemParametersCall call = &SystemParameters);

// For each feature the user has not switched on, applies a copy of its saved record without the
// hotkey flags, in the order sticky, toggle, filter. Switched-on features are left alone, and so
// are records that could not be read.
void SuppressAccessibilityShortcuts(const singleton::WinSystem& saved, SystemParametersCall call = &SystemParameters);

// Applies the saved records unchanged, in the order sticky, toggle, filter (those that were read).
void RestoreAccessibilityKeys(const singleton::WinSystem& saved, SystemParametersCall call = &SystemParameters);

}  // namespace velkor::platform
