// The settings sheet: five modal property pages over the main object's
// settings (General, Position, Spelling table, Commands, About), and the
// menu bars of the library's dialogs.
#pragma once

#include <windows.h>

namespace vostarel {

struct DialHelper;

// Page indexes in sheet order.
enum SettingsPage : int {
  kGeneralPage,
  kPositionPage,
  kSpellingPage,
  kCommandsPage,
  kAboutPage,
  kSettingsPageCount
};

// Shows the sheet modally over `parent`, starting at page `startPage`, and
// returns 0 once the user has left it with OK or Cancel. OK keeps and
// stores the choices of sheet_choices.h, Cancel takes them back. When a page
// set the reload mark, or a confirmed choice needs it, the three stores are
// loaded again before it returns.
// What else changed is reported in the main object for the caller to act
// on (helper.PlacementChanged: the result list goes to its new place). The
// sheet knows nothing of the result list's window.
int ShowSettingsSheet(DialHelper& helper, HWND parent, int startPage);

// Gives `window` a menu bar made from menu resource `resourceId` of the
// library (an empty bar for 0), with the SHCreateMenuBar `flags`. On a
// Pocket PC the window is made shorter by the bar's height. Returns the
// bar's window (null when none could be made), also stored in *menuBar.
HWND CreateMenuBar(HWND* menuBar, HWND window, UINT resourceId, DWORD flags);

}  // namespace vostarel
