// The command editor: a small modal dialog (template 115) that edits one
// user command for the Commands page, with the macros offered from a menu.
#pragma once

#include <windows.h>

#include "settings.h"

namespace vostarel {

// What the editor returns.
inline constexpr INT_PTR kEditorSaved = IDOK;         // the record holds the edited command
inline constexpr INT_PTR kEditorCancelled = IDCANCEL;  // the record is to be ignored

// Edits `record` in the editor, owned by `owner`, and returns once the user
// has left it. Returns kEditorSaved when `record` holds the edited command;
// any other result (kEditorCancelled, or a dialog that could not be made)
// means the record is to be ignored. Only one editor is open at a time.
INT_PTR RunCommandEditor(HWND owner, MenuCommand& record);

}  // namespace vostarel
