// What the settings sheet works with while it is open: the sheet's part of
// the main object (DialHelper::Sheet), made with it.
#pragma once

#include <windows.h>

namespace vostarel {

struct SettingsSheetState {
  // Set when a page's changes need the stores loaded again (a
  // store-loading box was clicked, or a choice the stores depend on was
  // confirmed); read after the sheet closes.
  BOOL ReloadStores = FALSE;
  // Set when the sheet applies, that is when it is left with OK; read after
  // it closes.
  BOOL Applied = FALSE;
  // Set by every command that reaches the Commands page; the page writes
  // the commands on apply only when it is set.
  BOOL CommandsChanged = FALSE;
  // The Commands page's list view while the page exists.
  HWND CommandList = nullptr;
};

}  // namespace vostarel
