// Acting on the next property sheet for --keys {SHEETTAB:N} and
// {SHEETCANCEL}: a thread timer waits for the next property sheet of this
// thread (a dialog with a tab control), taps tab N as a user would, with the
// button going down and up on the tab, and then presses the sheet's Cancel.
// Either may be armed alone; armed together, the tab comes first.
#pragma once

namespace vostarel::cprog {

void ArmSheetTab(unsigned index);
void ArmSheetCancel();

}  // namespace vostarel::cprog
