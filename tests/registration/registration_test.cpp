// Vostarel.dll's exports, and installing and uninstalling it as the phone
// application's extension through the real regsvr32 in both registration
// rows: the backup of an earlier extension, putting it back, the settings
// key, and ending (at most one) running phone application.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "registration_support.h"

namespace vostarel::registration_test {
namespace {

const wchar_t kOther[] = L"C:\\Phones\\otherdial.dll";
const wchar_t kSettingsKey[] = L"Software\\Vostarel";

TEST(ExportsTest, OrdinalsOneToTenAreTheTenExtensionExports) {
  const HMODULE library = LoadLibraryW(BinFile(L"Vostarel.dll").c_str());
  ASSERT_NE(library, nullptr);
  const char* names[] = {"DialpadWndPrc",
                         "DllRegisterServer",
                         "DllUnregisterServer",
                         "IsImmediateDialRequestRequired",
                         "PHExtDoVerb",
                         "PHExtGetPhoneControlMetrics",
                         "PHExtGetPhoneViewInfo",
                         "PHExtInitialize",
                         "PHExtShowPhoneMsg",
                         "PreprocessDialRequest"};
  for (WORD ordinal = 1; ordinal <= 10; ++ordinal) {
    const FARPROC byName = GetProcAddress(library, names[ordinal - 1]);
    EXPECT_NE(byName, nullptr) << names[ordinal - 1];
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(ordinal)), byName)
        << "ordinal " << ordinal << " should be " << names[ordinal - 1];
  }
  FreeLibrary(library);
}

template <typename Function>
Function Export(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// In a host that is not the phone application nothing is chained: the
// forwarders have no target and the dial-pad procedure is the default one.
// Each forwarder is called with its own arguments: on i686 it removes them
// from the stack itself, so a wrong count would unbalance the caller's stack.
TEST(ExportsTest, WithoutChainedExtensionTheExportsAnswerThemselves) {
  const HMODULE library = LoadLibraryW(BinFile(L"Vostarel.dll").c_str());
  ASSERT_NE(library, nullptr);
  const auto initialize = Export<HRESULT(WINAPI*)(void*)>(library, "PHExtInitialize");
  const auto doVerb = Export<HRESULT(WINAPI*)(DWORD, BOOL, LPARAM)>(library, "PHExtDoVerb");
  const auto metrics = Export<HRESULT(WINAPI*)(DWORD, RECT*)>(library, "PHExtGetPhoneControlMetrics");
  const auto viewInfo =
      Export<HRESULT(WINAPI*)(DWORD, HINSTANCE*, DWORD*, void**, const wchar_t**)>(library, "PHExtGetPhoneViewInfo");
  const auto showMsg =
      Export<HRESULT(WINAPI*)(DWORD, wchar_t*, wchar_t*, BOOL, DWORD, BOOL*)>(library, "PHExtShowPhoneMsg");
  ASSERT_TRUE(initialize && doVerb && metrics && viewInfo && showMsg);
  EXPECT_EQ(static_cast<unsigned long>(initialize(nullptr)), 0x80004001ul);
  EXPECT_EQ(static_cast<unsigned long>(doVerb(1, FALSE, 0)), 0x80004001ul);
  RECT rect{};
  EXPECT_EQ(static_cast<unsigned long>(metrics(23041, &rect)), 0x80004001ul);
  EXPECT_EQ(static_cast<unsigned long>(viewInfo(0, nullptr, nullptr, nullptr, nullptr)), 0x80004001ul);
  EXPECT_EQ(static_cast<unsigned long>(showMsg(1, nullptr, nullptr, FALSE, 0, nullptr)), 0x80004001ul);
  const auto immediate = reinterpret_cast<BOOL(WINAPI*)(const wchar_t*)>(
      reinterpret_cast<void*>(GetProcAddress(library, "IsImmediateDialRequestRequired")));
  const auto preprocess = reinterpret_cast<BOOL(WINAPI*)(wchar_t*, UINT)>(
      reinterpret_cast<void*>(GetProcAddress(library, "PreprocessDialRequest")));
  wchar_t number[16] = L"0101234";
  EXPECT_EQ(immediate(number), FALSE);
  EXPECT_EQ(preprocess(number, 16), TRUE);
  EXPECT_STREQ(number, L"0101234");

  const auto dialpad = reinterpret_cast<WNDPROC>(
      reinterpret_cast<void*>(GetProcAddress(library, "DialpadWndPrc")));
  HWND window = CreateWindowExW(0, L"STATIC", L"twelve chars", 0, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(dialpad(window, WM_GETTEXTLENGTH, 0, 0), 12) << "the default procedure answers";
  DestroyWindow(window);
  FreeLibrary(library);
}

// One registration row, in the Wine version mode that makes regsvr32 (the
// process that loads the library) use it. The row's key and the settings key
// are put back at the end.
class RegistrationTest : public ::testing::TestWithParam<Row> {
 protected:
  const Row& row() const { return GetParam(); }

  KeyValues Values() const { return ReadAllValues(row().Root, row().Subkey); }
  void SetValues(const KeyValues& values) const { WriteAllValues(row().Root, row().Subkey, values); }

  int Register() const { return RunCommand(L"regsvr32.exe /s \"" + library_ + L"\""); }
  int Unregister() const { return RunCommand(L"regsvr32.exe /s /u \"" + library_ + L"\""); }

  // The row naming this library, with the flag it gets and the backup.
  KeyValues Registered(DWORD flag, const KeyValues& backup = {}) const {
    KeyValues values = backup;
    values[row().PathValue] = Text(library_);
    values[row().FlagValue] = Number(flag);
    return values;
  }

  const std::wstring library_ = BinFile(L"Vostarel.dll");
  ScopedWineVersion version_{L"regsvr32.exe", GetParam().WineVersion};
  KeySnapshot rowKey_{GetParam().Root, GetParam().Subkey};
  KeySnapshot settings_{HKEY_CURRENT_USER, kSettingsKey};
};

TEST_P(RegistrationTest, EmptyRowGetsTheLibraryWithoutBackup) {
  SetValues({{L"Unrelated", Text(L"stays")}});
  ASSERT_EQ(Register(), 0);
  KeyValues expected = Registered(row().Version5 ? 1 : 0);
  expected[L"Unrelated"] = Text(L"stays");
  EXPECT_EQ(Describe(Values()), Describe(expected));

  WriteAllValues(HKEY_CURRENT_USER, kSettingsKey, {{L"Flag", Number(0x40000)}});
  ASSERT_EQ(Unregister(), 0);
  EXPECT_EQ(Describe(Values()), Describe({{L"Unrelated", Text(L"stays")}}));
  HKEY settings = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &settings), ERROR_SUCCESS)
      << "the settings key is removed";
  if (settings != nullptr) RegCloseKey(settings);
}

TEST_P(RegistrationTest, AnotherExtensionIsBackedUpOnceAndPutBackExactly) {
  const KeyValues start{{row().PathValue, Text(kOther)}, {row().FlagValue, Number(3)}};
  SetValues(start);
  ASSERT_EQ(Register(), 0);
  const KeyValues backup{{L"VostarelPathBak", Text(kOther)}, {L"VostarelFlagBak", Number(3)}};
  EXPECT_EQ(Describe(Values()), Describe(Registered(1, backup)));

  ASSERT_EQ(Register(), 0);
  EXPECT_EQ(Describe(Values()), Describe(Registered(1, backup))) << "a second registration keeps the backup";

  WriteAllValues(HKEY_CURRENT_USER, kSettingsKey, {{L"Flag", Number(1)}});
  ASSERT_EQ(Unregister(), 0);
  EXPECT_EQ(Describe(Values()), Describe(start));
  EXPECT_TRUE(ReadAllValues(HKEY_CURRENT_USER, kSettingsKey).empty());
}

TEST_P(RegistrationTest, OlderCopyOfTheLibraryIsNotBackedUp) {
  SetValues({{row().PathValue, Text(L"C:\\Old\\vOSTAREL_1.7.DLL")}, {row().FlagValue, Number(1)}});
  ASSERT_EQ(Register(), 0);
  EXPECT_EQ(Describe(Values()), Describe(Registered(row().Version5 ? 1 : 0)));
}

TEST_P(RegistrationTest, RegisterThenUnregisterLosesNoValue) {
  const KeyValues unrelated{{L"Unrelated", Number(42)}};
  struct Case {
    const char* name;
    KeyValues start;
    KeyValues end;  // after register + unregister
  };
  const KeyValues other0{{row().PathValue, Text(kOther)}, {row().FlagValue, Number(0)}};
  const KeyValues other1{{row().PathValue, Text(kOther)}, {row().FlagValue, Number(1)}};
  const KeyValues ownOverOther{{row().PathValue, Text(library_)},
                               {row().FlagValue, Number(1)},
                               {L"VostarelPathBak", Text(kOther)},
                               {L"VostarelFlagBak", Number(7)}};
  const Case cases[] = {
      {"empty", {}, {}},
      {"another extension, flag 0", other0, other0},
      {"another extension, flag 1", other1, other1},
      // Already registered: the round trip ends with the earlier extension
      // back, exactly as unregistering alone does.
      {"this library over another", ownOverOther,
       {{row().PathValue, Text(kOther)}, {row().FlagValue, Number(7)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyValues start = c.start;
    start.insert(unrelated.begin(), unrelated.end());
    KeyValues end = c.end;
    end.insert(unrelated.begin(), unrelated.end());
    SetValues(start);
    ASSERT_EQ(Register(), 0);
    ASSERT_EQ(Unregister(), 0);
    EXPECT_EQ(Describe(Values()), Describe(end));
  }
}

TEST_P(RegistrationTest, UnregisterLeavesALaterExtensionRegistered) {
  const KeyValues later{{row().PathValue, Text(L"C:\\Later\\ext.dll")}, {row().FlagValue, Number(1)}};
  KeyValues start = later;
  start[L"VostarelPathBak"] = Text(kOther);
  start[L"VostarelFlagBak"] = Number(1);
  SetValues(start);
  ASSERT_EQ(Unregister(), 0);
  EXPECT_EQ(Describe(Values()), Describe(later));
}

INSTANTIATE_TEST_SUITE_P(Rows, RegistrationTest, ::testing::Values(kOlderRow, kVersion5Row),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return std::string(info.param.Version5 ? "Version5Row" : "OlderRow");
                         });

// A started phone application with a dialer window.
class PhoneProcess {
 public:
  PhoneProcess() {
    const std::wstring exe = BinFile(L"cprog.exe");
    std::wstring commandLine = L"\"" + exe + L"\" --exit-after 60000";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
      process_ = info.hProcess;
      id_ = info.dwProcessId;
      CloseHandle(info.hThread);
    }
  }
  PhoneProcess(const PhoneProcess&) = delete;
  PhoneProcess& operator=(const PhoneProcess&) = delete;
  ~PhoneProcess() {
    if (process_ == nullptr) return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 10000);
    CloseHandle(process_);
  }

  bool HasWindow(DWORD timeoutMs = 20000) const {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(50)) {
      HWND window = nullptr;
      while ((window = FindWindowExW(nullptr, window, nullptr, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == id_ && IsWindowVisible(window)) return true;
      }
      if (Ended()) return false;
    }
    return false;
  }
  bool Ended(DWORD waitMs = 0) const {
    return process_ != nullptr && WaitForSingleObject(process_, waitMs) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
  }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

TEST_P(RegistrationTest, EachOperationEndsExactlyOnePhoneApplication) {
  SetValues({});
  PhoneProcess first;
  PhoneProcess second;
  ASSERT_TRUE(first.HasWindow());
  ASSERT_TRUE(second.HasWindow());

  ASSERT_EQ(Register(), 0);
  // The operation has returned: whichever it ended is gone already; wait a
  // moment longer so that a second termination would show too.
  Sleep(500);
  const int endedAfterRegister = (first.Ended(2000) ? 1 : 0) + (second.Ended() ? 1 : 0);
  EXPECT_EQ(endedAfterRegister, 1);
  PhoneProcess& ended = first.Ended() ? first : second;
  EXPECT_EQ(ended.ExitCode(), 0u);

  ASSERT_EQ(Unregister(), 0);
  Sleep(500);
  EXPECT_TRUE(first.Ended(2000) && second.Ended(2000)) << "unregistering ends the other one";
}

}  // namespace
}  // namespace vostarel::registration_test
