// SHInitExtraControls and SHInitDialog.
#include "aygshell.h"
#include "menu_bar_place.h"

namespace {

constexpr wchar_t kSipPrefClass[] = L"SIPPREF";

// The SIP-preference control of a dialog: it has no look and takes no
// input; on the device it only steers the input panel.
LRESULT CALLBACK SipPrefWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) & ~WS_VISIBLE);
      return 0;
    case WM_WINDOWPOSCHANGING:
      // A dialog template's WS_VISIBLE shows the control after WM_CREATE.
      reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

extern "C" BOOL WINAPI SHInitExtraControls(void) {
  WNDCLASSW wc{};
  if (GetClassInfoW(nullptr, kSipPrefClass, &wc)) return TRUE;
  // Global: dialog templates of any module name the class.
  wc.style = CS_GLOBALCLASS;
  wc.lpfnWndProc = SipPrefWndProc;
  wc.hInstance = GetModuleHandleW(L"aygshell.dll");
  wc.lpszClassName = kSipPrefClass;
  RegisterClassW(&wc);
  return TRUE;
}

extern "C" BOOL WINAPI SHInitDialog(PSHINITDLGINFO pshidi) {
  if (pshidi == nullptr || !IsWindow(pshidi->hDlg)) return FALSE;
  if (!(pshidi->dwMask & SHIDIM_FLAGS)) return TRUE;
  const DWORD sizing = SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR;
  if (!(pshidi->dwFlags & sizing)) return TRUE;
  HWND dialog = pshidi->hDlg;
  // A child dialog (a property-sheet page) is placed by its container.
  if (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_CHILD) return TRUE;

  // Full screen on the device is the work area; here the owner's window
  // (the application that opened the dialog) when there is one.
  RECT area{};
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner != nullptr) {
    GetWindowRect(owner, &area);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  SetWindowPos(dialog, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar made before stays under the dialog.
  vostarel::aygshell::PlaceMenuBarUnder(dialog);
  return TRUE;
}
