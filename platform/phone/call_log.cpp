// The call-log functions, backed by calllog.txt in the device data folder.
//
// PhoneOpenCallLog reads the file, and the handle keeps what it read, so one
// open log does not change under its reader; a missing file is an empty log.
// The file holds numbers and names only, so every record reads as an
// outgoing, connected and ended call at time 0, with caller ID available
// when it has a number and unavailable when not.
//
// PhoneOpenCallLog, PhoneSeekCallLog, PhoneGetCallLogEntry and the strings
// it allocates can fail on purpose (fault_injection.h): the call then
// returns E_FAIL (E_OUTOFMEMORY for a string) and has changed nothing, out-
// parameters and the log's position included.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "calllog_file.h"
#include "device_folder.h"
#include "device_sizes.h"
#include "fault_injection.h"
#include "handle_table.h"
#include "local_strings.h"
#include "phone.h"
#include "stand_in_counters.h"

namespace {

using vostarel::device::CallRecord;
using vostarel::faults::FaultPoint;
using vostarel::faults::InjectFault;

struct CallLogSession {
  std::vector<CallRecord> Records;  // newest first
  size_t Position = 0;              // the next record PhoneGetCallLogEntry reads
};

vostarel::platform::HandleTable<CallLogSession> g_logs;
LONG g_opens = 0;  // logs opened, for StandInCallLogOpens

// TRUE in a one-bit BOOL field, which holds 0 and -1.
constexpr BOOL kBitFieldTrue = -1;

std::unique_ptr<CallLogSession> ReadSession() {
  auto session = std::make_unique<CallLogSession>();
  std::string bytes;
  if (vostarel::platform::ReadFileBytes(
          vostarel::platform::DeviceDataPath(vostarel::platform::kCallLogFileName), &bytes)) {
    session->Records = vostarel::device::ParseCallLog(bytes);
  }
  return session;
}

// Hands out the record's strings into *entry; on a memory failure nothing is
// handed out and the entry is unchanged.
bool FillEntry(const CallRecord& record, CALLLOGENTRY* entry) {
  using vostarel::phone::HandOutString;
  using vostarel::phone::TakeBackString;
  bool failed = false;
  PWSTR number = HandOutString(record.Number, &failed);
  PWSTR name = HandOutString(record.Name, &failed);
  PWSTR nameType = HandOutString(record.NameType, &failed);
  PWSTR note = HandOutString(record.Note, &failed);
  if (failed) {
    for (PWSTR text : {number, name, nameType, note}) TakeBackString(text);
    return false;
  }
  entry->ftStartTime = FILETIME{};
  entry->ftEndTime = FILETIME{};
  entry->iom = IOM_OUTGOING;
  entry->fOutgoing = kBitFieldTrue;
  entry->fConnected = kBitFieldTrue;
  entry->fEnded = kBitFieldTrue;
  entry->fRoam = FALSE;
  entry->cidt = number != nullptr ? CALLERIDTYPE_AVAILABLE : CALLERIDTYPE_UNAVAILABLE;
  entry->pszNumber = number;
  entry->pszName = name;
  entry->pszNameType = nameType;
  entry->pszNote = note;
  return true;
}

}  // namespace

extern "C" HRESULT PhoneOpenCallLog(HANDLE* ph) {
  if (InjectFault(FaultPoint::PhoneOpenCallLog)) return E_FAIL;
  if (ph == nullptr) return E_INVALIDARG;
  *ph = nullptr;
  try {
    const HANDLE handle = g_logs.Add(ReadSession());
    if (handle == nullptr) return E_FAIL;
    InterlockedIncrement(&g_opens);
    *ph = handle;
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

extern "C" HRESULT PhoneCloseCallLog(HANDLE h) { return g_logs.Remove(h) ? S_OK : E_INVALIDARG; }

// Seeking in an empty log, or to a record the log does not have, fails with
// E_FAIL and leaves the position where it was.
extern "C" HRESULT PhoneSeekCallLog(HANDLE h, CALLLOGSEEK seek, DWORD iRecord, LPDWORD piRecord) {
  if (InjectFault(FaultPoint::PhoneSeekCallLog)) return E_FAIL;
  if (seek != CALLLOGSEEK_BEGINNING && seek != CALLLOGSEEK_END) return E_INVALIDARG;
  HRESULT result = E_INVALIDARG;
  g_logs.With(h, [&](CallLogSession& log) {
    const size_t count = log.Records.size();
    if (iRecord >= count) {
      result = E_FAIL;
      return;
    }
    const size_t target = seek == CALLLOGSEEK_BEGINNING ? iRecord : count - 1 - iRecord;
    log.Position = target;
    if (piRecord != nullptr) *piRecord = static_cast<DWORD>(target);
    result = S_OK;
  });
  return result;
}

extern "C" HRESULT PhoneGetCallLogEntry(HANDLE h, PCALLLOGENTRY pentry) {
  if (InjectFault(FaultPoint::PhoneGetCallLogEntry)) return E_FAIL;
  if (pentry == nullptr || pentry->cbSize != kCallLogEntrySize) return E_INVALIDARG;
  HRESULT result = E_INVALIDARG;
  g_logs.With(h, [&](CallLogSession& log) {
    if (log.Position >= log.Records.size()) {
      result = S_FALSE;
      return;
    }
    if (!FillEntry(log.Records[log.Position], pentry)) {
      result = E_OUTOFMEMORY;
      return;
    }
    ++log.Position;
    result = S_OK;
  });
  return result;
}

extern "C" LONG WINAPI StandInOpenCallLogHandles(void) { return g_logs.Count(); }

extern "C" LONG WINAPI StandInCallLogOpens(void) { return InterlockedCompareExchange(&g_opens, 0, 0); }

extern "C" LONG WINAPI StandInOutstandingStrings(void) {
  return vostarel::phone::OutstandingStrings();
}
