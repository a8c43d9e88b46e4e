// The overlay's own popup menu (menu 102, first popup) and its commands:
// reload the stores, open the settings sheet, end the phone application.
#pragma once

#include <windows.h>

namespace vostarel {

struct DialHelper;

// Shows the overlay menu at (x, y), screen coordinates, and runs the chosen
// command. The menu is loaded on first use and kept for the process's life.
void ShowOverlayMenu(DialHelper& helper, int x, int y);
// Runs one overlay command; other IDs (0 for a dismissed menu) do nothing.
void RunOverlayCommand(DialHelper& helper, UINT commandId);

}  // namespace vostarel
