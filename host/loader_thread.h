// The loader thread: fills the three stores of the main object, then waits
// for the phone application's dialer window and attaches to it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vostarel {

struct DialHelper;

// Exit codes of the loader thread.
inline constexpr DWORD kLoaderAttached = 1;
inline constexpr DWORD kLoaderGaveUp = 0;

// The thread's work: result count 0, the address book, the SIM phonebook
// and a full call-log load, in this order; then up to `polls` searches for
// the dialer window, `intervalMs` apart. Returns kLoaderAttached or
// kLoaderGaveUp. The thread itself always runs it with kDialerPollCount and
// kDialerPollIntervalMs.
DWORD RunLoader(DialHelper& helper, uint32_t polls, DWORD intervalMs);

// Starts the loader thread for g_mainObject and closes its handle. The
// thread holds a reference on the library, so that a FreeLibrary by the host
// can unmap neither the code it runs nor, once it has attached, the
// replacement procedures; it lets go only when it gives up. Returns whether
// the thread was started.
bool StartLoaderThread();

}  // namespace vostarel
