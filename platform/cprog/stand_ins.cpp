#include "stand_ins.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "stand_in_counters.h"

namespace vostarel::cprog {
namespace {

constexpr const wchar_t* kStandInNames[] = {L"pimstore.dll", L"cellcore.dll", L"phone.dll"};
constexpr size_t kStandInCount = sizeof(kStandInNames) / sizeof(kStandInNames[0]);

// Loaded once and never freed (see stand_ins.h); a missing one stays null.
const HMODULE* StandInModules() {
  static HMODULE modules[kStandInCount] = {};
  static const bool loaded = [] {
    for (size_t i = 0; i < kStandInCount; ++i) modules[i] = LoadLibraryW(kStandInNames[i]);
    return true;
  }();
  (void)loaded;
  return modules;
}

template <class Function>
Function Export(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A counter of one stand-in; 0 when it or its export is missing.
long Counter(HMODULE module, const char* name) {
  const auto read = Export<LONG(WINAPI*)(void)>(module, name);
  return read != nullptr ? read() : 0;
}

std::wstring FaultsVariable() {
  const DWORD needed = GetEnvironmentVariableW(L"VOSTAREL_FAULTS", nullptr, 0);
  if (needed <= 1) return {};
  std::wstring value(needed, L'\0');
  const DWORD length = GetEnvironmentVariableW(L"VOSTAREL_FAULTS", value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

// The private bytes the process has committed. Windows reports them as
// both PrivateUsage and PagefileUsage; Wine fills in only the older
// PagefileUsage (from the Linux process's anonymous and swapped memory).
std::uint64_t PrivateKib() {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                            sizeof(memory))) {
    return 0;
  }
  return std::max<std::uint64_t>(memory.PrivateUsage, memory.PagefileUsage) / 1024;
}

// The bytes of the blocks in use in every heap of the process: what the
// library, the stand-ins and the C runtime hold, large blocks included.
// Under Wine the private memory also counts Wine's own memory on the Linux
// side (its graphics and font caches), which no heap walk sees.
std::uint64_t HeapKib() {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(static_cast<DWORD>(std::size(heaps)), heaps);
  std::uint64_t busy = 0;
  for (DWORD i = 0; i < count && i < std::size(heaps); ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) busy += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return busy / 1024;
}

}  // namespace

void HoldStandIns() { StandInModules(); }

StandInCounters ReadStandInCounters() {
  const HMODULE* modules = StandInModules();
  const HMODULE addressBook = modules[0];
  const HMODULE cellcore = modules[1];
  const HMODULE phone = modules[2];
  StandInCounters counters;
  counters.liveObjects = Counter(addressBook, "StandInLiveObjects");
  counters.openSimHandles = Counter(cellcore, "StandInOpenSimHandles");
  counters.openCallLogHandles = Counter(phone, "StandInOpenCallLogHandles");
  counters.outstandingStrings = Counter(phone, "StandInOutstandingStrings");
  counters.callLogOpens = Counter(phone, "StandInCallLogOpens");
  for (size_t i = 0; i < kStandInCount; ++i) {
    counters.faultsInjected += Counter(modules[i], "StandInFaultsInjected");
  }
  counters.privateKib = PrivateKib();
  counters.heapKib = HeapKib();
  return counters;
}

void SwitchStandInFaults(bool on) {
  const std::wstring plan = on ? FaultsVariable() : std::wstring();
  const HMODULE* modules = StandInModules();
  for (size_t i = 0; i < kStandInCount; ++i) {
    if (const auto set = Export<decltype(&StandInSetFaults)>(modules[i], "StandInSetFaults")) {
      set(plan.c_str());
    }
  }
}

}  // namespace vostarel::cprog
