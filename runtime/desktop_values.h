// Device values that desktop Windows reads differently, kept in one place.
// The code names the device's value; the desktop builds use the mapping
// below. Nothing else in the library adjusts for the desktop, except the
// settings sheet's full-screen layout (settings/sheet/phone_screen_sheet.h),
// which stands in for a device-only sheet flag named here, and the sizes of
// the platform records the stand-ins define (platform/include/device_sizes.h).
//
// Two desktop builds use it: i686 (preset windows32), whose pointers and
// record layouts are the device's, and x86_64 (preset windows), whose
// pointers are 8 bytes. Style and flag bits are mapped the same way in both;
// record sizes differ between them (below).
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>

#include <cstddef>
#include <type_traits>

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

// Record sizes the device gives as numbers: its 32-bit layouts of the
// program-start record, the toolbar-button record, the stand-in shell's
// gesture record and, further down, the settings sheet's records.
//
// The i686 build passes the device's numbers as they are. Its layouts are
// the device's, so each number is also the desktop's size of that record or,
// for the property-sheet header and page, the size of their first version
// (PROPSHEETHEADERW_V1_SIZE, PROPSHEETPAGEW_V1_SIZE), which desktop comctl32
// still accepts; the checks at the end of this file hold that.
//
// The x86_64 build passes the desktop's own sizes: its records are larger
// (8-byte pointers and handles), and its functions check cbSize against
// their own layouts, so a device number would make every such call fail.
#if defined(_WIN64)
inline constexpr bool kDeviceRecordSizes = false;
#else
inline constexpr bool kDeviceRecordSizes = true;
#endif

inline constexpr UINT kDeviceShellExecuteInfoSize = 60;
inline constexpr UINT kShellExecuteInfoSize =
    kDeviceRecordSizes ? kDeviceShellExecuteInfoSize : sizeof(SHELLEXECUTEINFOW);
inline constexpr UINT kDeviceToolbarButtonInfoSize = 32;
inline constexpr UINT kToolbarButtonInfoSize =
    kDeviceRecordSizes ? kDeviceToolbarButtonInfoSize : sizeof(TBBUTTONINFOW);
inline constexpr UINT kDeviceGestureInfoSize = 20;
inline constexpr UINT kGestureInfoSize = kDeviceRecordSizes ? kDeviceGestureInfoSize : sizeof(SHRGINFO);

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
// 40 bytes (the first versions of both), its menu-bar record 36.
inline constexpr UINT kDevicePropSheetHeaderSize = 40;
inline constexpr UINT kPropSheetHeaderSize =
    kDeviceRecordSizes ? kDevicePropSheetHeaderSize : sizeof(PROPSHEETHEADERW);
inline constexpr UINT kDevicePropSheetPageSize = 40;
inline constexpr UINT kPropSheetPageSize = kDeviceRecordSizes ? kDevicePropSheetPageSize : sizeof(PROPSHEETPAGEW);
inline constexpr UINT kDeviceMenuBarInfoSize = 36;
inline constexpr UINT kMenuBarInfoSize = kDeviceRecordSizes ? kDeviceMenuBarInfoSize : sizeof(SHMENUBARINFO);
// The sheet's pages go to comctl32 as one array, which it walks by each
// page's dwSize: the array's element must be exactly kPropSheetPageSize
// bytes, the first version of the record on i686 (as on the device), the
// desktop's whole record on x86_64.
using SheetPageRecord = std::conditional_t<kDeviceRecordSizes, PROPSHEETPAGEW_V1, PROPSHEETPAGEW>;
static_assert(sizeof(SheetPageRecord) == kPropSheetPageSize);

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

// The i686 build's layouts are the device's: each device number it passes is
// the size of the desktop record it fills, or of that record's first version.
#if !defined(_WIN64)
static_assert(kDeviceShellExecuteInfoSize == sizeof(SHELLEXECUTEINFOW));
static_assert(kDeviceToolbarButtonInfoSize == sizeof(TBBUTTONINFOW));
static_assert(kDeviceGestureInfoSize == sizeof(SHRGINFO));
static_assert(kDeviceMenuBarInfoSize == sizeof(SHMENUBARINFO));
static_assert(kDevicePropSheetHeaderSize ==
              offsetof(PROPSHEETHEADERW, pfnCallback) + sizeof(PFNPROPSHEETCALLBACK));  // _V1_SIZE
static_assert(kDevicePropSheetPageSize ==
              offsetof(PROPSHEETPAGEW, pcRefParent) + sizeof(UINT*));  // _V1_SIZE
#endif

}  // namespace vostarel
