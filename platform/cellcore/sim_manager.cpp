// The SIM manager's phonebook calls, backed by sim.txt in the device data
// folder.
//
// SimInitialize reads the file and the handle keeps what it read, so one
// session sees one consistent phonebook. Without the file the session is a
// phone without a SIM: SimInitialize succeeds, as it does on a device, and
// the phonebook calls fail with SIM_E_SIMNOTINSERTED. Only the SIM's own
// storage (SIM_PBSTORAGE_SIM) has entries; the other known storages are
// empty, unknown ones are refused with SIM_E_BADPARAM.
//
// SimInitialize, SimGetPhonebookStatus and SimReadPhonebookEntry can fail on
// purpose (fault_injection.h): SimInitialize as a SIM that is not ready yet,
// the other two as a busy SIM; each has changed nothing then, out-parameters
// included.
#include <memory>
#include <string>

#include "device_folder.h"
#include "device_sizes.h"
#include "fault_injection.h"
#include "handle_table.h"
#include "sim_file.h"
#include "simmgr.h"
#include "stand_in_counters.h"
#include "text.h"
#include "win_text.h"

namespace {

using vostarel::device::SimPhonebook;
using vostarel::device::SimSlot;
using vostarel::faults::FaultPoint;
using vostarel::faults::InjectFault;

struct SimSession {
  bool SimPresent = false;
  SimPhonebook Phonebook;
};

vostarel::platform::HandleTable<SimSession> g_sessions;

bool IsKnownStorage(DWORD location) {
  switch (location) {
    case SIM_PBSTORAGE_EMERGENCY:
    case SIM_PBSTORAGE_FIXEDDIALING:
    case SIM_PBSTORAGE_LASTDIALING:
    case SIM_PBSTORAGE_OWNNUMBERS:
    case SIM_PBSTORAGE_SIM:
    case SIM_PBSTORAGE_SERVICEDIALING:
      return true;
    default:
      return false;
  }
}

std::unique_ptr<SimSession> ReadSession() {
  auto session = std::make_unique<SimSession>();
  std::string bytes;
  if (vostarel::platform::ReadFileBytes(
          vostarel::platform::DeviceDataPath(vostarel::platform::kSimFileName), &bytes)) {
    session->SimPresent = true;
    session->Phonebook = vostarel::device::ParseSimFile(bytes);
  }
  return session;
}

void FillEntry(const SimSlot& slot, SIMPHONEBOOKENTRY* entry) {
  entry->dwParams = SIM_PARAM_PBE_ALL;
  vostarel::CopyText(vostarel::AsUtf16(entry->lpszAddress), MAX_LENGTH_ADDRESS,
                     slot.Number.c_str());
  vostarel::CopyText(vostarel::AsUtf16(entry->lpszText), MAX_LENGTH_PHONEBOOKENTRYTEXT,
                     slot.Name.c_str());
  entry->dwAddressType =
      (!slot.Number.empty() && slot.Number[0] == u'+') ? SIM_ADDRTYPE_INTERNATIONAL
                                                       : SIM_ADDRTYPE_UNKNOWN;
  entry->dwNumPlan = SIM_NUMPLAN_TELEPHONE;
}

}  // namespace

extern "C" HRESULT SimInitialize(DWORD, SIMCALLBACK, DWORD, LPHSIM lphSim) {
  if (InjectFault(FaultPoint::SimInitialize)) return SIM_E_NOTREADY;
  if (lphSim == nullptr) return SIM_E_BADPARAM;
  *lphSim = nullptr;
  try {
    const HANDLE handle = g_sessions.Add(ReadSession());
    if (handle == nullptr) return E_OUTOFMEMORY;
    *lphSim = handle;
    return S_OK;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

extern "C" HRESULT SimDeinitialize(HSIM hSim) {
  return g_sessions.Remove(hSim) ? S_OK : SIM_E_BADPARAM;
}

extern "C" HRESULT SimGetPhonebookStatus(HSIM hSim, DWORD dwLocation, LPDWORD lpdwUsed,
                                         LPDWORD lpdwTotal) {
  if (InjectFault(FaultPoint::SimGetPhonebookStatus)) return SIM_E_SIMBUSY;
  if (lpdwUsed == nullptr || lpdwTotal == nullptr || !IsKnownStorage(dwLocation)) {
    return SIM_E_BADPARAM;
  }
  HRESULT result = SIM_E_BADPARAM;
  g_sessions.With(hSim, [&](SimSession& session) {
    if (!session.SimPresent) {
      result = SIM_E_SIMNOTINSERTED;
      return;
    }
    const bool sim = dwLocation == SIM_PBSTORAGE_SIM;
    *lpdwUsed = sim ? session.Phonebook.UsedSlots() : 0;
    *lpdwTotal = sim ? session.Phonebook.TotalSlots : 0;
    result = S_OK;
  });
  return result;
}

// A slot index outside 1..total fails with SIM_E_INVALIDINDEX, a slot in
// range that is not in use with SIM_E_NOTFOUND; the record is then left as
// it was.
extern "C" HRESULT SimReadPhonebookEntry(HSIM hSim, DWORD dwLocation, DWORD dwIndex,
                                         LPSIMPHONEBOOKENTRY lpPhonebookEntry) {
  if (InjectFault(FaultPoint::SimReadPhonebookEntry)) return SIM_E_SIMBUSY;
  if (lpPhonebookEntry == nullptr || lpPhonebookEntry->cbSize != kSimPhonebookEntrySize ||
      !IsKnownStorage(dwLocation)) {
    return SIM_E_BADPARAM;
  }
  HRESULT result = SIM_E_BADPARAM;
  g_sessions.With(hSim, [&](SimSession& session) {
    if (!session.SimPresent) {
      result = SIM_E_SIMNOTINSERTED;
      return;
    }
    const uint32_t total = dwLocation == SIM_PBSTORAGE_SIM ? session.Phonebook.TotalSlots : 0;
    if (dwIndex == 0 || dwIndex > total) {
      result = SIM_E_INVALIDINDEX;
      return;
    }
    const SimSlot* slot = session.Phonebook.Find(dwIndex);
    if (slot == nullptr) {
      result = SIM_E_NOTFOUND;
      return;
    }
    FillEntry(*slot, lpPhonebookEntry);
    result = S_OK;
  });
  return result;
}

extern "C" LONG WINAPI StandInOpenSimHandles(void) { return g_sessions.Count(); }
