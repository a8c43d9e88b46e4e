// cprog.exe, the stand-in phone application, run as a child process in
// each system-version mode with the recording test extension.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "aygshell.h"
#include "call_request.h"
#include "call_request_data.h"
#include "cprog_run.h"

namespace cprog_test {
namespace {

constexpr int kKeypadAreaId = 23061;

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += "  " + line + "\n";
  return out;
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));  // marshalled across processes
  return buffer;
}

// The keypad's keys, top row first, left to right, as a person reads them.
std::vector<HWND> KeypadKeys(HWND keypad) {
  std::vector<std::pair<RECT, HWND>> keys;
  for (HWND child = GetWindow(keypad, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    keys.push_back({rect, child});
  }
  std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
    return a.first.top != b.first.top ? a.first.top < b.first.top : a.first.left < b.first.left;
  });
  std::vector<HWND> out;
  for (const auto& key : keys) out.push_back(key.second);
  return out;
}

struct VersionCase {
  VersionMode mode;
  int numberField;
  int otherNumberField;
  bool has23041;
  int softKey;
  int otherSoftKey;
};

std::string CaseName(const testing::TestParamInfo<VersionCase>& info) { return Utf8(WineVersionName(info.param.mode)); }

class CprogVersionTest : public testing::TestWithParam<VersionCase> {};

TEST_P(CprogVersionTest, DialerHasTheControlsOfItsVersion) {
  const VersionCase& c = GetParam();
  CprogSetup setup(c.mode);
  CprogProcess cprog(L"--exit-after 20000");
  HWND dialer = cprog.WaitForDialer();
  ASSERT_NE(dialer, nullptr) << "no visible Dialer window";

  RECT client{};
  GetClientRect(dialer, &client);
  EXPECT_EQ(client.right, 240);
  EXPECT_EQ(client.bottom, 320);

  HWND field = GetDlgItem(dialer, c.numberField);
  ASSERT_NE(field, nullptr) << "number field " << c.numberField;
  wchar_t className[32] = {};
  GetClassNameW(field, className, 32);
  EXPECT_STREQ(className, L"Edit");
  EXPECT_EQ(GetDlgItem(dialer, c.otherNumberField), nullptr);
  EXPECT_EQ(GetDlgItem(dialer, 23041) != nullptr, c.has23041);

  HWND keypad = GetDlgItem(dialer, kKeypadAreaId);
  ASSERT_NE(keypad, nullptr);
  EXPECT_EQ(KeypadKeys(keypad).size(), 12u);

  // The soft-key bar, found the way the extension finds it.
  HWND bar = SHFindMenuBar(dialer);
  ASSERT_NE(bar, nullptr);
  GetClassNameW(bar, className, 32);
  EXPECT_STREQ(className, L"ToolbarWindow32");
  EXPECT_GE(SendMessageW(bar, TB_COMMANDTOINDEX, c.softKey, 0), 0) << "soft key " << c.softKey;
  EXPECT_LT(SendMessageW(bar, TB_COMMANDTOINDEX, c.otherSoftKey, 0), 0);

  PostMessageW(dialer, WM_CLOSE, 0, 0);
  EXPECT_EQ(cprog.Finish(), 0u);
}

TEST_P(CprogVersionTest, LoadsTheRegisteredExtensionAndCallsItsExports) {
  const VersionCase& c = GetParam();
  CprogSetup setup(c.mode);
  setup.RegisterTestExtension();
  const std::string output = RunCprog(L"--keys 5{TALK} --print --attach-timeout 0");
  EXPECT_NE(output.find("call: 5\t\n"), std::string::npos) << output;

  const std::vector<std::string> log = setup.ExtensionLog();
  SCOPED_TRACE("extension log:\n" + Joined(log));
  ASSERT_EQ(FindLine(log, "loaded"), 0) << "loaded once, before anything is called";
  EXPECT_EQ(FindLine(log, "loaded", 1), -1);
  const int immediate = FindLine(log, "IsImmediateDialRequestRequired 5");
  const int preprocess = FindLine(log, "PreprocessDialRequest 5");
  EXPECT_GT(immediate, 0);
  EXPECT_GT(preprocess, immediate) << "asked whether to dial at once, then to preprocess";

  if (IsVersion5(c.mode)) {
    const int viewInfo = FindLine(log, "PHExtGetPhoneViewInfo 0");
    const int metrics = FindLine(log, "PHExtGetPhoneControlMetrics " + std::to_string(c.numberField));
    const int initialize = FindLine(log, "PHExtInitialize");
    EXPECT_GT(viewInfo, 0);
    EXPECT_GT(metrics, viewInfo) << "view asked for before the dialer is laid out";
    EXPECT_GT(initialize, metrics) << "initialised after the dialer exists";
    EXPECT_EQ(FindLine(log, "PHExtInitialize", initialize + 1), -1) << "initialised once";
    EXPECT_GT(FindLine(log, "PHExtDoVerb 1"), initialize) << "the talk key is offered to the extension";
    EXPECT_GT(FindLine(log, "PHExtShowPhoneMsg 1 5 "), preprocess);
    for (const std::string& line : log) EXPECT_NE(line.rfind("DialpadWndPrc", 0), 0u) << line;
  } else {
    // EN_CHANGE of the number field 22301 (0x571D) after "5" was typed.
    EXPECT_GE(FindLine(log, "DialpadWndPrc 0x111 0x300571D"), 1);
    for (const std::string& line : log) EXPECT_NE(line.rfind("PHExt", 0), 0u) << line;
  }
}

TEST_P(CprogVersionTest, IgnoresAnExtensionRegisteredInTheOtherRow) {
  CprogSetup setup(GetParam().mode);
  setup.RegisterTestExtension(/*otherRow=*/true);
  const std::string output = RunCprog(L"--keys 5{TALK} --print --attach-timeout 0");
  EXPECT_NE(output.find("call: 5\t\n"), std::string::npos) << output;
  EXPECT_TRUE(setup.ExtensionLog().empty()) << Joined(setup.ExtensionLog());
}

INSTANTIATE_TEST_SUITE_P(Versions, CprogVersionTest,
                         testing::Values(VersionCase{VersionMode::kNt40, 22301, 23002, false, 22634, 22518},
                                         VersionCase{VersionMode::kWinXp, 23002, 22301, false, 22634, 22518},
                                         VersionCase{VersionMode::kWin2003, 23002, 22301, true, 22518, 22634}),
                         CaseName);

TEST(CprogExtension, IsNotLoadedWhenDisabled) {
  CprogSetup setup(VersionMode::kWin2003);
  setup.RegisterTestExtension(false, /*flag=*/0);
  RunCprog(L"--keys 1 --print --attach-timeout 0");
  EXPECT_TRUE(setup.ExtensionLog().empty()) << Joined(setup.ExtensionLog());
}

TEST(CprogKeys, WaitForTheExtensionToAttachThenReachTheDialerFirst) {
  CprogSetup setup(VersionMode::kWin2003);
  setup.RegisterTestExtension();
  ScopedEnvironment attach(L"VOSTAREL_TEST_EXTENSION_ATTACH", L"1");
  // Attaches well after the dialer is up: typing must wait for it.
  ScopedEnvironment delay(L"VOSTAREL_TEST_EXTENSION_ATTACH_DELAY_MS", L"1500");
  const std::string output = RunCprog(L"--keys 12{BACK}3 --print");
  EXPECT_NE(output.find("number: 13\n"), std::string::npos) << output;

  const std::vector<std::string> log = setup.ExtensionLog();
  SCOPED_TRACE("extension log:\n" + Joined(log));
  const int attached = FindLine(log, "attached");
  ASSERT_GE(attached, 0);
  int at = attached;
  // Each key: key down and character at the dialer, the field's new text,
  // key up; in typing order.
  for (const char* line : {"dialer WM_KEYDOWN 0x31", "dialer WM_CHAR 0x31", "field WM_SETTEXT 1", "dialer WM_KEYUP 0x31",
                           "dialer WM_KEYDOWN 0x32", "field WM_SETTEXT 12", "dialer WM_KEYDOWN 0x8",
                           "dialer WM_CHAR 0x8", "field WM_SETTEXT 1", "dialer WM_KEYDOWN 0x33", "field WM_SETTEXT 13"}) {
    const int found = FindLine(log, line, at);
    ASSERT_GT(found, at) << line;
    at = found;
  }
}

TEST(CprogKeys, WithoutAnAttachingExtensionTypingStartsAfterTheTimeout) {
  CprogSetup setup(VersionMode::kWinXp);
  setup.RegisterTestExtension();  // loaded, but it never subclasses the dialer
  const DWORD start = GetTickCount();
  const std::string output = RunCprog(L"--keys 0*# --print --attach-timeout 1500");
  EXPECT_GE(GetTickCount() - start, 1500u) << "waited for the attachment first";
  EXPECT_NE(output.find("number: 0*#\n"), std::string::npos) << output;
}

TEST(CprogKeys, SoftKeyAndTapReachTheDialerAndTheNumberField) {
  CprogSetup setup(VersionMode::kWin2003);
  setup.RegisterTestExtension();
  ScopedEnvironment attach(L"VOSTAREL_TEST_EXTENSION_ATTACH", L"1");
  const std::string output = RunCprog(L"--keys {SOFTKEY}{TAP}{SOFTKEY} --print");
  EXPECT_NE(output.find("softkey-presses: 2\n"), std::string::npos) << output;
  const std::vector<std::string> log = setup.ExtensionLog();
  SCOPED_TRACE("extension log:\n" + Joined(log));
  const int first = FindLine(log, "dialer WM_COMMAND 22518");
  const int tap = FindLine(log, "field WM_LBUTTONDOWN", first);
  EXPECT_GT(first, 0);
  EXPECT_GT(tap, first);
  EXPECT_GT(FindLine(log, "dialer WM_COMMAND 22518", tap), tap);
}

TEST(CprogKeys, KeypadButtonsTypeIntoTheNumberFieldWithWmSettext) {
  CprogSetup setup(VersionMode::kNt40);
  setup.RegisterTestExtension();
  ScopedEnvironment attach(L"VOSTAREL_TEST_EXTENSION_ATTACH", L"1");
  CprogProcess cprog(L"--exit-after 20000");
  HWND dialer = cprog.WaitForDialer();
  ASSERT_NE(dialer, nullptr);
  for (int i = 0; i < 100 && FindLine(setup.ExtensionLog(), "attached") < 0; ++i) Sleep(50);

  const std::vector<HWND> keys = KeypadKeys(GetDlgItem(dialer, kKeypadAreaId));
  ASSERT_EQ(keys.size(), 12u);
  // "2", "*", "0", "#": second key, then the bottom row.
  for (int index : {1, 9, 10, 11}) SendMessageW(keys[static_cast<size_t>(index)], BM_CLICK, 0, 0);
  EXPECT_EQ(TextOf(GetDlgItem(dialer, 22301)), L"2*0#");

  PostMessageW(dialer, WM_CLOSE, 0, 0);
  cprog.Finish();
  const std::vector<std::string> log = setup.ExtensionLog();
  SCOPED_TRACE("extension log:\n" + Joined(log));
  int at = FindLine(log, "attached");
  for (const char* line : {"field WM_SETTEXT 2", "field WM_SETTEXT 2*", "field WM_SETTEXT 2*0", "field WM_SETTEXT 2*0#"}) {
    const int found = FindLine(log, line, at);
    ASSERT_GT(found, at) << line;
    at = found;
  }
}

TEST(CprogKeys, PasteChangesTheNumberWithoutWmSettextAndAnnouncesItWith1025) {
  CprogSetup setup(VersionMode::kWinXp);
  setup.RegisterTestExtension();
  ScopedEnvironment attach(L"VOSTAREL_TEST_EXTENSION_ATTACH", L"1");
  const std::string output = RunCprog(L"--keys 1{PASTE:2#}3 --print");
  EXPECT_NE(output.find("number: 12#3\n"), std::string::npos) << output;

  const std::vector<std::string> log = setup.ExtensionLog();
  SCOPED_TRACE("extension log:\n" + Joined(log));
  const int typed = FindLine(log, "field WM_SETTEXT 1");
  const int pasted = FindLine(log, "field 1025 12#", typed);
  EXPECT_GT(typed, 0);
  EXPECT_GT(pasted, typed);
  EXPECT_EQ(FindLine(log, "field WM_SETTEXT 12#"), -1) << "the paste is no WM_SETTEXT";
  EXPECT_GT(FindLine(log, "field WM_SETTEXT 12#3", pasted), pasted) << "typing goes on after it";
}

TEST(CprogKeys, SystemMenuKeyOpensTheDialersWindowMenu) {
  CprogSetup setup(VersionMode::kWin2003);
  setup.RegisterTestExtension();
  ScopedEnvironment attach(L"VOSTAREL_TEST_EXTENSION_ATTACH", L"1");
  const std::string output = RunCprog(L"--keys {PICK:0}{SYSMENU} --print");
  EXPECT_NE(output.find("menu-end\n"), std::string::npos) << output;
  // A system menu's popup: position 0, and 1 in the high word.
  EXPECT_GE(FindLine(setup.ExtensionLog(), "dialer WM_INITMENUPOPUP 65536"), 0) << Joined(setup.ExtensionLog());
}

TEST(CprogKeys, CallHistoryCommandsAreCounted) {
  CprogSetup setup(VersionMode::kNt40);
  std::string output = RunCprog(L"--keys {PICK:22303}{MENU} --print");
  EXPECT_NE(output.find("history-opens: 1\n"), std::string::npos) << output;
  output = RunCprog(L"--keys {PICK:0}{MENU} --print");
  EXPECT_NE(output.find("history-opens: 0\n"), std::string::npos) << output;
}

// Waits until the dialer's client area has the size asked for and its
// thread has handled that (WM_SIZE lays the dialer out).
bool WaitForClientSize(HWND dialer, LONG width, LONG height) {
  RECT client{};
  for (int i = 0; i < 200; ++i) {
    GetClientRect(dialer, &client);
    if (client.right == width && client.bottom == height) {
      return SendMessageTimeoutW(dialer, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr) != 0;
    }
    Sleep(50);
  }
  return false;
}

RECT ClientRectOf(HWND dialer, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, dialer, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST(CprogKeys, ResizeKeepsTheKeypadAtTheBottomWithTheNumberFieldAboveIt) {
  CprogSetup setup(VersionMode::kWinXp);
  struct Size {
    const wchar_t* keys;
    LONG width, height;
    LONG keypadLeft, keypadTop, fieldTop;
    bool statusShown;
  };
  // Across, everything is centred; down, all but the status line moves
  // with the bottom edge, and a field moved up over it hides it.
  for (const Size& size : {Size{L"{RESIZE:280,360}", 280, 360, 28, 124, 73, true},
                           Size{L"{RESIZE:240,300}", 240, 300, 8, 64, 13, false}}) {
    SCOPED_TRACE(Utf8(size.keys));
    CprogProcess cprog(std::wstring(L"--keys ") + size.keys + L" --exit-after 20000");
    HWND dialer = cprog.WaitForDialer();
    ASSERT_NE(dialer, nullptr);
    ASSERT_TRUE(cprog.WaitForKeysPlayed(dialer));
    ASSERT_TRUE(WaitForClientSize(dialer, size.width, size.height));
    const RECT keypad = ClientRectOf(dialer, GetDlgItem(dialer, kKeypadAreaId));
    EXPECT_EQ(keypad.left, size.keypadLeft);
    EXPECT_EQ(keypad.top, size.keypadTop);
    EXPECT_EQ(keypad.bottom, size.height - 48) << "the talk key stays below it";
    EXPECT_EQ(ClientRectOf(dialer, GetDlgItem(dialer, 23002)).top, size.fieldTop);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(dialer, 23040)) != FALSE, size.statusShown);
    PostMessageW(dialer, WM_CLOSE, 0, 0);
    EXPECT_EQ(cprog.Finish(), 0u);
  }
}

TEST(CprogCalls, TalkKeyDialsTheNumberAndAddsItAsTheNewestCallLogRecord) {
  CprogSetup setup(VersionMode::kWin2003);
  WriteWholeFile(setup.CallLogPath(), "0109999\tOld Friend\r\n");
  const std::string output = RunCprog(L"--keys 0101234{TALK} --print");
  EXPECT_NE(output.find("number: 0101234\n"), std::string::npos) << output;
  EXPECT_NE(output.find("call: 0101234\t\n"), std::string::npos) << output;
  const std::vector<std::string> log = SplitLines(ReadWholeFile(setup.CallLogPath()));
  ASSERT_EQ(log.size(), 2u) << ReadWholeFile(setup.CallLogPath());
  EXPECT_EQ(log[0], "0101234\t");
  EXPECT_EQ(log[1], "0109999\tOld Friend");
}

TEST(CprogCalls, TalkKeyWithAnEmptyNumberPlacesNoCall) {
  CprogSetup setup(VersionMode::kWinXp);
  const std::string output = RunCprog(L"--keys {TALK} --print");
  EXPECT_EQ(output.find("call:"), std::string::npos) << output;
  EXPECT_EQ(ReadWholeFile(setup.CallLogPath()), "");
}

TEST(CprogCalls, CallRequestIsShownAndLoggedAndPrinted) {
  CprogSetup setup(VersionMode::kWin2003);
  CprogProcess cprog(L"--print --exit-after 20000");
  HWND dialer = cprog.WaitForDialer();
  ASSERT_NE(dialer, nullptr);

  const std::u16string payload = vostarel::device::EncodeCallRequest(u"01055556666", u"홍길동", u"test", u"");
  COPYDATASTRUCT data{kCallRequestCopyDataId, static_cast<DWORD>(payload.size() * sizeof(char16_t)),
                      const_cast<char16_t*>(payload.data())};
  EXPECT_EQ(SendMessageW(dialer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), TRUE);
  EXPECT_EQ(TextOf(GetDlgItem(dialer, 23041)), L"calling 01055556666 (홍길동)");

  // Another kind of WM_COPYDATA is not a call.
  COPYDATASTRUCT other{0x1234, data.cbData, data.lpData};
  EXPECT_EQ(SendMessageW(dialer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other)), FALSE);

  PostMessageW(dialer, WM_CLOSE, 0, 0);
  cprog.Finish();
  EXPECT_NE(cprog.Output().find("call: 01055556666\t\xED\x99\x8D\xEA\xB8\xB8\xEB\x8F\x99\n"), std::string::npos)
      << cprog.Output();
  EXPECT_EQ(cprog.Output().find("call:", cprog.Output().find("call:") + 1), std::string::npos) << "one call only";
  const std::vector<std::string> log = SplitLines(ReadWholeFile(setup.CallLogPath()));
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "01055556666\t\xED\x99\x8D\xEA\xB8\xB8\xEB\x8F\x99");
}

TEST(CprogCalls, PreprocessDialRequestCanCancelTheCall) {
  CprogSetup setup(VersionMode::kWinXp);
  setup.RegisterTestExtension();
  ScopedEnvironment refuse(L"VOSTAREL_TEST_EXTENSION_REFUSE", L"1");
  const std::string output = RunCprog(L"--keys 77{TALK} --print --attach-timeout 0");
  EXPECT_EQ(output.find("call:"), std::string::npos) << output;
  EXPECT_EQ(ReadWholeFile(setup.CallLogPath()), "");
  EXPECT_GE(FindLine(setup.ExtensionLog(), "PreprocessDialRequest 77"), 0);
}

TEST(CprogPrint, ReportsTheResultListAndTheRelabelledSoftKey) {
  CprogSetup setup(VersionMode::kWin2003);
  {
    const std::string output = RunCprog(L"--keys 1 --print --attach-timeout 0");
    EXPECT_NE(output.find("list: absent\n"), std::string::npos) << output;
    EXPECT_NE(output.find("softkey: \xEC\x97\xB0\xEB\x9D\xBD\xEC\xB2\x98\n"), std::string::npos) << output;  // 연락처
  }
  setup.RegisterTestExtension();
  ScopedEnvironment attach(L"VOSTAREL_TEST_EXTENSION_ATTACH", L"1");
  ScopedEnvironment list(L"VOSTAREL_TEST_EXTENSION_LIST", L"1");
  const std::string output = RunCprog(L"--keys 1 --print");
  EXPECT_NE(output.find("list: visible\n"), std::string::npos) << output;
  EXPECT_NE(output.find("softkey: \xEB\xAA\xA9\xEB\xA1\x9D\n"), std::string::npos) << output;  // 목록
}

TEST(CprogInput, AnswersEachLineWithItsStateTheCountersAndEnd) {
  CprogSetup setup(VersionMode::kWin2003);
  WriteWholeFile(setup.CallLogPath(), "0109999\tOld Friend\r\n");
  CprogProcess cprog(L"--input --call-log-limit 2", CprogProcess::Input::kPiped);
  const std::string first = cprog.Ask("01");
  EXPECT_EQ(first.find("number: 01\n"), 0u) << first;
  for (const char* counter : {"live-objects: 0\n", "open-sim-handles: 0\n", "open-log-handles: 0\n",
                              "outstanding-strings: 0\n", "faults-injected: 0\n", "call-log-opens: 0\n"}) {
    EXPECT_NE(first.find(counter), std::string::npos) << counter << " in\n" << first;
  }
  EXPECT_NE(first.find("\nprivate-kib: "), std::string::npos) << first;
  const size_t heap = first.find("\nheap-kib: ");
  ASSERT_NE(heap, std::string::npos) << first;
  EXPECT_GT(std::stoull(first.substr(heap + 11)), 0u) << first;

  const std::string second = cprog.Ask("2{TALK}{BACK}{TALK}");
  EXPECT_NE(second.find("call: 012\t\ncall: 01\t\n"), std::string::npos) << second;
  EXPECT_EQ(cprog.Ask("{SOFTKEY}").find("call:"), std::string::npos) << "only what this line did";
  EXPECT_EQ(SplitLines(ReadWholeFile(setup.CallLogPath())), (std::vector<std::string>{"01\t", "012\t"}))
      << "at most two records: the oldest made room";
  EXPECT_EQ(cprog.Ask("{FAULTS:OFF}1{BAD}"), "error: the keys make no sense from offset 13\nend\n");
  EXPECT_EQ(cprog.Ask("{FAULTS:OFF}{FAULTS:ON}").find("number: 01\n"), 0u) << "a wrong line plays nothing";
  EXPECT_EQ(cprog.Finish(), 0u) << "the end of the input ends cprog";
  EXPECT_EQ(cprog.Errors(), "");
}

TEST(CprogInput, AMalformedFaultPlanIsReportedOnceOnStandardError) {
  CprogSetup setup(VersionMode::kWinXp);
  ScopedEnvironment faults(L"VOSTAREL_FAULTS", L"7:1000:PhoneOpenCallLog,Nope");
  CprogProcess cprog(L"--input", CprogProcess::Input::kPiped);
  EXPECT_NE(cprog.Ask("").find("faults-injected: 0\n"), std::string::npos);
  EXPECT_EQ(cprog.Finish(), 0u);
  EXPECT_EQ(SplitLines(cprog.Errors()).size(), 1u) << cprog.Errors();
  EXPECT_NE(cprog.Errors().find("'Nope'"), std::string::npos) << cprog.Errors();
}

TEST(CprogCommandLine, RejectsUnknownArgumentsWithExitCode2) {
  CprogSetup setup(VersionMode::kWinXp);
  DWORD code = 0;
  RunCprog(L"--frobnicate", &code);
  EXPECT_EQ(code, 2u);
  RunCprog(L"--keys 12x --print", &code);
  EXPECT_EQ(code, 2u);
}

}  // namespace
}  // namespace cprog_test
