// The device shows the settings sheet over the whole screen above the menu
// bar, with no buttons of its own (OK and Cancel are on the menu bar). The
// desktop property sheet has neither that flag nor that look, so the sheet
// callback calls this once the sheet exists: it hides the sheet's own
// buttons, moves the sheet over its owner's screen area (the phone
// application's client area, which is the phone's screen here), stretches
// the tabs over it and sizes each page to the tabs' display area as the page
// is shown.
#pragma once

#include <windows.h>

namespace vostarel {

void FitSheetToPhoneScreen(HWND sheet);

}  // namespace vostarel
