#include "local_strings.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

#include "fault_injection.h"

namespace vostarel::phone {
namespace {

struct HandedOut {
  const void* Address;
  SIZE_T Bytes;
  uint64_t Checksum;
};

std::mutex g_lock;
std::vector<HandedOut> g_handedOut;  // guarded by g_lock

// Above this many remembered strings the freed ones are forgotten first, so
// that a long-running caller does not make the list grow without end.
constexpr size_t kPruneThreshold = 4096;

uint64_t Checksum(const void* data, SIZE_T bytes) {
  uint64_t hash = 1469598103934665603ull;  // FNV-1a
  const unsigned char* at = static_cast<const unsigned char*>(data);
  for (SIZE_T i = 0; i < bytes; ++i) {
    hash ^= at[i];
    hash *= 1099511628211ull;
  }
  return hash;
}

bool StillHeld(const HandedOut& string) {
  // LocalSize is 0 for a pointer that is no live block; only then is it safe
  // to read the bytes.
  if (LocalSize(const_cast<void*>(string.Address)) != string.Bytes) return false;
  return Checksum(string.Address, string.Bytes) == string.Checksum;
}

void PruneFreed() {
  g_handedOut.erase(std::remove_if(g_handedOut.begin(), g_handedOut.end(),
                                   [](const HandedOut& string) { return !StillHeld(string); }),
                    g_handedOut.end());
}

}  // namespace

PWSTR HandOutString(const std::u16string& text, bool* failed) {
  if (text.empty() || *failed) return nullptr;
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  PWSTR copy = faults::InjectFault(faults::FaultPoint::LocalAlloc)
                   ? nullptr
                   : static_cast<PWSTR>(LocalAlloc(LMEM_FIXED, bytes));
  if (copy == nullptr) {
    *failed = true;
    return nullptr;
  }
  std::memcpy(copy, text.c_str(), bytes);
  try {
    std::lock_guard<std::mutex> hold(g_lock);
    // An address handed out before and now handed out again was freed in
    // between: the old entry is stale.
    g_handedOut.erase(std::remove_if(g_handedOut.begin(), g_handedOut.end(),
                                     [&](const HandedOut& s) { return s.Address == copy; }),
                      g_handedOut.end());
    if (g_handedOut.size() >= kPruneThreshold) PruneFreed();
    g_handedOut.push_back(HandedOut{copy, bytes, Checksum(copy, bytes)});
  } catch (...) {
    LocalFree(copy);
    *failed = true;
    return nullptr;
  }
  return copy;
}

void TakeBackString(PWSTR text) {
  if (text == nullptr) return;
  {
    std::lock_guard<std::mutex> hold(g_lock);
    g_handedOut.erase(std::remove_if(g_handedOut.begin(), g_handedOut.end(),
                                     [&](const HandedOut& s) { return s.Address == text; }),
                      g_handedOut.end());
  }
  LocalFree(text);
}

LONG OutstandingStrings() {
  std::lock_guard<std::mutex> hold(g_lock);
  PruneFreed();
  return static_cast<LONG>(g_handedOut.size());
}

}  // namespace vostarel::phone
