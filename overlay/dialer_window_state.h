// What the overlay knows of the dialer and of its own result list: the
// window part of the main object (DialHelper::Window), made with it.
#pragma once

#include <windows.h>

#include <atomic>

#include "dial_helper.h"
#include "filter.h"  // kTypedCapacity
#include "holders.h"
#include "list_screen.h"
#include "soft_key.h"  // kSoftKeyCaptionCapacity

namespace vostarel {

// SetWindowPos flag words of the result list: the one last used is kept in
// DialerWindowState::ListVisibility, and the list counts as shown exactly
// when it holds kListShown.
inline constexpr UINT kListHidden = SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW | SWP_NOOWNERZORDER;
inline constexpr UINT kListShown = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER;
static_assert(kListHidden == 643 && kListShown == 579);

struct DialerWindowState {
  HWND Dialer = nullptr;       // the accepted dialer window; null until attached
  HWND ResultList = nullptr;   // the library's list window; null until created
  HWND NumberField = nullptr;  // the dialer's number field
  BOOL Expanded = FALSE;       // the list covers the whole dialer
  UINT ListVisibility = kListHidden;
  // The procedures the replacement procedures pass messages on to. Each is
  // set before its replacement is installed (see window_search.cpp) and read
  // on the dialer's thread through PreviousProcedure().
  WNDPROC PreviousDialerProc = nullptr;
  WNDPROC PreviousNumberFieldProc = nullptr;
  wchar_t SavedSoftKeyCaption[kSoftKeyCaptionCapacity] = {};
  // What ResultList shows on the screen; reset whenever a new list window
  // is made.
  ListScreen Screen;
  // The cleaned typed keys the result list was last filled for: what its
  // rows mark as having fitted.
  char16_t ListedFor[kTypedCapacity] = {};
  // The bold face that marked row texts are drawn in, and the font it was
  // made from (overlay/row_drawing.h).
  HFONT MarkFontBase = nullptr;
  GdiObject<HFONT> MarkFont;
};

// The previous procedures are written on the loader thread and read on the
// dialer's thread; these two make the hand-over explicit.
inline void PublishProcedure(WNDPROC& slot, WNDPROC procedure) {
  std::atomic_ref<WNDPROC>(slot).store(procedure, std::memory_order_release);
}
inline WNDPROC PreviousProcedure(WNDPROC& slot) {
  return std::atomic_ref<WNDPROC>(slot).load(std::memory_order_acquire);
}

}  // namespace vostarel
