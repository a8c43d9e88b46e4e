// Keys, the key map and the talk key while the result list is shown, and
// the overlay menu on the number field, in each system version mode.
#include <gtest/gtest.h>

#include "overlay_run.h"

namespace overlay_test {
namespace {

constexpr DWORD kDefaultFlag = 0x7717B;
constexpr DWORD kTalkKeyActsOnRow = 0x2;
constexpr BYTE kVkEnd = 0x23;
constexpr BYTE kVkHome = 0x24;
constexpr BYTE kVkDown = 0x28;
constexpr BYTE kVkTalk = 0x72;  // the device's talk key (VK_F3 here)

constexpr char kSim[] = "250\n3\tKim\t111\n90\tLee\t1222\n";

class DialerInputTest : public ::testing::TestWithParam<VersionMode> {
 protected:
  OverlayRun run_{GetParam()};
  void SetUp() override { run_.WriteDeviceFile(L"sim.txt", kSim); }
};

std::string SelectedName(const Printed& p) {
  for (const std::string& row : p.All("row")) {
    if (row.rfind("*\t", 0) == 0) return row.substr(row.find('\t', 2) + 1, row.find('\t', row.find('\t', 2) + 1) - row.find('\t', 2) - 1);
  }
  return "";
}

TEST_P(DialerInputTest, ArrowKeysMoveTheSelectionButHomeAndEndStayWithTheDialer) {
  Printed p = run_.Run(L"1{DOWN}");
  EXPECT_EQ(SelectedName(p), "Lee") << p.Text();
  p = run_.Run(L"1{DOWN}{UP}");
  EXPECT_EQ(SelectedName(p), "Kim") << p.Text();
  // Home would move a list's selection back to its first row.
  p = run_.Run(L"1{DOWN}{HOME}");
  EXPECT_EQ(SelectedName(p), "Lee") << p.Text();
  p = run_.Run(L"1{DOWN}{END}{HOME}");
  EXPECT_EQ(SelectedName(p), "Lee") << p.Text();
}

TEST_P(DialerInputTest, KeyMapTranslatesBeforeTheKeyIsRouted) {
  // Home becomes Down and goes to the list; End becomes the talk key's code
  // and reaches the dialer as that code, which places the call.
  run_.SetKeyMap({kVkHome, kVkDown, kVkEnd, kVkTalk, 0, 0});
  Printed p = run_.Run(L"1{HOME}");
  EXPECT_EQ(SelectedName(p), "Lee") << p.Text();
  p = run_.Run(L"1{HOME}{END}");
  EXPECT_EQ(p.All("call"), (std::vector<std::string>{"1222\tLee"})) << p.Text();
  // With the list hidden nothing is translated: End is no call.
  p = run_.Run(L"9{END}");
  EXPECT_TRUE(p.All("call").empty()) << p.Text();
}

TEST_P(DialerInputTest, TalkKeyCallsTheSelectedRowOnlyWithItsOption) {
  Printed p = run_.Run(L"1{DOWN}{TALK}");
  EXPECT_EQ(p.All("call"), (std::vector<std::string>{"1222\tLee"})) << p.Text();

  run_.SetFlag(kDefaultFlag & ~kTalkKeyActsOnRow);
  p = run_.Run(L"1{DOWN}{TALK}");  // the dialer dials what was typed
  EXPECT_EQ(p.All("call"), (std::vector<std::string>{"1\t"})) << p.Text();
}

TEST_P(DialerInputTest, EnterActivatesTheSelectedRow) {
  const Printed p = run_.Run(L"1{DOWN}{ENTER}");
  EXPECT_EQ(p.All("call"), (std::vector<std::string>{"1222\tLee"})) << p.Text();
}

TEST_P(DialerInputTest, HoldOnTheNumberFieldOpensTheOverlayMenuEvenWithoutAList) {
  const Printed p = run_.Run(L"{PICK:0}{HOLD}");
  EXPECT_EQ(p.All("menu"),
            (std::vector<std::string>{"20102\t갱신", "-", "20103\t일반", "20104\t위치",
                                      "20105\t명령", "20106\t정보", "-", "20108\t종료"}))
      << p.Text();
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();
}

TEST_P(DialerInputTest, ReloadReportsTheTotalOnceAndRefreshes) {
  run_.WriteDeviceFile(L"calllog.txt", "0311\tCaller\n");
  const Printed p = run_.Run(L"1{PICK:20102}{HOLD}");
  EXPECT_EQ(p.All("box"),
            (std::vector<std::string>{"Vostarel\t모두 3개의 연락처를|다시 불러왔습니다."}))
      << p.Text();
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.All("row").size(), 2u) << p.Text();
}

int CountLines(const std::vector<std::string>& lines, const std::string& line) {
  int n = 0;
  for (const std::string& l : lines) n += l == line ? 1 : 0;
  return n;
}

TEST_P(DialerInputTest, DialerMenuGetsTheSettingsItemOnceAndLeavesExpandedMode) {
  const Printed p = run_.Run(L"1{TAP}{PICK:0}{MENU}{PICK:0}{MENU}");
  EXPECT_EQ(CountLines(p.All("menu"), "34661	Vostarel 설정.."), 2) << p.Text();
  EXPECT_EQ(CountLines(p.lines, "menu-end"), 2) << p.Text();
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
}

TEST_P(DialerInputTest, OtherMenusGetNoSettingsItemButStillLeaveExpandedMode) {
  // The dialer window's system menu opens with 0x10000 as the second
  // parameter of WM_INITMENUPOPUP.
  const Printed p = run_.Run(L"1{TAP}{PICK:0}{SYSMENU}");
  ASSERT_EQ(CountLines(p.lines, "menu-end"), 1) << "the system menu opened\n" << p.Text();
  EXPECT_FALSE(p.All("menu").empty()) << p.Text();
  EXPECT_EQ(CountLines(p.All("menu"), "34661	Vostarel 설정.."), 0) << p.Text();
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
}

TEST_P(DialerInputTest, ANumberChangeAnnouncedWith1025RefreshesTheList) {
  // A paste changes the field without WM_SETTEXT and then sends it 1025.
  Printed p = run_.Run(L"{PASTE:12}");
  EXPECT_EQ(p.Value("number"), "12") << p.Text();
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tLee\t1222\tS"})) << p.Text();

  p = run_.Run(L"1{PASTE:9}");  // shown by typing, hidden by the paste
  EXPECT_EQ(p.Value("number"), "19") << p.Text();
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();
}

TEST_P(DialerInputTest, ExitEndsThePhoneApplicationsMessageLoop) {
  const DWORD start = GetTickCount();
  const std::string out = cprog_test::RunCprog(L"--keys \"{PICK:20108}{HOLD}\" --exit-after 20000");
  EXPECT_LT(GetTickCount() - start, 15000u) << out;
}

INSTANTIATE_TEST_SUITE_P(Modes, DialerInputTest,
                         ::testing::Values(VersionMode::kNt40, VersionMode::kWinXp,
                                           VersionMode::kWin2003),
                         [](const auto& info) { return ModeName(info.param); });

}  // namespace
}  // namespace overlay_test
