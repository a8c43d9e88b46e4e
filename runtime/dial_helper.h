// DialHelper: the library's one main object. It is built in two layers: the
// contact-index layer (settings, spelling context, the three stores and the
// result list) and the window layer (what the library knows of the dialer
// and of its own result list). Created at process attach in the phone
// application only, destroyed at process detach; reached through
// g_mainObject (process_values.h).
#pragma once

#include <windows.h>

#include <atomic>

#include "contact_index.h"
#include "filter.h"  // kTypedCapacity
#include "holders.h"
#include "list_screen.h"
#include "settings.h"
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

// What the settings sheet works with while it is open.
struct SettingsSheetState {
  // Set when a page's changes need the stores loaded again (a
  // store-loading box was clicked, or a choice the stores depend on was
  // confirmed); read after the sheet closes.
  BOOL ReloadStores = FALSE;
  // Set when the sheet applies, that is when it is left with OK; read after
  // it closes.
  BOOL Applied = FALSE;
  // Set when the Position page saved a new placement; whoever opened the
  // sheet places the result list again after it closes.
  BOOL PlacementChanged = FALSE;
  // Set by every command that reaches the Commands page; the page writes
  // the commands on apply only when it is set.
  BOOL CommandsChanged = FALSE;
  // The Commands page's list view while the page exists.
  HWND CommandList = nullptr;
};

struct DialHelper {
  // Loads the settings and the user dictionary, takes the index's label
  // texts from the module's strings 810..818, starts with empty stores and no
  // windows, and registers the shell's extra dialog controls.
  explicit DialHelper(HINSTANCE module);
  // Frees the three store arrays, then the user dictionary.
  ~DialHelper();
  DialHelper(const DialHelper&) = delete;
  DialHelper& operator=(const DialHelper&) = delete;

  // Contact-index layer.
  Settings Options{};
  ContactIndex Index;  // spelling context, labels, the three stores, results
  // Window layer.
  DialerWindowState Window;
  SettingsSheetState Sheet;
};

// The previous procedures are written on the loader thread and read on the
// dialer's thread; these two make the hand-over explicit.
inline void PublishProcedure(WNDPROC& slot, WNDPROC procedure) {
  std::atomic_ref<WNDPROC>(slot).store(procedure, std::memory_order_release);
}
inline WNDPROC PreviousProcedure(WNDPROC& slot) {
  return std::atomic_ref<WNDPROC>(slot).load(std::memory_order_acquire);
}

// Loads the nine label texts of the index from strings 810..818 of `module`.
// A string that cannot be loaded leaves its text empty.
void LoadIndexTexts(IndexTexts& texts, HINSTANCE module);

}  // namespace vostarel
