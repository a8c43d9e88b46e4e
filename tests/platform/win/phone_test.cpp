// phone.dll: the call log read as the library reads it, with every handed-out
// string freed by the caller, and the log's size from a seek to its end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device_call_log.h"
#include "device_folder.h"
#include "device_sizes.h"
#include "phone.h"
#include "stand_in_counters.h"
#include "stand_in_environment.h"

namespace vostarel::testing {
namespace {

const PWSTR kUntouched = reinterpret_cast<PWSTR>(0xdeadbeef);

std::wstring TextOf(PCWSTR text) { return text == nullptr ? L"<null>" : std::wstring(text); }

struct LogRead {
  DWORD Size = 0;
  std::vector<std::wstring> Numbers;  // as handed out, "<null>" when absent
  std::vector<std::wstring> Names;
};

// The library's full call-log load.
LogRead LoadCallLog() {
  LogRead read;
  HANDLE log = nullptr;
  EXPECT_EQ(PhoneOpenCallLog(&log), S_OK);
  DWORD last = 0;
  if (PhoneSeekCallLog(log, CALLLOGSEEK_END, 0, &last) == S_OK) {
    read.Size = last + 1;
    CALLLOGENTRY entry{};
    entry.cbSize = kCallLogEntrySize;
    DWORD first = 99;
    PhoneSeekCallLog(log, CALLLOGSEEK_BEGINNING, 0, &first);
    EXPECT_EQ(first, 0u);
    HRESULT result;
    while ((result = PhoneGetCallLogEntry(log, &entry)) == S_OK) {
      read.Numbers.push_back(TextOf(entry.pszNumber));
      read.Names.push_back(TextOf(entry.pszName));
      for (PWSTR text : {entry.pszNumber, entry.pszName, entry.pszNote, entry.pszNameType}) {
        if (text != nullptr) LocalFree(text);
      }
    }
    EXPECT_EQ(result, S_FALSE) << "the end of the log";
  }
  EXPECT_EQ(PhoneCloseCallLog(log), S_OK);
  return read;
}

TEST(PhoneCallLog, LibraryLoadReadsEveryRecordAndLeavesNothingBehind) {
  WriteDeviceFile(platform::kCallLogFileName,
                  "0100\tAlice\tm\tnote\r\n\tHidden caller\r\n\r\n0300\r\n");
  const LogRead read = LoadCallLog();
  EXPECT_EQ(read.Size, 3u) << "a record without a number counts, a blank line does not";
  EXPECT_EQ(read.Numbers, (std::vector<std::wstring>{L"0100", L"<null>", L"0300"}));
  EXPECT_EQ(read.Names, (std::vector<std::wstring>{L"Alice", L"Hidden caller", L"<null>"}));
  EXPECT_EQ(StandInOutstandingStrings(), 0);
  EXPECT_EQ(StandInOpenCallLogHandles(), 0);
}

TEST(PhoneCallLog, StringsNotFreedAreCountedUntilFreed) {
  WriteDeviceFile(platform::kCallLogFileName, "0100\tAlice\tm\tnote\r\n0200\r\n");
  HANDLE log = nullptr;
  ASSERT_EQ(PhoneOpenCallLog(&log), S_OK);
  EXPECT_EQ(StandInOpenCallLogHandles(), 1);
  CALLLOGENTRY entry{};
  entry.cbSize = kCallLogEntrySize;
  ASSERT_EQ(PhoneGetCallLogEntry(log, &entry), S_OK);
  EXPECT_EQ(TextOf(entry.pszNameType), L"m");
  EXPECT_EQ(TextOf(entry.pszNote), L"note");
  EXPECT_EQ(StandInOutstandingStrings(), 4);
  LocalFree(entry.pszNumber);
  LocalFree(entry.pszName);
  EXPECT_EQ(StandInOutstandingStrings(), 2);
  LocalFree(entry.pszNameType);
  LocalFree(entry.pszNote);

  // The record is reused: fields the next record lacks become null.
  entry.pszName = entry.pszNameType = entry.pszNote = kUntouched;
  ASSERT_EQ(PhoneGetCallLogEntry(log, &entry), S_OK);
  EXPECT_EQ(TextOf(entry.pszNumber), L"0200");
  EXPECT_EQ(entry.pszName, nullptr);
  EXPECT_EQ(entry.pszNameType, nullptr);
  EXPECT_EQ(entry.pszNote, nullptr);
  EXPECT_EQ(entry.cidt, CALLERIDTYPE_AVAILABLE);
  EXPECT_EQ(StandInOutstandingStrings(), 1);
  LocalFree(entry.pszNumber);
  EXPECT_EQ(StandInOutstandingStrings(), 0);
  EXPECT_EQ(PhoneCloseCallLog(log), S_OK);
}

TEST(PhoneCallLog, SeeksCountFromEitherEndAndFailOutsideTheLog) {
  WriteDeviceFile(platform::kCallLogFileName, "1\n2\n3\n4\n");
  HANDLE log = nullptr;
  ASSERT_EQ(PhoneOpenCallLog(&log), S_OK);
  DWORD index = 99;
  EXPECT_EQ(PhoneSeekCallLog(log, CALLLOGSEEK_END, 1, &index), S_OK);
  EXPECT_EQ(index, 2u);
  CALLLOGENTRY entry{};
  entry.cbSize = kCallLogEntrySize;
  ASSERT_EQ(PhoneGetCallLogEntry(log, &entry), S_OK);
  EXPECT_EQ(TextOf(entry.pszNumber), L"3");
  LocalFree(entry.pszNumber);

  index = 99;
  EXPECT_EQ(PhoneSeekCallLog(log, CALLLOGSEEK_BEGINNING, 4, &index), E_FAIL);
  EXPECT_EQ(PhoneSeekCallLog(log, CALLLOGSEEK_END, 4, &index), E_FAIL);
  EXPECT_EQ(index, 99u) << "a failed seek reports nothing";
  EXPECT_EQ(PhoneSeekCallLog(log, static_cast<CALLLOGSEEK>(3), 0, &index), E_INVALIDARG);
  EXPECT_EQ(PhoneSeekCallLog(log, CALLLOGSEEK_BEGINNING, 3, nullptr), S_OK);
  ASSERT_EQ(PhoneGetCallLogEntry(log, &entry), S_OK);
  EXPECT_EQ(TextOf(entry.pszNumber), L"4");
  LocalFree(entry.pszNumber);
  EXPECT_EQ(PhoneGetCallLogEntry(log, &entry), S_FALSE);
  EXPECT_EQ(PhoneCloseCallLog(log), S_OK);

  // Without the file the log is empty: it opens, but has no end to seek to.
  RemoveDeviceFile(platform::kCallLogFileName);
  ASSERT_EQ(PhoneOpenCallLog(&log), S_OK);
  EXPECT_EQ(PhoneSeekCallLog(log, CALLLOGSEEK_END, 0, &index), E_FAIL);
  EXPECT_EQ(index, 99u);
  EXPECT_EQ(PhoneGetCallLogEntry(log, &entry), S_FALSE);
  EXPECT_EQ(PhoneCloseCallLog(log), S_OK);
}

TEST(PhoneCallLog, BadArgumentsAreRefusedWithoutTouchingTheRecord) {
  WriteDeviceFile(platform::kCallLogFileName, "1\n");
  HANDLE log = nullptr;
  ASSERT_EQ(PhoneOpenCallLog(&log), S_OK);
  CALLLOGENTRY entry{};
  // Any size but this build's record size is refused: on x86_64 that includes
  // the device's own, which the i686 build shares.
  for (const DWORD wrongSize : {DWORD{0}, kCallLogEntrySize - 4, kCallLogEntrySize + 4,
                                DWORD{DEVICE_CALLLOGENTRY_SIZE}}) {
    if (wrongSize == kCallLogEntrySize) continue;
    entry.pszNumber = kUntouched;
    entry.cbSize = wrongSize;
    EXPECT_EQ(PhoneGetCallLogEntry(log, &entry), E_INVALIDARG) << "size " << wrongSize;
    EXPECT_EQ(entry.pszNumber, kUntouched) << "size " << wrongSize;
  }
  entry.cbSize = kCallLogEntrySize;
  EXPECT_EQ(PhoneGetCallLogEntry(nullptr, &entry), E_INVALIDARG);
  int onStack = 0;
  EXPECT_EQ(PhoneGetCallLogEntry(&onStack, &entry), E_INVALIDARG);
  EXPECT_EQ(PhoneGetCallLogEntry(log, nullptr), E_INVALIDARG);
  EXPECT_EQ(PhoneOpenCallLog(nullptr), E_INVALIDARG);
  EXPECT_EQ(PhoneCloseCallLog(log), S_OK);
  EXPECT_EQ(PhoneCloseCallLog(log), E_INVALIDARG);
  EXPECT_EQ(PhoneSeekCallLog(log, CALLLOGSEEK_END, 0, nullptr), E_INVALIDARG);
  EXPECT_EQ(StandInOpenCallLogHandles(), 0);
}

TEST(PhoneCallLog, PlacedCallIsTheNewestRecordOfTheNextOpen) {
  WriteDeviceFile(platform::kCallLogFileName, "0100\tOld\r\n");
  HANDLE before = nullptr;
  ASSERT_EQ(PhoneOpenCallLog(&before), S_OK);
  ASSERT_TRUE(platform::AddCallToDeviceLog(L"0200", L"\uC0C8 \uC774\uB984"));
  EXPECT_FALSE(platform::AddCallToDeviceLog(L"", L""));

  DWORD last = 0;
  EXPECT_EQ(PhoneSeekCallLog(before, CALLLOGSEEK_END, 0, &last), S_OK);
  EXPECT_EQ(last, 0u) << "an open log does not change under its reader";
  PhoneCloseCallLog(before);

  const LogRead read = LoadCallLog();
  EXPECT_EQ(read.Size, 2u);
  EXPECT_EQ(read.Numbers, (std::vector<std::wstring>{L"0200", L"0100"}));
  EXPECT_EQ(read.Names[0], L"\uC0C8 \uC774\uB984");

  ASSERT_TRUE(platform::AddCallToDeviceLog(L"0300", L"", 2));
  EXPECT_EQ(LoadCallLog().Numbers, (std::vector<std::wstring>{L"0300", L"0200"}))
      << "a full log drops its oldest record";
  EXPECT_EQ(StandInOutstandingStrings(), 0);
}

}  // namespace
}  // namespace vostarel::testing
