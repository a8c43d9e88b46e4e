// The three readers that fill the stores of the main object from the phone's
// own data: the address book (COM), the SIM phonebook (SIM manager) and the
// call log (phone library). Each first empties its store, then reads its
// source only when its option bit is set (0x1000, 0x2000, 0x4000). Failures
// end a reader quietly; whatever it obtained from the platform is released
// on the way out.
#pragma once

namespace vostarel {

struct DialHelper;

void LoadAddressBook(DialHelper& helper);
void LoadSimPhonebook(DialHelper& helper);
// refresh false: a full load. refresh true: the store is read again only
// when the log's record count differs from g_lastCallLogSize.
void LoadCallLog(DialHelper& helper, bool refresh);

// Loads all three stores again in their order (a full load of the call log),
// emptying the result list first: no row may be drawn from a store array
// while it is replaced. The overlay menu's reload and the settings sheet use
// it; the loader thread's first load runs before any row can be drawn.
void ReloadStores(DialHelper& helper);

// When the rows are ordered by calls, counts the calls of the stores just
// loaded, so that the first key typed does not wait for it.
void CountCallsIfOrdered(DialHelper& helper);

// The same on the main object; nothing happens while there is none.
void LoadAddressBook();
void LoadSimPhonebook();
void LoadCallLog(bool refresh);

}  // namespace vostarel
