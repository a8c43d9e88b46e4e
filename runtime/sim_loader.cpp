// LoadSimPhonebook: the entries of the SIM's own phonebook, through the SIM
// manager.
#include "dial_helper.h"
#include "holders.h"
#include "device_sizes.h"
#include "process_values.h"
#include "simmgr.h"
#include "store_loaders.h"
#include "store_loading.h"
#include "win_text.h"

namespace vostarel {
namespace {

template <size_t N>
void TerminateAtEnd(WCHAR (&text)[N]) {
  text[N - 1] = 0;
}

// One SIM manager session, ended when the holder goes.
struct SimSessionTraits : NullMeansNone<HSIM> {
  static void Free(HSIM sim) noexcept { SimDeinitialize(sim); }
};
using SimSession = Holder<SimSessionTraits>;

SimSession StartSimSession() {
  HSIM sim = nullptr;
  return SimSession(SimInitialize(0, nullptr, 0, &sim) == S_OK ? sim : nullptr);
}

// Reads the slots into the store; `entry` is the one record every read
// reuses.
void ReadSlots(ContactIndex& index, HSIM sim, DWORD used, DWORD total) {
  SIMPHONEBOOKENTRY entry{};
  entry.cbSize = kSimPhonebookEntrySize;
  FillSimStore(index, used, total,
               [&](uint32_t slot, const char16_t*& name, const char16_t*& number) {
                 if (SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, slot, &entry) != S_OK) {
                   return false;
                 }
                 // The record's texts are fixed arrays; a full one is cut
                 // rather than read past its end.
                 TerminateAtEnd(entry.lpszAddress);
                 TerminateAtEnd(entry.lpszText);
                 name = AsUtf16(entry.lpszText);
                 number = AsUtf16(entry.lpszAddress);
                 return true;
               });
}

}  // namespace

void LoadSimPhonebook(DialHelper& helper) {
  ContactIndex& index = helper.Index;
  index.Results.Count = 0;
  index.Sim.Release();
  if ((helper.Options.Flags & SettingsFlags::kLoadSim) == 0) return;

  const SimSession session = StartSimSession();
  if (!session) return;
  DWORD used = 0;
  DWORD total = 0;
  if (SimGetPhonebookStatus(session.Get(), SIM_PBSTORAGE_SIM, &used, &total) != S_OK) return;
  ReadSlots(index, session.Get(), used, total);
}

void LoadSimPhonebook() {
  if (g_mainObject != nullptr) LoadSimPhonebook(*g_mainObject);
}

}  // namespace vostarel
