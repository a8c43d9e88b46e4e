// DialHelper: the library's one main object. It holds the contact-index
// layer (settings, spelling context, the three stores and the result list)
// and refers to the window layers' state (what the overlay knows of the
// dialer and of its own result list, and what the settings sheet works with
// while it is open). Created at process attach in the phone application
// only, destroyed at process detach; reached through g_mainObject
// (process_values.h).
#pragma once

#include <windows.h>

#include "contact_index.h"
#include "settings.h"

namespace vostarel {

// The window layers' own state, each defined by its layer: the overlay's
// (the dialer, its number field and the result list) in
// overlay/dialer_window_state.h, the settings sheet's in
// settings/sheet/sheet_state.h. The main object refers to them without
// knowing them; whoever makes the main object makes them with it and keeps
// them as long (MainObject, host/main_object.h).
struct DialerWindowState;
struct SettingsSheetState;

struct DialHelper {
  // Loads the settings and the user dictionary, takes the index's label
  // texts from the module's strings 810..818, starts with empty stores, and
  // registers the shell's extra dialog controls. `window` and `sheet` must
  // outlive the object.
  DialHelper(HINSTANCE module, DialerWindowState& window, SettingsSheetState& sheet);
  // Frees the three store arrays, then the user dictionary.
  ~DialHelper();
  DialHelper(const DialHelper&) = delete;
  DialHelper& operator=(const DialHelper&) = delete;

  // Contact-index layer.
  Settings Options{};
  ContactIndex Index;  // spelling context, labels, the three stores, results
  // The window layers' state.
  DialerWindowState& Window;
  SettingsSheetState& Sheet;
  // What the settings sheet reports to whoever opened it (the overlay, which
  // the sheet does not know): set when the Position page saved a new
  // placement, so that the opener places the result list again after the
  // sheet closes.
  BOOL PlacementChanged = FALSE;
};

// Loads the nine label texts of the index from strings 810..818 of `module`.
// A string that cannot be loaded leaves its text empty.
void LoadIndexTexts(IndexTexts& texts, HINSTANCE module);

}  // namespace vostarel
