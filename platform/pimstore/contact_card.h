// IContact::Display: the contact's card, and the record of what it showed.
//
// On the platform Display shows the contact's summary card and returns when
// the user dismisses it. The stand-in shows a message box, owned by the
// window given to Logon when that is still a window, titled with the
// contact's FileAs (or "Contact" when it has none) and listing the FileAs and
// every number with its kind. Before showing it, Display records the
// contact's Oid and FileAs and counts itself, so that tests (and the test
// exports StandInDisplayCount and StandInLastDisplayed) can see what was
// shown while the card is still up. A test dismisses the card by sending it
// IDOK or WM_CLOSE from another thread.
#pragma once

#include <windows.h>

#include "vcard.h"

namespace vostarel::pimstore {

HRESULT ShowContactCard(const device::VCardContact& contact, HWND owner);

}  // namespace vostarel::pimstore
