// Answering popup menus and message boxes for --keys {PICK:ID}: a thread
// timer looks for the popup menu that opens on this thread, notes its items
// and chooses the armed item as a user would (arrow keys, Enter), and closes
// message boxes captioned "Vostarel", noting their texts, and the address
// book's contact cards, noting the contact shown.
#pragma once

#include "dialer_window.h"

namespace vostarel::cprog {

// Arms the choice for the next popup menu; 0 dismisses it.
void ArmMenuChoice(Dialer& d, unsigned commandId);

}  // namespace vostarel::cprog
