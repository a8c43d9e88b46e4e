// Routing decisions of the dialer window's procedure while the result list
// is shown: which keys go to the list, the talk key, and the dialer's own
// menu. The platform's values are named here with a k prefix, so this header
// can sit beside the platform's own definitions in the Win32 layer.
#pragma once

#include <cstdint>

namespace vostarel {

inline constexpr uint32_t kVkReturn = 0x0D;
inline constexpr uint32_t kVkPrior = 0x21;  // page up
inline constexpr uint32_t kVkNext = 0x22;   // page down
inline constexpr uint32_t kVkLeft = 0x25;
inline constexpr uint32_t kVkUp = 0x26;
inline constexpr uint32_t kVkRight = 0x27;
inline constexpr uint32_t kVkDown = 0x28;
inline constexpr uint32_t kVkApps = 0x5D;

// The phone application's talk key arrives as WM_HOTKEY with this value in
// the high word of the second parameter.
inline constexpr uint32_t kTalkKeyHotKey = 0x72;
// WM_INITMENUPOPUP second parameters of the dialer's own menu.
inline constexpr intptr_t kDialerMenuPopupParam = 0;
inline constexpr intptr_t kDialerMenuPopupParamAlt = 22322;

// Whether a key (after the KeyMap) is sent to the result list instead of the
// dialer: Enter, page up and down, the four arrows and the menu key. Home
// and End stay with the dialer.
constexpr bool KeyGoesToList(uint32_t translatedVirtualKey) {
  switch (translatedVirtualKey) {
    case kVkReturn:
    case kVkPrior:
    case kVkNext:
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown:
    case kVkApps:
      return true;
    default:
      return false;
  }
}

// Whether a WM_HOTKEY's second parameter is the talk key.
constexpr bool IsTalkKey(intptr_t lParam) {
  return ((static_cast<uintptr_t>(lParam) >> 16) & 0xFFFF) == kTalkKeyHotKey;
}

// Whether a WM_INITMENUPOPUP's second parameter marks the dialer's own menu,
// the one that gets the settings item.
constexpr bool IsDialerMenuPopup(intptr_t lParam) {
  return lParam == kDialerMenuPopupParam || lParam == kDialerMenuPopupParamAlt;
}

}  // namespace vostarel
