// The main object as the extension makes it: DialHelper together with the
// window layers' state it refers to, made and freed as one.
#pragma once

#include <windows.h>

#include "dial_helper.h"
#include "dialer_window_state.h"
#include "sheet_state.h"

namespace vostarel {

struct MainObject {
  explicit MainObject(HINSTANCE module) : Helper(module, Window, Sheet) {}

  // Declared before Helper, so that they exist when it is made and still
  // exist when it goes.
  DialerWindowState Window;
  SettingsSheetState Sheet;
  DialHelper Helper;
};

}  // namespace vostarel
