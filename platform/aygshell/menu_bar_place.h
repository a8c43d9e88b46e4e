// Inside aygshell.dll: putting a window's menu bar back under the window
// after the window has been moved or sized (SHInitDialog does that).
#pragma once

#include <windows.h>

namespace vostarel::aygshell {

// Places the bar that SHCreateMenuBar made for `parent` right below the
// parent's window, as wide as its client area, and shares that width out
// among the bar's buttons again. Nothing when the parent has no bar.
void PlaceMenuBarUnder(HWND parent);

}  // namespace vostarel::aygshell
