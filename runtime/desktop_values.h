// Device values that desktop Windows reads differently, kept in one place.
// The code names the device's value; the desktop build uses the mapping
// below. Nothing else in the library adjusts for the desktop, except the
// settings sheet's full-screen layout (settings/sheet/phone_screen_sheet.h),
// which stands in for a device-only sheet flag named here.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>

#include "aygshell.h"

namespace vostarel {

// The result list's extended list-view style on the device: full-row
// selection (0x20), activation on one tap (0x40), and two device-only bits:
// 0x10000000 (no horizontal scroll bar) and 0x20000000 (gradient
// background). Desktop comctl32 gives those two bits other meanings
// (LVS_EX_AUTOSIZECOLUMNS and LVS_EX_HIDELABELS), so the desktop keeps only
// the first two.
inline constexpr DWORD kDeviceListExStyle = 0x30000060;
inline constexpr DWORD kDeviceOnlyListExStyleBits = 0x30000000;
inline constexpr DWORD kListExStyle = kDeviceListExStyle & ~kDeviceOnlyListExStyleBits;
static_assert(kListExStyle == (LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE));
// The device sizes the result list's one column (and the Commands page's
// three columns) to the list's width, and its "no horizontal scroll bar"
// style keeps that from scrolling sideways when a vertical scroll bar takes
// part of the width. Without that style the desktop list view shows a
// horizontal scroll bar then, so the desktop sizes the columns to the
// list's client area instead, also whenever a new item count may have
// brought or removed the vertical scroll bar.
inline constexpr bool kColumnFitsClientArea = true;

// Record sizes the device gives as its 32-bit layouts; the desktop's own
// layouts are larger and its functions check cbSize against them.
inline constexpr UINT kDeviceShellExecuteInfoSize = 60;
inline constexpr UINT kShellExecuteInfoSize = sizeof(SHELLEXECUTEINFOW);
inline constexpr UINT kDeviceToolbarButtonInfoSize = 32;
inline constexpr UINT kToolbarButtonInfoSize = sizeof(TBBUTTONINFOW);
inline constexpr UINT kDeviceGestureInfoSize = 20;
inline constexpr UINT kGestureInfoSize = sizeof(SHRGINFO);

// The settings sheet's header flags on the device: PSH_PROPTITLE (0x1),
// PSH_PROPSHEETPAGE (0x8), PSH_USECALLBACK (0x100), and two device-only
// bits: 0x2000, the full-screen sheet, and 0x80000000. Desktop comctl32
// reads 0x2000 as the old wizard-97 flag, so the desktop drops both and
// lays the sheet out over the phone's screen itself (FitSheetToPhoneScreen).
// The device's sheet has no Apply button: PSH_NOAPPLYNOW keeps the desktop
// from adding one. Its OK and Cancel are on the menu bar; the desktop's own
// buttons are hidden by the same full-screen layout.
inline constexpr DWORD kDeviceSheetFlags = 0x80002109;
inline constexpr DWORD kDeviceOnlySheetFlagBits = 0x80002000;
inline constexpr DWORD kSheetFlags = (kDeviceSheetFlags & ~kDeviceOnlySheetFlagBits) | PSH_NOAPPLYNOW;
static_assert(kSheetFlags == (PSH_PROPTITLE | PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOAPPLYNOW));

// The settings sheet's records: the device's header and page records are
// 40 bytes, its menu-bar record 36.
inline constexpr UINT kDevicePropSheetHeaderSize = 40;
inline constexpr UINT kPropSheetHeaderSize = sizeof(PROPSHEETHEADERW);
inline constexpr UINT kDevicePropSheetPageSize = 40;
inline constexpr UINT kPropSheetPageSize = sizeof(PROPSHEETPAGEW);
inline constexpr UINT kDeviceMenuBarInfoSize = 36;
inline constexpr UINT kMenuBarInfoSize = sizeof(SHMENUBARINFO);

// The Commands page's list view: full-row selection (0x20) and the
// device-only "no horizontal scroll bar" bit; the desktop keeps the first.
inline constexpr DWORD kDeviceCommandListExStyle = 0x10000020;
inline constexpr DWORD kCommandListExStyle = kDeviceCommandListExStyle & ~kDeviceOnlyListExStyleBits;
static_assert(kCommandListExStyle == LVS_EX_FULLROWSELECT);

// The About page draws its texts in the system font (stock object 13),
// which a fresh device context on the device starts with, and makes its
// title from it. That is the device's proportional user-interface font; on
// the desktop stock object 13 is an old raster font that can be neither
// scaled nor smoothed, so the desktop uses its GUI font and the page
// selects it for its texts itself.
inline constexpr int kDeviceSystemFontObject = 13;  // SYSTEM_FONT
inline constexpr int kSystemFontObject = DEFAULT_GUI_FONT;

}  // namespace vostarel
