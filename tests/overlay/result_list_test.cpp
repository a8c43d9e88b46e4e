// The result list inside the stand-in dialer: when it shows, what its rows
// say, where it goes and what happens to the soft key, in each system
// version mode.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "overlay_run.h"
#include "result_list.h"

namespace overlay_test {
namespace {

constexpr DWORD kDefaultFlag = 0x7717B;
constexpr DWORD kOverlayOn = 0x1;
constexpr DWORD kShowIndex = 0x8;
constexpr DWORD kShowNumber = 0x20000;
constexpr char kKeypadCaption[] = "키패드 전환";

// Two SIM entries: "1" matches both, "12" only Lee, "9" neither (by number
// or by the spelled names, KIM = 546, LEE = 533).
constexpr char kSim[] = "250\n3\tKim\t111\n90\tLee\t1222\n";

class ResultListTest : public ::testing::TestWithParam<VersionMode> {
 protected:
  OverlayRun run_{GetParam()};
  void SetUp() override { run_.WriteDeviceFile(L"sim.txt", kSim); }
  // The soft key's caption before the extension touched it.
  std::string OwnCaption() const { return run_.Run(L"").Value("softkey"); }
};

TEST_P(ResultListTest, ShowsExactlyWhileTypedKeysMatchAndPutsTheSoftKeyBack) {
  const std::string own = OwnCaption();
  ASSERT_NE(own, "");
  ASSERT_NE(own, kKeypadCaption);

  Printed p = run_.Run(L"1");
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.Value("softkey"), kKeypadCaption) << p.Text();
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tKim\t111\tS", "-\t2\tLee\t1222\tS"}))
      << p.Text();

  p = run_.Run(L"12");  // stays shown, one row left
  EXPECT_EQ(p.Value("softkey"), kKeypadCaption) << p.Text();
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tLee\t1222\tS"})) << p.Text();

  p = run_.Run(L"1{BACK}");  // cleared: hidden, own caption back
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();
  EXPECT_EQ(p.Value("softkey"), own) << p.Text();

  p = run_.Run(L"9");  // typed but nothing matched
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();
  EXPECT_EQ(p.Value("softkey"), own) << p.Text();

  p = run_.Run(L"1{BACK}1");  // shown a second time: the caption saved is the own one
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  p = run_.Run(L"1{BACK}1{BACK}");
  EXPECT_EQ(p.Value("softkey"), own) << p.Text();
}

TEST_P(ResultListTest, ADestroyedListComesBackWithTheNextKey) {
  const std::string own = OwnCaption();
  // Shown when the dialer destroyed it: the next key that matches shows it
  // again, with its rows, at its place, the soft key still relabelled.
  Printed p = run_.Run(L"1{DROPLIST}2");
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tLee\t1222\tS"})) << p.Text();
  EXPECT_EQ(p.Value("softkey"), kKeypadCaption) << p.Text();
  EXPECT_EQ(p.Value("place"), run_.Run(L"12").Value("place")) << p.Text();

  // A key that clears the field hides it and puts the dialer's own caption
  // back; shown once more, it saves that caption again, not its own label.
  p = run_.Run(L"1{DROPLIST}{BACK}");
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();
  EXPECT_EQ(p.Value("softkey"), own) << p.Text();
  p = run_.Run(L"1{DROPLIST}{BACK}1{BACK}");
  EXPECT_EQ(p.Value("softkey"), own) << p.Text();

  // Hidden when destroyed: the next match shows it.
  p = run_.Run(L"9{DROPLIST}{BACK}1");
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.All("row").size(), 2u) << p.Text();
}

// Kim (921, and 9265 at home) and the SIM's 王一, 王二 and 王三 (wangyi,
// wanger, wangsan): "92" lists the four in that order, Kim by his number, the
// others by 王's spelling. A "+" pasted after it changes nothing the rows
// show; "926" changes only Kim's row, to his home number, while the others
// still mark 王. The count stays, so no scroll bar comes or goes.
TEST_P(ResultListTest, AKeyRedrawsOnlyTheRowsItChanges) {
  ASSERT_EQ(RegisterAddressBook(), 0) << "regsvr32 pimstore.dll";
  run_.WriteDeviceFile(L"contacts.vcf",
                       "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Kim\r\nTEL;TYPE=CELL:921\r\n"
                       "TEL;TYPE=HOME:9265\r\nEND:VCARD\r\n");
  run_.WriteDeviceFile(L"sim.txt", "250\n1\t王一\t111\n2\t王二\t112\n3\t王三\t113\n");
  const Printed first = run_.Run(L"92");
  const std::vector<std::string> firstRows = first.All("row");
  ASSERT_EQ(firstRows.size(), 4u) << first.Text();
  EXPECT_EQ(first.All("marks")[1], "0-1\t") << first.Text();
  const int drawn = std::stoi(first.Value("row-draws"));
  EXPECT_GE(drawn, 2) << "the rows in view\n" << first.Text();

  Printed p = run_.Run(L"92{PASTE:+}");
  EXPECT_EQ(p.All("row"), firstRows) << p.Text();
  EXPECT_EQ(std::stoi(p.Value("row-draws")), drawn) << "same rows: none drawn again\n" << p.Text();

  p = run_.Run(L"926");
  const std::vector<std::string> rows = p.All("row");
  ASSERT_EQ(rows.size(), 4u) << p.Text();
  EXPECT_NE(rows[0], firstRows[0]) << p.Text();
  EXPECT_EQ(std::vector<std::string>(rows.begin() + 1, rows.end()),
            std::vector<std::string>(firstRows.begin() + 1, firstRows.end()))
      << p.Text();
  EXPECT_EQ(std::stoi(p.Value("row-draws")), drawn + 1) << "only the first row drawn again\n"
                                                        << p.Text();
}

TEST_P(ResultListTest, OverlayOffNeverShowsTheList) {
  run_.SetFlag(kDefaultFlag & ~kOverlayOn);
  const std::string own = OwnCaption();
  const Printed p = run_.Run(L"1");
  // A dialer resize may still create the (hidden) list window.
  EXPECT_NE(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.Value("softkey"), own) << p.Text();
}

TEST_P(ResultListTest, RowsShowIndexAndNumberByOptionOrWhenExpanded) {
  run_.SetFlag(kDefaultFlag & ~kShowIndex & ~kShowNumber);
  Printed p = run_.Run(L"12");
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t\tLee\t\tS"})) << p.Text();

  p = run_.Run(L"12{TAP}");  // a tap on the number field expands the list
  EXPECT_EQ(p.Value("expanded"), "yes") << p.Text();
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tLee\t1222\tS"})) << p.Text();

  p = run_.Run(L"12{TAP}{TAP}");
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();

  run_.SetFlag((kDefaultFlag & ~kShowNumber) | kShowIndex);
  p = run_.Run(L"12");
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tLee\t\tS"})) << p.Text();
}

TEST_P(ResultListTest, SoftKeyTogglesExpandedOnlyWhileTheListIsShown) {
  Printed p = run_.Run(L"1{SOFTKEY}");
  EXPECT_EQ(p.Value("expanded"), "yes") << p.Text();
  EXPECT_EQ(p.Value("place"), "0 0 240 320") << p.Text();
  EXPECT_EQ(p.Value("softkey-presses"), "0") << p.Text();

  p = run_.Run(L"1{SOFTKEY}{SOFTKEY}");
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();

  p = run_.Run(L"9{SOFTKEY}");  // hidden: the dialer gets its soft key
  EXPECT_EQ(p.Value("softkey-presses"), "1") << p.Text();
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();

  p = run_.Run(L"9{TAP}");  // hidden: a tap does not expand
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();
}

TEST_P(ResultListTest, ARefreshThatHidesTheListLeavesExpandedMode) {
  Printed p = run_.Run(L"1{TAP}1");  // "11" still matches Kim: stays expanded
  EXPECT_EQ(p.Value("expanded"), "yes") << p.Text();
  p = run_.Run(L"1{TAP}{BACK}1");  // hidden in between: back to the normal place
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();
}

TEST_P(ResultListTest, ConfiguredRectangleForTheScreenShapeIsUsed) {
  // Xvfb's screen is wider than high: the landscape rectangle counts.
  const bool landscape = GetSystemMetrics(SM_CXSCREEN) > GetSystemMetrics(SM_CYSCREEN);
  if (landscape) {
    run_.SetPosSize({1, 2, 100, 50, 10, 20, 200, 100});
  } else {
    run_.SetPosSize({10, 20, 200, 100, 1, 2, 100, 50});
  }
  Printed p = run_.Run(L"1");
  EXPECT_EQ(p.Value("place"), "10 20 200 100") << p.Text();

  // A configured width of 0 falls back to the automatic place.
  run_.SetPosSize({10, 20, 0, 100, 10, 20, 0, 100});
  p = run_.Run(L"1");
  EXPECT_NE(p.Value("place"), "10 20 0 100") << p.Text();
  if (GetParam() == VersionMode::kWin2003) {
    EXPECT_EQ(p.Value("place"), "8 84 224 188") << "over the keypad\n" << p.Text();
  } else {
    const std::string place = p.Value("place");
    EXPECT_EQ(place.rfind("0 0 ", 0), 0u) << "above the number field\n" << p.Text();
  }
}

TEST_P(ResultListTest, AVerticalScrollBarBringsNoHorizontalOne) {
  // 30 matching entries: more rows than the list shows.
  std::string sim = "250\n";
  for (int i = 1; i <= 30; ++i) sim += std::to_string(i) + "\tName " + std::to_string(i) + "\t1" + std::to_string(i) + "\n";
  run_.WriteDeviceFile(L"sim.txt", sim);
  for (const wchar_t* keys : {L"1", L"1{TAP}"}) {
    SCOPED_TRACE(cprog_test::Utf8(keys));
    cprog_test::CprogProcess cprog(std::wstring(L"--keys ") + keys + L" --exit-after 20000");
    HWND dialer = cprog.WaitForDialer();
    ASSERT_TRUE(cprog.WaitForKeysPlayed(dialer));
    HWND list = nullptr;
    ASSERT_TRUE(SettleWhen(dialer, [&] {
      list = GetDlgItem(dialer, vostarel::kResultListId);
      return list != nullptr && IsWindowVisible(list);
    }));
    const LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    EXPECT_NE(style & WS_VSCROLL, 0) << "precondition: the rows do not fit";
    EXPECT_EQ(style & WS_HSCROLL, 0);
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), client.right) << "the rows span the list";
    cprog.Quit(dialer);
    cprog.Finish();
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, ResultListTest,
                         ::testing::Values(VersionMode::kNt40, VersionMode::kWinXp,
                                           VersionMode::kWin2003),
                         [](const auto& info) { return ModeName(info.param); });

// The option to list the people called most first, off unless the value
// OrderByCalls holds 1. The call log calls Cho three times, twice as
// 010-1000-0003 and once as 010 1000 0003 (his +82 number dialled at home),
// and Bob once; the log's own entries count their calls as the contacts
// with their numbers do, and ties keep the stores' order.
TEST(ListOrderTest, ThePeopleCalledMostComeFirstWhenTheOptionIsOn) {
  ASSERT_EQ(RegisterAddressBook(), 0) << "regsvr32 pimstore.dll";
  OverlayRun run(VersionMode::kWin2003);
  run.WriteDeviceFile(L"contacts.vcf",
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nTEL;TYPE=CELL:010-1000-0001\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob\r\nTEL;TYPE=CELL:010-1000-0002\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cho\r\nTEL;TYPE=CELL:+82 10-1000-0003\r\nEND:VCARD\r\n");
  run.WriteDeviceFile(L"calllog.txt",
                      "010-1000-0003\t\n010 1000 0003\t\n010-1000-0002\t\n010-1000-0003\t\n");
  // Name and number of each row.
  const auto listed = [&run] {
    const Printed p = run.Run(L"0101000");
    std::vector<std::string> rows;
    for (const std::string& row : p.All("row")) {
      const size_t name = row.find('\t', row.find('\t') + 1) + 1;
      const size_t label = row.rfind('\t');
      rows.push_back(row.substr(name, label - name));
    }
    return rows;
  };
  const std::string unnamed = "이름 없음";
  const std::vector<std::string> storeOrder = {
      "Ann\t010-1000-0001", "Bob\t010-1000-0002", "Cho\t+82 10-1000-0003",
      unnamed + "\t010-1000-0003", unnamed + "\t010 1000 0003", unnamed + "\t010-1000-0002"};
  EXPECT_EQ(listed(), storeOrder);

  cprog_test::ScopedRegistryValue order(HKEY_CURRENT_USER, L"Software\\Vostarel", L"OrderByCalls");
  order.SetDword(2);  // not 1: the stores' order
  EXPECT_EQ(listed(), storeOrder);
  order.SetDword(1);
  EXPECT_EQ(listed(), (std::vector<std::string>{
                          "Cho\t+82 10-1000-0003", unnamed + "\t010-1000-0003",
                          unnamed + "\t010 1000 0003", "Bob\t010-1000-0002",
                          unnamed + "\t010-1000-0002", "Ann\t010-1000-0001"}));
}

}  // namespace
}  // namespace overlay_test
