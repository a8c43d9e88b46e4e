// Device values that desktop Windows reads differently, kept in one place.
// The code names the device's value; the desktop build uses the mapping
// below. Nothing else in the overlay adjusts for the desktop.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "aygshell.h"

namespace vostarel {

// The result list's extended list-view style on the device: full-row
// selection (0x20), activation on one tap (0x40), and two device-only bits:
// 0x10000000 (no horizontal scroll bar) and 0x20000000 (gradient
// background). Desktop comctl32 gives those two bits other meanings
// (LVS_EX_AUTOSIZECOLUMNS and LVS_EX_HIDELABELS), so the desktop keeps only
// the first two; the list never scrolls sideways anyway, because every
// placement sets its one column to the list's width.
inline constexpr DWORD kDeviceListExStyle = 0x30000060;
inline constexpr DWORD kDeviceOnlyListExStyleBits = 0x30000000;
inline constexpr DWORD kListExStyle = kDeviceListExStyle & ~kDeviceOnlyListExStyleBits;
static_assert(kListExStyle == (LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE));

// Record sizes the device gives as its 32-bit layouts; the desktop's own
// layouts are larger and its functions check cbSize against them.
inline constexpr UINT kDeviceShellExecuteInfoSize = 60;
inline constexpr UINT kShellExecuteInfoSize = sizeof(SHELLEXECUTEINFOW);
inline constexpr UINT kDeviceToolbarButtonInfoSize = 32;
inline constexpr UINT kToolbarButtonInfoSize = sizeof(TBBUTTONINFOW);
inline constexpr UINT kDeviceGestureInfoSize = 20;
inline constexpr UINT kGestureInfoSize = sizeof(SHRGINFO);

}  // namespace vostarel
