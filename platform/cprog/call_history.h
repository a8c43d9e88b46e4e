// The call history: the records of calllog.txt, newest first, in a small
// window over the dialer.
#pragma once

#include <windows.h>

#include "dialer_look.h"

namespace vostarel::cprog {

// Opens the history window (or brings the open one forward, re-read).
void ShowCallHistory(HWND owner, const DialerLook& look);

}  // namespace vostarel::cprog
