// NumberFieldWndPrc: the library's procedure in front of the dialer's number
// field. Every message goes to the field first; a text change then refreshes
// the list, and a tap toggles the expanded list or, held, opens the overlay
// menu.
#include "aygshell.h"
#include "desktop_values.h"
#include "dialer_window_state.h"
#include "overlay_menu.h"
#include "process_values.h"
#include "replacement_procs.h"

namespace vostarel {
namespace {

// The phone application's own "text changed" message of the field.
constexpr UINT kNumberChangedMessage = WM_USER + 1;

void OnFieldButtonDown(DialHelper& helper, HWND field, LPARAM lParam) {
  SHRGINFO gesture{};
  gesture.cbSize = kGestureInfoSize;  // the device's 20 bytes, see desktop_values.h
  gesture.hwndClient = field;
  gesture.ptDown.x = LOWORD(lParam);
  gesture.ptDown.y = HIWORD(lParam);
  gesture.dwFlags = SHRG_RETURNCMD;
  if (SHRecognizeGesture(&gesture) == GN_CONTEXTMENU) {
    POINT at = gesture.ptDown;
    ClientToScreen(field, &at);
    ShowOverlayMenu(helper, at.x, at.y);
    return;
  }
  if (helper.Window.ListVisibility == kListShown) {
    PlaceResultList(helper, !helper.Window.Expanded);
  }
}

}  // namespace

LRESULT CALLBACK NumberFieldWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialHelper* helper = g_mainObject;
  const WNDPROC previous =
      helper != nullptr ? PreviousProcedure(helper->Window.PreviousNumberFieldProc) : nullptr;
  const LRESULT result = previous != nullptr
                             ? CallWindowProcW(previous, window, message, wParam, lParam)
                             : DefWindowProcW(window, message, wParam, lParam);
  if (helper == nullptr) return result;
  if (message == WM_SETTEXT || message == kNumberChangedMessage) RefreshResultList(*helper);
  if (message == WM_LBUTTONDOWN) OnFieldButtonDown(*helper, window, lParam);
  return result;
}

}  // namespace vostarel
