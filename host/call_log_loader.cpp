// LoadCallLog: the call log's records, newest first, through the phone
// library's call-log functions.
#include "dial_helper.h"
#include "device_sizes.h"
#include "phone.h"
#include "process_values.h"
#include "store_loaders.h"
#include "store_loading.h"
#include "win_text.h"

namespace vostarel {
namespace {

// One open call log, closed when the holder goes.
class OpenCallLog {
 public:
  OpenCallLog() {
    if (PhoneOpenCallLog(&handle_) != S_OK) handle_ = nullptr;
  }
  OpenCallLog(const OpenCallLog&) = delete;
  OpenCallLog& operator=(const OpenCallLog&) = delete;
  ~OpenCallLog() {
    if (handle_ != nullptr) PhoneCloseCallLog(handle_);
  }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_ = nullptr;
};

// The four strings one successful read hands over, freed with LocalFree when
// the holder goes; the record's fields are cleared so that a later failed
// read cannot hand the same pointers out twice.
class RecordStrings {
 public:
  explicit RecordStrings(CALLLOGENTRY& entry) : entry_(entry) {}
  RecordStrings(const RecordStrings&) = delete;
  RecordStrings& operator=(const RecordStrings&) = delete;
  ~RecordStrings() {
    for (PWSTR* text : {&entry_.pszNumber, &entry_.pszName, &entry_.pszNote, &entry_.pszNameType}) {
      if (*text != nullptr) LocalFree(*text);
      *text = nullptr;
    }
  }

 private:
  CALLLOGENTRY& entry_;
};

void ReadRecords(ContactIndex& index, HANDLE log) {
  CALLLOGENTRY entry{};
  entry.cbSize = kCallLogEntrySize;
  DWORD position = 0;
  PhoneSeekCallLog(log, CALLLOGSEEK_BEGINNING, 0, &position);
  while (PhoneGetCallLogEntry(log, &entry) == S_OK) {
    const RecordStrings strings(entry);
    if (entry.pszNumber != nullptr && entry.pszNumber[0] != 0) {
      AddCallLogEntry(index, AsUtf16(entry.pszName), AsUtf16(entry.pszNumber));
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

  const OpenCallLog log;
  if (log.Get() == nullptr) return;
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
