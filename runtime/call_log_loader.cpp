// LoadCallLog: the call log's records, newest first, through the phone
// library's call-log functions.
#include <utility>

#include "dial_helper.h"
#include "holders.h"
#include "device_sizes.h"
#include "phone.h"
#include "process_values.h"
#include "store_loaders.h"
#include "store_loading.h"
#include "win_text.h"

namespace vostarel {
namespace {

// One open call log, closed when the holder goes.
struct CallLogTraits : NullMeansNone<HANDLE> {
  static void Free(HANDLE log) noexcept { PhoneCloseCallLog(log); }
};
using CallLogHandle = Holder<CallLogTraits>;

CallLogHandle OpenCallLog() {
  HANDLE log = nullptr;
  return CallLogHandle(PhoneOpenCallLog(&log) == S_OK ? log : nullptr);
}

void ReadRecords(ContactIndex& index, HANDLE log) {
  CALLLOGENTRY entry{};
  entry.cbSize = kCallLogEntrySize;
  DWORD position = 0;
  PhoneSeekCallLog(log, CALLLOGSEEK_BEGINNING, 0, &position);
  while (PhoneGetCallLogEntry(log, &entry) == S_OK) {
    // The four strings of one read are freed when this round ends; the
    // record's fields are cleared so that a later failed read cannot hand
    // the same pointers out twice.
    const LocalMemory<PWSTR> number(std::exchange(entry.pszNumber, nullptr));
    const LocalMemory<PWSTR> name(std::exchange(entry.pszName, nullptr));
    const LocalMemory<PWSTR> note(std::exchange(entry.pszNote, nullptr));
    const LocalMemory<PWSTR> nameType(std::exchange(entry.pszNameType, nullptr));
    if (number.Get() != nullptr && number.Get()[0] != 0) {
      AddCallLogEntry(index, AsUtf16(name.Get()), AsUtf16(number.Get()));
    }
  }
}

}  // namespace

void LoadCallLog(DialHelper& helper, bool refresh) {
  ContactIndex& index = helper.Index;
  if (!refresh) {
    index.Results.Count = 0;
    index.CallLog.Release();
  }
  if ((helper.Options.Flags & SettingsFlags::kLoadCallLog) == 0) return;

  const CallLogHandle log = OpenCallLog();
  if (!log) return;
  DWORD lastIndex = 0;
  if (PhoneSeekCallLog(log.Get(), CALLLOGSEEK_END, 0, &lastIndex) != S_OK) return;
  const uint32_t size = lastIndex + 1;

  const bool hadArray = index.CallLog.Capacity() > 0;
  if (PlanCallLogLoad(index.CallLog, size, g_lastCallLogSize, refresh) == CallLogStep::KeepStore) {
    return;
  }
  // A refresh that found a new size has just released the array the result
  // list may point into.
  if (hadArray) index.Results.Count = 0;
  if (!index.CallLog.Reset(g_lastCallLogSize)) return;
  ReadRecords(index, log.Get());
}

void LoadCallLog(bool refresh) {
  if (g_mainObject != nullptr) LoadCallLog(*g_mainObject, refresh);
}

}  // namespace vostarel
