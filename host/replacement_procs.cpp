#include "replacement_procs.h"

#include "dial_helper.h"
#include "filter.h"
#include "process_values.h"
#include "resource_ids.h"
#include "win_text.h"

namespace vostarel {
namespace {

// The procedure kept in `slot` of the main object, or the default one when
// there is no main object (the window outlived it).
LRESULT PassOn(WNDPROC DialerWindowState::*slot, HWND window, UINT message, WPARAM wParam,
               LPARAM lParam) {
  DialHelper* helper = g_mainObject;
  const WNDPROC previous = helper != nullptr ? PreviousProcedure(helper->Window.*slot) : nullptr;
  if (previous == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK DialerWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result =
      PassOn(&DialerWindowState::PreviousDialerProc, window, message, wParam, lParam);
  if (message == WM_COMMAND && LOWORD(wParam) == IDM_RELOAD) RefreshResultList();
  return result;
}

LRESULT CALLBACK NumberFieldWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PassOn(&DialerWindowState::PreviousNumberFieldProc, window, message, wParam, lParam);
}

void RefreshResultList() {
  DialHelper* helper = g_mainObject;
  if (helper == nullptr) return;
  wchar_t text[kTypedCapacity] = {};
  if (helper->Window.NumberField != nullptr) {
    GetWindowTextW(helper->Window.NumberField, text, kTypedCapacity);
  }
  char16_t typed[kTypedCapacity];
  CleanTypedText(AsUtf16(text), typed);
  FilterStores(helper->Index, typed, helper->Options.Flags);
}

}  // namespace vostarel
