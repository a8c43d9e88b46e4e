// cellcore.dll: the SIM phonebook read as the library reads it, and the call
// request handed to a window of class "Dialer".
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "call_request.h"
#include "call_request_data.h"
#include "device_folder.h"
#include "device_sizes.h"
#include "simmgr.h"
#include "stand_in_counters.h"
#include "stand_in_environment.h"
#include "tapi_request.h"

namespace vostarel::testing {
namespace {

struct SimRead {
  DWORD Index;
  std::wstring Name;
  std::wstring Number;
};

// The library's SIM walk: status, then slots 1.. up to the total, only while
// fewer entries than in use were taken; failed reads and empty numbers are
// skipped and do not count.
std::vector<SimRead> WalkSim(DWORD* used, DWORD* total) {
  std::vector<SimRead> read;
  HSIM sim = nullptr;
  EXPECT_EQ(SimInitialize(0, nullptr, 0, &sim), S_OK);
  *used = 0;
  *total = 0;
  if (SimGetPhonebookStatus(sim, SIM_PBSTORAGE_SIM, used, total) == S_OK) {
    SIMPHONEBOOKENTRY entry{};
    entry.cbSize = kSimPhonebookEntrySize;
    for (DWORD index = 1; index <= *total && read.size() < *used; ++index) {
      if (SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, index, &entry) == S_OK &&
          entry.lpszAddress[0] != 0) {
        read.push_back(SimRead{index, entry.lpszText, entry.lpszAddress});
      }
    }
  }
  EXPECT_EQ(SimDeinitialize(sim), S_OK);
  return read;
}

TEST(CellcoreSim, LibraryWalkStopsAfterTheUsedEntriesAndClosesItsHandle) {
  WriteDeviceFile(platform::kSimFileName,
                  "250\r\n3\tAlice\t0100\r\n7\tNo number\t\r\n9\tBob\t+44 20\r\n"
                  "12\tCarol\t0300\r\nbroken line\r\n");
  DWORD used = 0, total = 0;
  const std::vector<SimRead> read = WalkSim(&used, &total);
  EXPECT_EQ(used, 4u);
  EXPECT_EQ(total, 250u);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].Index, 3u);
  EXPECT_EQ(read[0].Name, L"Alice");
  EXPECT_EQ(read[1].Number, L"+44 20");
  EXPECT_EQ(read[2].Index, 12u);
  EXPECT_EQ(StandInOpenSimHandles(), 0);
}

TEST(CellcoreSim, ReadingFillsTheRecordOrFailsWithThePlatformsErrors) {
  WriteDeviceFile(platform::kSimFileName,
                  "20\n1\t" + std::string(300, 'n') + "\t" + std::string(300, '7') + "\n2\tX\t+1\n");
  HSIM sim = nullptr;
  ASSERT_EQ(SimInitialize(0, nullptr, 0, &sim), S_OK);
  EXPECT_EQ(StandInOpenSimHandles(), 1);

  SIMPHONEBOOKENTRY entry;
  FillMemory(&entry, sizeof entry, 0x5A);
  entry.cbSize = kSimPhonebookEntrySize;
  ASSERT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 1, &entry), S_OK);
  EXPECT_EQ(entry.dwParams, static_cast<DWORD>(SIM_PARAM_PBE_ALL));
  EXPECT_EQ(std::wstring(entry.lpszText), std::wstring(MAX_LENGTH_PHONEBOOKENTRYTEXT - 1, L'n'));
  EXPECT_EQ(std::wstring(entry.lpszAddress), std::wstring(MAX_LENGTH_ADDRESS - 1, L'7'));
  EXPECT_EQ(entry.dwAddressType, static_cast<DWORD>(SIM_ADDRTYPE_UNKNOWN));
  ASSERT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 2, &entry), S_OK);
  EXPECT_STREQ(entry.lpszAddress, L"+1");
  EXPECT_EQ(entry.dwAddressType, static_cast<DWORD>(SIM_ADDRTYPE_INTERNATIONAL));

  EXPECT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 3, &entry), SIM_E_NOTFOUND);
  EXPECT_STREQ(entry.lpszAddress, L"+1") << "a failed read leaves the record";
  EXPECT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 0, &entry), SIM_E_INVALIDINDEX);
  EXPECT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 21, &entry), SIM_E_INVALIDINDEX);
  EXPECT_EQ(SimReadPhonebookEntry(sim, 0x400, 1, &entry), SIM_E_BADPARAM);
  EXPECT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 1, nullptr), SIM_E_BADPARAM);
  entry.cbSize = DEVICE_SIMPHONEBOOKENTRY_SIZE - 4;
  EXPECT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 1, &entry), SIM_E_BADPARAM);

  DWORD used = 77, total = 77;
  EXPECT_EQ(SimGetPhonebookStatus(sim, SIM_PBSTORAGE_FIXEDDIALING, &used, &total), S_OK);
  EXPECT_EQ(used + total, 0u) << "other storages are empty";
  EXPECT_EQ(SimGetPhonebookStatus(sim, SIM_PBSTORAGE_SIM, nullptr, &total), SIM_E_BADPARAM);

  // Handles that are not open are refused, not followed.
  int onStack = 0;
  EXPECT_EQ(SimGetPhonebookStatus(&onStack, SIM_PBSTORAGE_SIM, &used, &total), SIM_E_BADPARAM);
  EXPECT_EQ(SimDeinitialize(sim), S_OK);
  EXPECT_EQ(SimDeinitialize(sim), SIM_E_BADPARAM);
  EXPECT_EQ(SimGetPhonebookStatus(sim, SIM_PBSTORAGE_SIM, &used, &total), SIM_E_BADPARAM);
  EXPECT_EQ(SimInitialize(0, nullptr, 0, nullptr), SIM_E_BADPARAM);
  EXPECT_EQ(StandInOpenSimHandles(), 0);
}

TEST(CellcoreSim, WithoutTheFileThePhoneHasNoSim) {
  RemoveDeviceFile(platform::kSimFileName);
  HSIM sim = nullptr;
  ASSERT_EQ(SimInitialize(0, nullptr, 0, &sim), S_OK);
  DWORD used = 0, total = 0;
  EXPECT_EQ(SimGetPhonebookStatus(sim, SIM_PBSTORAGE_SIM, &used, &total), SIM_E_SIMNOTINSERTED);
  EXPECT_EQ(SimDeinitialize(sim), S_OK);
}

// --- tapiRequestMakeCall ----------------------------------------------------------------

struct ReceivedRequest {
  std::atomic<int> Count{0};
  ULONG_PTR Id = 0;
  device::CallRequestTexts Texts;
};
ReceivedRequest g_received;

LRESULT CALLBACK DialerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    g_received.Id = data->dwData;
    g_received.Texts = device::DecodeCallRequest(data->lpData, data->cbData);
    ++g_received.Count;
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateDialer() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DialerProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kCallRequestWindowClass;
  RegisterClassW(&windowClass);  // fails harmlessly when already registered
  return CreateWindowExW(0, kCallRequestWindowClass, L"test dialer", WS_OVERLAPPEDWINDOW, 0, 0,
                         100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST(CellcoreCallRequest, WithoutADialerThereIsNoRecipient) {
  ASSERT_EQ(FindWindowW(kCallRequestWindowClass, nullptr), nullptr);
  EXPECT_EQ(tapiRequestMakeCall(L"0100", L"app", L"Alice", L"note"), TAPIERR_NOREQUESTRECIPIENT);
}

TEST(CellcoreCallRequest, DialerReceivesTheFourTextsInProtocolOrder) {
  const HWND dialer = CreateDialer();
  ASSERT_NE(dialer, nullptr);
  const int before = g_received.Count;
  EXPECT_EQ(tapiRequestMakeCall(L"+1 555 0100", L"Vostarel", L"Alice", L"from the list"), 0);
  ASSERT_EQ(g_received.Count, before + 1);
  EXPECT_EQ(g_received.Id, kCallRequestCopyDataId);
  EXPECT_EQ(g_received.Texts.Number, u"+1 555 0100");
  EXPECT_EQ(g_received.Texts.CalledParty, u"Alice");
  EXPECT_EQ(g_received.Texts.AppName, u"Vostarel");
  EXPECT_EQ(g_received.Texts.Comment, u"from the list");

  EXPECT_EQ(tapiRequestMakeCall(L"0200", nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(g_received.Texts.Number, u"0200");
  EXPECT_EQ(g_received.Texts.CalledParty, u"");
  EXPECT_EQ(g_received.Texts.Comment, u"");
  DestroyWindow(dialer);
}

TEST(CellcoreCallRequest, DialerOnAnotherThreadReceivesTheRequest) {
  std::atomic<DWORD> dialerThread{0};
  std::thread ui([&] {
    const HWND dialer = CreateDialer();
    dialerThread = GetCurrentThreadId();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    DestroyWindow(dialer);
  });
  while (dialerThread == 0) Sleep(10);
  const int before = g_received.Count;
  EXPECT_EQ(tapiRequestMakeCall(L"0300", L"app", L"Bob", L""), 0);
  EXPECT_EQ(g_received.Count, before + 1);
  EXPECT_EQ(g_received.Texts.CalledParty, u"Bob");
  PostThreadMessageW(dialerThread, WM_QUIT, 0, 0);
  ui.join();
}

}  // namespace
}  // namespace vostarel::testing
