// Acting on a row: stepping through an entry's numbers, the default
// command, the row popup with its items and IDs, and how an expanded
// command text is run.
#include <gtest/gtest.h>

#include <memory>

#include "overlay_run.h"

namespace overlay_test {
namespace {

// "01" matches the mobile number only: the row shows slot 0.
constexpr char kPark[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Park\r\nTEL;TYPE=CELL:010-1234\r\n"
    "TEL;TYPE=HOME:02-1234\r\nTEL;TYPE=WORK:031-1234\r\nEND:VCARD\r\n";

class RowCommandsTest : public ::testing::Test {
 protected:
  OverlayRun run_{VersionMode::kWin2003};
  void SetUp() override {
    ASSERT_EQ(RegisterAddressBook(), 0) << "regsvr32 pimstore.dll";
    run_.WriteDeviceFile(L"contacts.vcf", kPark);
  }
};

std::vector<std::string> Rows(const Printed& p) { return p.All("row"); }

TEST_F(RowCommandsTest, LeftAndRightStepThroughTheNumbersAndWrap) {
  EXPECT_EQ(Rows(run_.Run(L"01")), (std::vector<std::string>{"*\t1\tPark\t010-1234\t휴"}));
  EXPECT_EQ(Rows(run_.Run(L"01{RIGHT}")), (std::vector<std::string>{"*\t1\tPark\t02-1234\t집"}));
  EXPECT_EQ(Rows(run_.Run(L"01{RIGHT}{RIGHT}{RIGHT}")),
            (std::vector<std::string>{"*\t1\tPark\t010-1234\t휴"}));
  EXPECT_EQ(Rows(run_.Run(L"01{LEFT}")), (std::vector<std::string>{"*\t1\tPark\t031-1234\t근"}));
}

TEST_F(RowCommandsTest, TapCallsTheShownNumberWhichThenComesFirst) {
  // After the call the work number is slot 0 and home stays slot 1, so one
  // step right shows home; without the exchange it would show mobile.
  const Printed p = run_.Run(L"01{RIGHT}{RIGHT}{ENTER}{RIGHT}");
  EXPECT_EQ(p.All("call"), (std::vector<std::string>{"031-1234\tPark"})) << p.Text();
  EXPECT_EQ(Rows(p), (std::vector<std::string>{"*\t1\tPark\t02-1234\t집"})) << p.Text();
}

TEST_F(RowCommandsTest, BuiltInCommandsGiveOneGroupPerNumber) {
  const Printed p = run_.Run(L"01{PICK:0}{ROWHOLD}");
  const std::vector<std::string> expected = {
      "34661\t연락처 열기 \"Park\"", "-", "34663\t전화 걸기 : 휴대폰",
      "34664\t450 메시지 보내기", "34665\t4500 메시지 보내기", "34666\t4650 메시지 보내기",
      "34667\tSKT 메시지 보내기", "34668\tBM-500 메시지 보내기", "34669\tSMS 보내기",
      "-", "34673\t전화 걸기 : 집",
      "-", "34683\t전화 걸기 : 근무"};
  EXPECT_EQ(p.All("menu"), expected) << p.Text();
  EXPECT_TRUE(p.All("call").empty()) << "a dismissed popup runs nothing\n" << p.Text();
}

TEST_F(RowCommandsTest, PopupOffersCommandsByModeAndRunsTheChosenNumbersCommand) {
  run_.SetCommand(0, L"1|A|A");
  run_.SetCommand(1, L"9|B %t|%p");
  run_.SetCommand(2, L"0|C|C");
  run_.SetCommand(3, L"9|-|-");
  run_.SetCommand(4, L"9|D|D");
  const Printed p = run_.Run(L"01{PICK:34672}{ROWHOLD}");
  const std::vector<std::string> expected = {
      "34661\tA", "34662\tB 휴대폰", "-", "34665\tD",
      "34672\tB 집", "-", "34675\tD",
      "34682\tB 근무", "-", "34685\tD"};
  EXPECT_EQ(p.All("menu"), expected) << p.Text();
  EXPECT_EQ(p.All("call"), (std::vector<std::string>{"02-1234\tPark"})) << p.Text();
  // The home number was used: it is first now and the row shows it.
  EXPECT_EQ(Rows(p), (std::vector<std::string>{"*\t1\tPark\t02-1234\t집"})) << p.Text();
}

// The built-in first command of the row popup (34661) is "*": open the
// entry in the phone's own application.
constexpr wchar_t kOpenFirstNumber[] = L"{PICK:34661}{ROWHOLD}";

TEST_F(RowCommandsTest, OpenOnAnAddressBookRowShowsThatContactsCard) {
  // Object ids from UID, unlike the rows' positions.
  run_.WriteDeviceFile(L"contacts.vcf",
                       "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:41\r\nFN:Park\r\n"
                       "TEL;TYPE=CELL:010-1234\r\nEND:VCARD\r\n"
                       "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:7\r\nFN:Choi\r\n"
                       "TEL;TYPE=CELL:010-5678\r\nEND:VCARD\r\n");
  const Printed p = run_.Run(std::wstring(L"010{DOWN}") + kOpenFirstNumber);
  ASSERT_FALSE(p.All("menu").empty()) << p.Text();
  EXPECT_EQ(p.All("menu")[0], "34661\t연락처 열기 \"Choi\"") << p.Text();
  EXPECT_EQ(p.All("display"), (std::vector<std::string>{"7\tChoi"})) << p.Text();
  EXPECT_TRUE(p.All("call").empty()) << p.Text();
  EXPECT_EQ(p.Value("history-opens"), "0") << p.Text();
}

// Waits up to ten seconds for a file to appear.
bool Appears(const std::wstring& path) {
  for (int i = 0; i < 200; ++i) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

TEST_F(RowCommandsTest, ProgramFollowedBySpaceStartsWithParametersInAnyCase) {
  cprog_test::TemporaryFolder folder;
  for (const wchar_t* program : {L"cmd.exe", L"CMD.EXE"}) {
    const std::wstring marker = folder.File(std::wstring(program) + L".txt");
    run_.SetCommand(0, L"1|!Run|" + std::wstring(program) + L" /c echo x>\"" + marker + L"\"");
    run_.Run(L"01{ENTER}");
    EXPECT_TRUE(Appears(marker)) << cprog_test::Utf8(program);
  }
}

TEST_F(RowCommandsTest, TextWithColonAndNoProgramIsStartedWhole) {
  cprog_test::TemporaryFolder folder;
  const std::wstring marker = folder.File(L"made.txt");
  const std::wstring script = folder.File(L"make.bat");
  cprog_test::WriteWholeFile(script, "@echo x> \"" + cprog_test::Utf8(marker) + "\"\r\n");
  run_.SetCommand(0, L"1|!Run|" + script);
  const Printed p = run_.Run(L"01{ENTER}");
  EXPECT_TRUE(Appears(marker)) << p.Text();
  EXPECT_TRUE(p.All("call").empty()) << p.Text();
}

}  // namespace
}  // namespace overlay_test

namespace overlay_test {
namespace {

// Stand-ins for the SIM programs: copies of overlay_program_stub.exe in a
// folder put in front of PATH; each leaves "NAME.mark" in that folder.
class SimProgramsTest : public ::testing::Test {
 protected:
  OverlayRun run_{VersionMode::kWin2003};
  cprog_test::TemporaryFolder folder_;
  std::unique_ptr<cprog_test::ScopedEnvironment> path_;
  std::unique_ptr<cprog_test::ScopedEnvironment> marks_;
  void SetUp() override {
    run_.WriteDeviceFile(L"sim.txt", "250\n3\tKim\t111\n");
    run_.SetCommand(0, L"1|!Open|*");
    wchar_t old[8192] = {};
    GetEnvironmentVariableW(L"PATH", old, 8192);
    path_ = std::make_unique<cprog_test::ScopedEnvironment>(L"PATH", folder_.Path() + L";" + old);
    marks_ = std::make_unique<cprog_test::ScopedEnvironment>(L"OVERLAY_TEST_MARKS", folder_.Path());
  }
  void Provide(const wchar_t* program) const {
    const std::wstring stub = cprog_test::BinFolder() + L"\\overlay_program_stub.exe";
    ASSERT_TRUE(CopyFileW(stub.c_str(), folder_.File(program).c_str(), FALSE));
  }
  bool Started(const wchar_t* program, DWORD waitMs) const {
    const std::wstring mark = folder_.File(std::wstring(program) + L".mark");
    const DWORD start = GetTickCount();
    do {
      if (GetFileAttributesW(mark.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
      Sleep(50);
    } while (GetTickCount() - start < waitMs);
    return false;
  }
};

TEST_F(SimProgramsTest, SimRowOpensTheSimManagerWhenPresent) {
  Provide(L"Sim_Mgr.exe");
  Provide(L"SimUpload.exe");
  run_.Run(L"1{ENTER}");
  EXPECT_TRUE(Started(L"Sim_Mgr.exe", 10000));
  EXPECT_FALSE(Started(L"SimUpload.exe", 1000));
}

TEST_F(SimProgramsTest, SimRowFallsBackToTheUploadProgram) {
  Provide(L"SimUpload.exe");
  run_.Run(L"1{ENTER}");
  EXPECT_TRUE(Started(L"SimUpload.exe", 10000));
}

}  // namespace
}  // namespace overlay_test

namespace overlay_test {
namespace {

// The call history command differs between systems (22502 from version 5
// on, 22303 before); the dialer only knows its own.
class CallLogRowTest : public ::testing::TestWithParam<VersionMode> {
 protected:
  OverlayRun run_{GetParam()};
  void SetUp() override { run_.WriteDeviceFile(L"calllog.txt", "0311\tCaller\n"); }
};

TEST_P(CallLogRowTest, OpenShowsTheCallHistoryAndCallsNobody) {
  const Printed p = run_.Run(std::wstring(L"0311") + kOpenFirstNumber);
  EXPECT_EQ(p.Value("history-opens"), "1") << p.Text();
  EXPECT_TRUE(p.All("call").empty()) << p.Text();
  EXPECT_TRUE(p.All("display").empty()) << p.Text();
}

INSTANTIATE_TEST_SUITE_P(Modes, CallLogRowTest,
                         ::testing::Values(VersionMode::kNt40, VersionMode::kWinXp,
                                           VersionMode::kWin2003),
                         [](const auto& info) { return ModeName(info.param); });

}  // namespace
}  // namespace overlay_test
