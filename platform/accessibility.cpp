#include "platform/accessibility.hpp"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace velkor::platform {

#ifdef _WIN32

static_assert(sizeof(STICKYKEYS) == sizeof(StickyKeys), "STICKYKEYS layout");
static_assert(sizeof(TOGGLEKEYS) == sizeof(ToggleKeys), "TOGGLEKEYS layout");
static_assert(sizeof(FILTERKEYS) == sizeof(FilterKeys), "FILTERKEYS layout");

bool SystemParameters(std::uint32_t action, std::uint32_t size, void* record) {
    return SystemParametersInfoW(static_cast<UINT>(action), static_cast<UINT>(size), record, 0) != FALSE;
}

#else

bool SystemParameters(std::uint32_t, std::uint32_t, void*) { return false; }

#endif

namespace {

inline constexpr std::uint32_t StickyBit = 1u << 0;
inline constexpr std::uint32_t ToggleBit = 1u << 1;
inline constexpr std::uint32_t FilterBit = 1u << 2;

template <class Record>
void SuppressOne(std::uint32_t setAction, const Record& saved, bool wasRead, SystemParametersCall call) {
    if (!wasRead || (saved.dwFlags & FeatureOn)) return;  // the user relies on this feature: leave it as it is
    Record copy = saved;
    copy.dwFlags &= ~(HotkeyActive | ConfirmHotkey);
    call(setAction, sizeof(Record), &copy);
}

template <class Record>
void Apply(std::uint32_t setAction, const Record& saved, bool wasRead, SystemParametersCall call) {
    if (!wasRead) return;
    Record copy = saved;  // the call takes a non-const record
    call(setAction, sizeof(Record), &copy);
}

}  // namespace

void ReadAccessibilityKeys(singleton::WinSystem& saved, SystemParametersCall call) {
    saved.ReadMask = 0;
    if (call(GetStickyKeys, sizeof(StickyKeys), &saved.StartupStickyKeys)) saved.ReadMask |= StickyBit;
    if (call(GetToggleKeys, sizeof(ToggleKeys), &saved.StartupToggleKeys)) saved.ReadMask |= ToggleBit;
    if (call(GetFilterKeys, sizeof(FilterKeys), &saved.StartupFilterKeys)) saved.ReadMask |= FilterBit;
}

void SuppressAccessibilityShortcuts(const singleton::WinSystem& saved, SystemParametersCall call) {
    SuppressOne(SetStickyKeys, saved.StartupStickyKeys, saved.ReadMask & StickyBit, call);
    SuppressOne(SetToggleKeys, saved.StartupToggleKeys, saved.ReadMask & ToggleBit, call);
    SuppressOne(SetFilterKeys, saved.StartupFilterKeys, saved.ReadMask & FilterBit, call);
}

void RestoreAccessibilityKeys(const singleton::WinSystem& saved, SystemParametersCall call) {
    Apply(SetStickyKeys, saved.StartupStickyKeys, saved.ReadMask & StickyBit, call);
    Apply(SetToggleKeys, saved.StartupToggleKeys, saved.ReadMask & ToggleBit, call);
    Apply(SetFilterKeys, saved.StartupFilterKeys, saved.ReadMask & FilterBit, call);
}

}  // namespace velkor::platform
