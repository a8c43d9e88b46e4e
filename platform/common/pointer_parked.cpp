// Linked into the stand-in phone application and every Windows test program:
// before anything else runs, the pointer is moved to the bottom-right corner
// of the screen, as a stylus is off the screen until it presses.
//
// Under Wine a window that appears or moves under the pointer is told that
// the pointer moved into it, as on Windows. A pointer left where an earlier
// program put it then lands inside the next program's windows: a made-up
// mouse move far from a tap ends a tap-and-hold early, and a popup menu that
// opens under the pointer selects the item there before any key arrives.
// No test window reaches the corner.
#include <windows.h>

namespace {

const bool g_pointerParked = [] {
  const int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
  const int bottom = GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
  return SetCursorPos(right, bottom) != FALSE;
}();

}  // namespace
