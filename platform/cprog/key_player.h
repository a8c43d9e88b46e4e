// --keys: typing into the dialer as a person would, one key at a time.
#pragma once

#include <windows.h>

#include <vector>

#include "core/key_sequence.h"
#include "dialer_window.h"

namespace vostarel::cprog {

// Dispatches everything queued for this thread (no translation: the key
// player posts WM_CHAR itself). False when WM_QUIT came (it is re-posted).
bool DrainMessages();

// Waits, dispatching messages, until an extension has replaced the dialer
// window's procedure (true) or timeoutMs passes (false).
bool WaitForAttach(const Dialer& d, DWORD timeoutMs);

// Posts each key to the dialer as real input and drains the queue after
// each one. Stops early when the message loop is told to quit; when all
// keys have played, marks the dialer window with kKeysPlayedProperty.
void PlayKeys(Dialer& d, const std::vector<Key>& keys);

}  // namespace vostarel::cprog
