// The stand-in phone application's platform-free parts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/dialer_profile.h"
#include "core/key_sequence.h"
#include "core/number_text.h"
#include "core/printed_state.h"

namespace vostarel::cprog {
namespace {

struct VersionCase {
  std::uint32_t major;
  std::uint32_t minor;
  std::uint16_t numberField;
  std::uint16_t status;
  std::uint16_t softKey;
  std::uint16_t history;
};

class DialerProfileTest : public testing::TestWithParam<VersionCase> {};

TEST_P(DialerProfileTest, PicksTheIdsTheExtensionLooksFor) {
  const VersionCase& c = GetParam();
  const DialerProfile profile = ProfileForVersion(c.major, c.minor);
  EXPECT_EQ(profile.numberFieldId, c.numberField);
  EXPECT_EQ(profile.statusId, c.status);
  EXPECT_EQ(profile.softKeyCommand, c.softKey);
  EXPECT_EQ(profile.historyCommand, c.history);
  EXPECT_EQ(profile.version52, c.status == 23041) << "23041 exists exactly on 5.2 or later";
}

INSTANTIATE_TEST_SUITE_P(
    Versions, DialerProfileTest,
    testing::Values(VersionCase{4, 0, 22301, 23040, 22634, 22303},  // Wine nt40
                    VersionCase{4, 21, 22301, 23040, 22634, 22303},
                    VersionCase{5, 0, 23002, 23040, 22634, 22502},
                    VersionCase{5, 1, 23002, 23040, 22634, 22502},  // Wine winxp
                    VersionCase{5, 2, 23002, 23041, 22518, 22502},  // Wine win2003
                    // A major version above 5 with a minor below 2 is not "5.2".
                    VersionCase{6, 0, 23002, 23040, 22634, 22502},
                    VersionCase{6, 2, 23002, 23041, 22518, 22502}));

CommandLine Parsed(const std::vector<std::u16string>& args) {
  const CommandLineResult result = ParseCommandLine(args);
  EXPECT_TRUE(result.commandLine.has_value()) << result.error;
  return result.commandLine.value_or(CommandLine{});
}

std::string ErrorOf(const std::vector<std::u16string>& args) {
  const CommandLineResult result = ParseCommandLine(args);
  EXPECT_FALSE(result.commandLine.has_value());
  return result.error;
}

TEST(CommandLineTest, NoArgumentsMeansAnInteractivePhone) {
  const CommandLine line = Parsed({});
  EXPECT_TRUE(line.keys.empty());
  EXPECT_FALSE(line.print);
  EXPECT_FALSE(line.exitAfterMs.has_value());
  EXPECT_EQ(line.attachTimeoutMs, kDefaultAttachTimeoutMs);
}

TEST(CommandLineTest, ReadsEveryOptionInAnyOrder) {
  const CommandLine line =
      Parsed({u"--exit-after", u"750", u"--keys", u"12{TALK}", u"--print", u"--attach-timeout", u"0"});
  EXPECT_EQ(line.keys, u"12{TALK}");
  EXPECT_TRUE(line.print);
  ASSERT_TRUE(line.exitAfterMs.has_value());
  EXPECT_EQ(*line.exitAfterMs, 750u);
  EXPECT_EQ(line.attachTimeoutMs, 0u);
}

TEST(CommandLineTest, RejectsWhatItCannotUse) {
  EXPECT_NE(ErrorOf({u"--keys"}).find("--keys"), std::string::npos);
  EXPECT_NE(ErrorOf({u"--exit-after"}).find("--exit-after"), std::string::npos);
  EXPECT_NE(ErrorOf({u"--exit-after", u"12x"}).find("12x"), std::string::npos);
  EXPECT_NE(ErrorOf({u"--exit-after", u""}).find("milliseconds"), std::string::npos);
  EXPECT_NE(ErrorOf({u"--exit-after", u"-5"}).find("milliseconds"), std::string::npos);
  EXPECT_NE(ErrorOf({u"--attach-timeout", u"4294967296"}).find("milliseconds"), std::string::npos);
  EXPECT_NE(ErrorOf({u"--keys", u"1", u"--keys", u"2"}).find("twice"), std::string::npos);
  EXPECT_NE(ErrorOf({u"--verbose"}).find("--verbose"), std::string::npos);
  EXPECT_NE(ErrorOf({u"12"}).find("12"), std::string::npos) << "keys need --keys";
}

TEST(CommandLineTest, InputTakesNoKeysFromTheCommandLine) {
  const CommandLine line = Parsed({u"--input", u"--attach-timeout", u"60000", u"--call-log-limit", u"600"});
  EXPECT_TRUE(line.input);
  EXPECT_EQ(line.attachTimeoutMs, 60000u);
  EXPECT_EQ(line.callLogLimit, 600u);
  EXPECT_EQ(Parsed({}).callLogLimit, 0u) << "no limit";
  for (const auto& extra : {std::vector<std::u16string>{u"--keys", u"1"}, {u"--print"}, {u"--exit-after", u"5"}}) {
    std::vector<std::u16string> args = {u"--input"};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_NE(ErrorOf(args).find("--input"), std::string::npos);
  }
  EXPECT_NE(ErrorOf({u"--call-log-limit", u"x"}).find("'x'"), std::string::npos);
}

TEST(CommandLineTest, TheLargestMillisecondsValueIsAccepted) {
  EXPECT_EQ(*Parsed({u"--exit-after", u"2147483647"}).exitAfterMs, 2147483647u);
  ErrorOf({u"--exit-after", u"2147483648"});
}

TEST(KeySequenceTest, ReadsCharactersAndNamedKeysInOrder) {
  const KeySequenceResult result =
      ParseKeySequence(u"0*#9{LEFT}{RIGHT}{UP}{DOWN}{ENTER}{TALK}{SOFTKEY}{TAP}{BACK}5");
  ASSERT_TRUE(result.keys.has_value());
  const std::vector<Key> expected = {
      {KeyKind::kChar, u'0'}, {KeyKind::kChar, u'*'}, {KeyKind::kChar, u'#'}, {KeyKind::kChar, u'9'},
      {KeyKind::kLeft, 0},    {KeyKind::kRight, 0},   {KeyKind::kUp, 0},      {KeyKind::kDown, 0},
      {KeyKind::kEnter, 0},   {KeyKind::kTalk, 0},    {KeyKind::kSoftKey, 0}, {KeyKind::kTap, 0},
      {KeyKind::kBack, 0},    {KeyKind::kChar, u'5'},
  };
  EXPECT_EQ(*result.keys, expected);
  EXPECT_TRUE(ParseKeySequence(u"").keys->empty());
}

TEST(KeySequenceTest, ReadsTheGestureMenuAndPickKeys) {
  const KeySequenceResult result = ParseKeySequence(
      u"{HOME}{END}{HOLD}{ROWHOLD}{MENU}{PICK:34672}{PICK:0}{SHEETTAB:2}{SHEETCANCEL}{FAULTS:OFF}"
      u"{FAULTS:ON}");
  ASSERT_TRUE(result.keys.has_value());
  const std::vector<Key> expected = {
      {KeyKind::kHome, 0},         {KeyKind::kEnd, 0},          {KeyKind::kHold, 0},
      {KeyKind::kRowHold, 0},      {KeyKind::kMenu, 0},         {KeyKind::kPick, 0, 34672},
      {KeyKind::kPick, 0, 0},      {KeyKind::kSheetTab, 0, 2},  {KeyKind::kSheetCancel, 0},
      {KeyKind::kFaultsOff, 0},    {KeyKind::kFaultsOn, 0},
  };
  EXPECT_EQ(*result.keys, expected);
  for (const char16_t* bad : {u"{PICK:}", u"{PICK:12a}", u"{PICK:1234567890}", u"{PICK 1}",
                              u"{SHEETTAB:}", u"{SHEETTAB:100}", u"{SHEETTAB:-1}", u"{FAULTS:}",
                              u"{FAULTS:on}", u"{FAULTS}"}) {
    EXPECT_FALSE(ParseKeySequence(bad).keys.has_value());
  }
}

TEST(KeySequenceTest, ReadsTheDialerChangingKeys) {
  const KeySequenceResult result =
      ParseKeySequence(u"1{PASTE:+82*1#0}{RESIZE:300,4000}{SYSMENU}{DROPLIST}{RESIZE:1,1}");
  ASSERT_TRUE(result.keys.has_value());
  ASSERT_EQ(result.keys->size(), 6u);
  const std::vector<Key>& keys = *result.keys;
  EXPECT_EQ(keys[0], (Key{KeyKind::kChar, u'1'}));
  EXPECT_EQ(keys[1].kind, KeyKind::kPaste);
  EXPECT_EQ(keys[1].text, u"+82*1#0");
  EXPECT_EQ(keys[2].kind, KeyKind::kResize);
  EXPECT_EQ(keys[2].width, 300u);
  EXPECT_EQ(keys[2].height, 4000u);
  EXPECT_EQ(keys[3], (Key{KeyKind::kSysMenu}));
  EXPECT_EQ(keys[4], (Key{KeyKind::kDropList}));
  EXPECT_EQ(keys[5].width, 1u);
  EXPECT_EQ(keys[5].height, 1u);

  const std::u16string longest(kNumberCapacity, u'5');
  EXPECT_EQ(ParseKeySequence(u"{PASTE:" + longest + u"}").keys->at(0).text, longest);
}

TEST(KeySequenceTest, RejectsPastesAndSizesItCannotUse) {
  const std::u16string tooLong(kNumberCapacity + 1, u'5');
  for (const std::u16string& bad :
       {std::u16string(u"{PASTE:}"), std::u16string(u"{PASTE:12a}"), std::u16string(u"{PASTE:1 2}"),
        u"{PASTE:" + tooLong + u"}", std::u16string(u"{RESIZE:}"), std::u16string(u"{RESIZE:240}"),
        std::u16string(u"{RESIZE:240,}"), std::u16string(u"{RESIZE:,320}"),
        std::u16string(u"{RESIZE:0,320}"), std::u16string(u"{RESIZE:240,0}"),
        std::u16string(u"{RESIZE:12345,320}"), std::u16string(u"{RESIZE:240,320,1}"),
        std::u16string(u"{RESIZE:-240,320}"), std::u16string(u"{RESIZE 240,320}"),
        std::u16string(u"{sysmenu}")}) {
    const KeySequenceResult result = ParseKeySequence(u"1" + bad);
    EXPECT_FALSE(result.keys.has_value()) << std::string(bad.begin(), bad.end());
    EXPECT_EQ(result.errorOffset, 1u) << std::string(bad.begin(), bad.end());
  }
}

TEST(PrintedStateTest, ListLinesAppearOnlyWithAListAndRowsKeepEmptyColumns) {
  PrintedState state;
  EXPECT_EQ(FormatPrintedState(state).find("expanded:"), std::string::npos);
  state.list = ListState::kVisible;
  state.listExpanded = true;
  state.listPlace = "0 0 240 320";
  state.listRowDraws = 3;
  state.rows = {{true, "1", "Kim", "", "S", {}, {}}, {false, "", "Lee", "1222", "S", {}, {}}};
  AddUnitRange(state.rows[1].nameMarks, 0, 1);
  AddUnitRange(state.rows[1].numberMarks, 0, 1);
  AddUnitRange(state.rows[1].numberMarks, 1, 2);  // joined to the one before
  AddUnitRange(state.rows[1].numberMarks, 3, 4);
  state.menus = {{"20102\tA", "-"}};
  state.boxes = {"Vostarel\tdone"};
  EXPECT_EQ(FormatPrintedState(state),
            "number: \nlist: visible\nexpanded: yes\nplace: 0 0 240 320\nrow-draws: 3\n"
            "row: *\t1\tKim\t\tS\nmarks: \t\nrow: -\t\tLee\t1222\tS\nmarks: 0-1\t0-2,3-4\n"
            "softkey: \nsoftkey-presses: 0\nhistory-opens: 0\n"
            "menu: 20102\tA\nmenu: -\nmenu-end\nbox: Vostarel\tdone\n");
}

TEST(PrintedStateTest, HistoryOpensAndEachContactCardGetTheirLines) {
  PrintedState state;
  state.historyOpens = 2;
  state.displays = {"41\tPark", "7\tKim"};
  const std::string out = FormatPrintedState(state);
  EXPECT_NE(out.find("\nhistory-opens: 2\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\ndisplay: 41\tPark\ndisplay: 7\tKim\n"), std::string::npos) << out;
  EXPECT_EQ(FormatPrintedState(PrintedState{}).find("display:"), std::string::npos);
}

TEST(PrintedStateTest, StandInCountersCloseTheStateWhenGiven) {
  PrintedState state;
  EXPECT_EQ(FormatPrintedState(state).find("live-objects"), std::string::npos);
  state.displays = {"7\tKim"};
  state.counters = StandInCounters{1, 2, 3, 4, 5, 6, 7890, 123};
  const std::string out = FormatPrintedState(state);
  EXPECT_NE(out.find("display: 7\tKim\nlive-objects: 1\nopen-sim-handles: 2\nopen-log-handles: 3\n"
                     "outstanding-strings: 4\nfaults-injected: 5\ncall-log-opens: 6\nprivate-kib: 7890\n"
                     "heap-kib: 123\n"),
            std::string::npos)
      << out;
}

TEST(KeySequenceTest, PointsAtTheFirstThingItCannotRead) {
  struct Bad {
    std::u16string text;
    std::size_t offset;
  };
  for (const Bad& bad : {Bad{u"12a", 2}, Bad{u"{FOO}", 0}, Bad{u"1{talk}", 1}, Bad{u"12{TALK", 2},
                         Bad{u"{}", 0}, Bad{u"1 2", 1}, Bad{u"}", 0}, Bad{u"+", 0}}) {
    const KeySequenceResult result = ParseKeySequence(bad.text);
    EXPECT_FALSE(result.keys.has_value()) << std::string(bad.text.begin(), bad.text.end());
    EXPECT_EQ(result.errorOffset, bad.offset) << std::string(bad.text.begin(), bad.text.end());
  }
}

TEST(NumberTextTest, TypingAppendsDialableCharactersOnly) {
  EXPECT_EQ(ApplyTypedChar(u"", u'0'), u"0");
  EXPECT_EQ(ApplyTypedChar(u"12", u'*'), u"12*");
  EXPECT_EQ(ApplyTypedChar(u"12", u'#'), u"12#");
  EXPECT_EQ(ApplyTypedChar(u"", u'+'), u"+");
  EXPECT_FALSE(ApplyTypedChar(u"12", u'a').has_value());
  EXPECT_FALSE(ApplyTypedChar(u"12", u'\r').has_value()) << "ENTER does not type";
  EXPECT_FALSE(ApplyTypedChar(u"12", u' ').has_value());
}

TEST(NumberTextTest, BackspaceRemovesTheLastCharacterAndNothingOnEmpty) {
  EXPECT_EQ(ApplyTypedChar(u"123", kBackspace), u"12");
  EXPECT_EQ(ApplyTypedChar(u"1", kBackspace), u"");
  EXPECT_FALSE(ApplyTypedChar(u"", kBackspace).has_value()) << "no WM_SETTEXT for nothing";
}

TEST(NumberTextTest, APasteAddsWhatIsDialableAndStillFits) {
  EXPECT_EQ(FittingPaste(u"1", u"+82 (10) 1234-5"), u"+821012345");
  EXPECT_EQ(FittingPaste(u"", u"*#"), u"*#");
  EXPECT_EQ(FittingPaste(u"", u"abc"), u"");
  const std::u16string almostFull(kNumberCapacity - 2, u'5');
  EXPECT_EQ(FittingPaste(almostFull, u"1-2-3"), u"12");
  EXPECT_EQ(FittingPaste(std::u16string(kNumberCapacity, u'5'), u"1"), u"");
}

TEST(NumberTextTest, AFullNumberTakesNoMoreDigitsButStillDeletes) {
  const std::u16string full(kNumberCapacity, u'5');
  EXPECT_EQ(ApplyTypedChar(full.substr(1), u'6')->size(), kNumberCapacity);
  EXPECT_FALSE(ApplyTypedChar(full, u'6').has_value());
  EXPECT_EQ(ApplyTypedChar(full, kBackspace)->size(), kNumberCapacity - 1);
}

}  // namespace
}  // namespace vostarel::cprog
