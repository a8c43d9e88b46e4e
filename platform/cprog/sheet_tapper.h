// Tapping a tab of a property sheet for --keys {SHEETTAB:N}: a thread timer
// waits for the next property sheet of this thread (a dialog with a tab
// control) and taps tab N as a user would, with the button going down and
// up on the tab.
#pragma once

namespace vostarel::cprog {

void ArmSheetTab(unsigned index);

}  // namespace vostarel::cprog
