#include "phone_screen_sheet.h"

#include <windows.h>
#include <commctrl.h>

namespace vostarel {
namespace {

// Control IDs of the desktop sheet's own buttons (the same in every
// desktop comctl32): OK, Cancel, Help and Apply.
constexpr int kSheetButtonIds[] = {IDOK, IDCANCEL, IDHELP, 0x3021};
constexpr int kSelectedTabGrowth = 4;     // pixels a selected tab is wider
constexpr int kTabRowGap = 1;             // pixels between the tabs and the page

// The sheet's procedure before FitSheetToPhoneScreen put SheetProc in front
// of it. The sheet is modal and runs on the dialer's thread, so there is one
// at a time.
WNDPROC g_sheetProc = nullptr;

// The top-level window that holds `window`: up through the parents while
// the window is a child (a top-level window's GetParent is its owner).
HWND TopLevelWindow(HWND window) {
  while (window != nullptr && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0) {
    HWND parent = GetParent(window);
    if (parent == nullptr) break;
    window = parent;
  }
  return window;
}

// The area the sheet covers: its owner's top-level window, whose caption
// stands for the device's title bar, which the sheet's title takes over
// there; the work area when the sheet has no owner.
RECT PhoneScreen(HWND sheet) {
  RECT area{};
  const HWND owner = TopLevelWindow(GetWindow(sheet, GW_OWNER));
  if (owner == nullptr || !GetWindowRect(owner, &area)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  return area;
}

// One row of equally wide tabs across the tab control, as on the device:
// the desktop sheet's tabs wrap into several rows on a narrow screen and
// take the pages' room.
void UseOneRowOfTabs(HWND tabs, int width) {
  const int count = TabCtrl_GetItemCount(tabs);
  RECT first{};
  if (count <= 0 || !TabCtrl_GetItemRect(tabs, 0, &first)) return;
  const LONG_PTR style = GetWindowLongPtrW(tabs, GWL_STYLE);
  SetWindowLongPtrW(tabs, GWL_STYLE,
                    (style & ~static_cast<LONG_PTR>(TCS_MULTILINE)) | TCS_FIXEDWIDTH);
  // A few pixels stay free for the selected tab, which is drawn wider.
  TabCtrl_SetItemSize(tabs, (width - kSelectedTabGrowth) / count, first.bottom - first.top);
}

// Sizes the shown page to everything below the row of tabs. The pages are
// laid out for the device's screen, which has no room to spare: the page
// also covers the tab control's inner border and margin.
void FitCurrentPage(HWND sheet) {
  HWND page = PropSheet_GetCurrentPageHwnd(sheet);
  HWND tabs = PropSheet_GetTabControl(sheet);
  RECT row{};
  if (page == nullptr || tabs == nullptr || !TabCtrl_GetItemRect(tabs, 0, &row)) return;
  RECT area{};
  GetWindowRect(tabs, &area);
  MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&area), 2);
  area.top += row.bottom + kTabRowGap;
  MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

// Pages are made when first shown, at their template's size: each one is
// fitted once the sheet has switched to it. The start page is sized by the
// sheet itself while it initialises, after the sheet's callback has laid
// the sheet out, so it is fitted again when the sheet first shows.
LRESULT CALLBACK SheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = g_sheetProc;
  if (message == WM_NCDESTROY) {
    // The sheet's own procedure again, for whatever it does as it goes.
    SetWindowLongPtrW(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    g_sheetProc = nullptr;
  }
  const LRESULT result = CallWindowProcW(previous, sheet, message, wParam, lParam);
  switch (message) {
    case WM_SHOWWINDOW:
      if (wParam) FitCurrentPage(sheet);
      break;
    case PSM_SETCURSEL:
    case PSM_SETCURSELID:
      FitCurrentPage(sheet);
      break;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
        FitCurrentPage(sheet);
      }
      break;
    default:
      break;
  }
  return result;
}

}  // namespace

void FitSheetToPhoneScreen(HWND sheet) {
  for (int id : kSheetButtonIds) {
    HWND button = GetDlgItem(sheet, id);
    if (button != nullptr) ShowWindow(button, SW_HIDE);
  }
  HWND tabs = PropSheet_GetTabControl(sheet);
  if (tabs == nullptr) return;

  const RECT screen = PhoneScreen(sheet);
  MoveWindow(sheet, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
             TRUE);
  RECT client{};
  GetClientRect(sheet, &client);
  UseOneRowOfTabs(tabs, client.right);
  MoveWindow(tabs, 0, 0, client.right, client.bottom, TRUE);
  FitCurrentPage(sheet);
  // Once per sheet: in front of the sheet's procedure, which it then calls
  // first for every message.
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(sheet, GWLP_WNDPROC));
  if (current == nullptr || current == SheetProc) return;
  g_sheetProc = current;
  SetWindowLongPtrW(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProc));
}

}  // namespace vostarel
