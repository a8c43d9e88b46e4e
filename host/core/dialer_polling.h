// How the loader thread waits for the dialer window. Header-only and
// platform-free, so the native tests cover it too.
#pragma once

#include <cstdint>

namespace vostarel {

// How often and how far apart the loader thread looks for the dialer
// window: about 1000 seconds in all.
inline constexpr uint32_t kDialerPollCount = 10000;
inline constexpr uint32_t kDialerPollIntervalMs = 100;

// The loader thread's wait for the dialer: up to `polls` times, search for
// it unless it is attached already; stop as soon as it is attached;
// otherwise wait and try again. Returns whether it got attached. The last
// failed poll is followed by a wait too, so giving up takes polls x interval.
template <typename IsAttached, typename Search, typename Wait>
bool PollForDialer(uint32_t polls, IsAttached&& isAttached, Search&& search, Wait&& wait) {
  for (uint32_t poll = 0; poll < polls; ++poll) {
    if (!isAttached()) search();
    if (isAttached()) return true;
    wait();
  }
  return false;
}

}  // namespace vostarel
