// The row popup's items and IDs, the default command, and the number
// selection that the popup, a tap and the left and right keys change.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "command_action.h"
#include "command_text.h"
#include "number_selection.h"
#include "overlay_test_entries.h"
#include "row_layout.h"
#include "row_menu.h"

namespace vostarel {
namespace {

using testing::MakeEntry;
using testing::MobileAndHome;
using Shown = std::vector<std::pair<uint32_t, std::u16string>>;

constexpr uint32_t kBase = 34661;
const std::pair<uint32_t, std::u16string> kSep{0, u"-"};

struct Commands {
  MenuCommand List[kMenuCommandCount];
};

// Commands from their registry text form; the rest of the ten stay empty.
Commands MakeCommands(std::initializer_list<const char16_t*> texts) {
  Commands commands;
  for (MenuCommand& command : commands.List) ClearCommand(command);
  size_t j = 0;
  for (const char16_t* text : texts) EXPECT_TRUE(ParseCommandText(text, commands.List[j++]));
  return commands;
}

Shown Popup(const ContactEntry& entry, const Commands& commands) {
  Shown shown;
  for (const RowMenuItem& item : BuildRowMenuItems(entry, commands.List)) {
    EXPECT_EQ(item.Separator, item.Id == 0);
    shown.emplace_back(item.Id, item.Separator ? u"-" : item.Text);
  }
  return shown;
}

// Command j's text expanded for number i, and what it does.
std::pair<CommandActionKind, std::u16string> ExpandAndChoose(const ContactEntry& entry,
                                                 const Commands& commands, uint32_t i, size_t j) {
  char16_t text[kCommandExpansionCapacity];
  ExpandMacros(text, kCommandExpansionCapacity, commands.List[j].Command, entry, i);
  return {ChooseCommandAction(text, commands.List[j].Mode).Kind, text};
}

TEST(OverlayRowMenu, OffersEachCommandForTheNumbersBelowItsMode) {
  const Commands commands = MakeCommands({u"1|A|a", u"9|B|b", u"0|C|c", u"9|-|-", u"9|D|d"});
  const ContactEntry entry = MakeEntry(u"N", {{u"1", u"111"}, {u"2", u"222"}, {u"3", u"333"}});
  const Shown expected = {{kBase, u"A"},      {kBase + 1, u"B"}, kSep, {kBase + 4, u"D"},
                          {kBase + 11, u"B"}, kSep,              {kBase + 14, u"D"},
                          {kBase + 21, u"B"}, kSep,              {kBase + 24, u"D"}};
  EXPECT_EQ(Popup(entry, commands), expected);
}

TEST(OverlayRowMenu, BuiltInCommandsOnAContactWithMobileAndHome) {
  const Commands commands = MakeCommands({
      u"1|연락처 열기 \"%n\"|*",
      u"9|-|-",
      u"9|!전화 걸기 : %t|%p",
      u"1|450 메시지 보내기|MessageUtil.exe -CProg -%p",
      u"1|4500 메시지 보내기|KTFMMS.exe -type EDIT -RECEIVER \"%p\" -name \"\"",
      u"1|4650 메시지 보내기|LGTSMS.exe -type EDIT -RECEIVER \"%p\" -name \"\"",
      u"1|SKT 메시지 보내기|MMSDummy.exe \"1\" \"%p\"",
      u"1|BM-500 메시지 보내기|MMS.exe -%p",
      u"1|SMS 보내기|tmail.exe -service \"SMS\" -to \"%n<%p>\"",
  });
  ContactEntry entry = MobileAndHome();
  const Shown expected = {
      {kBase, u"연락처 열기 \"홍길동\""}, kSep, {kBase + 2, u"전화 걸기 : 휴대폰"},
      {kBase + 3, u"450 메시지 보내기"},  {kBase + 4, u"4500 메시지 보내기"},
      {kBase + 5, u"4650 메시지 보내기"}, {kBase + 6, u"SKT 메시지 보내기"},
      {kBase + 7, u"BM-500 메시지 보내기"}, {kBase + 8, u"SMS 보내기"},
      kSep, {kBase + 12, u"전화 걸기 : 집"}};
  EXPECT_EQ(Popup(entry, commands), expected);
  EXPECT_EQ(ExpandAndChoose(entry, commands, 0, 0).first, CommandActionKind::OpenEntry);
  EXPECT_EQ(ExpandAndChoose(entry, commands, 0, 8),
            std::pair(CommandActionKind::LaunchWithParameters,
                      std::u16string(u"tmail.exe -service \"SMS\" -to \"홍길동<010-1234-5678>\"")));

  // A tap on a row showing the second number calls that number, which then
  // moves to the front while the row still shows it.
  ASSERT_EQ(DefaultCommandIndex(commands.List), 2u);
  entry.SelectedNumber = 1;
  EXPECT_EQ(ExpandAndChoose(entry, commands, 1, 2), std::pair(CommandActionKind::Call, std::u16string(u"02-555-0101")));
  MoveNumberToFront(entry, 1);
  EXPECT_EQ(entry.SelectedNumber, 0);
  EXPECT_EQ(std::u16string(entry.Numbers[0].Label) + entry.Numbers[1].Label, u"집휴대폰");
  EXPECT_EQ(std::u16string(RowNumberText(entry)), u"02-555-0101");
}

TEST(OverlayRowMenu, EmptyCaptionEndsThePopupButNotTheDefaultSearch) {
  const Commands late = MakeCommands({u"1|Open|*", u"9||x", u"9|!Call|%p"});
  EXPECT_EQ(Popup(MobileAndHome(), late), (Shown{{kBase, u"Open"}}));
  EXPECT_EQ(DefaultCommandIndex(late.List), 2u);
  const Commands none = MakeCommands({u"0|Dial|%p", u"9|Two|x"});
  EXPECT_EQ(DefaultCommandIndex(none.List), 0u);
  // Command 0 of mode 0 still runs on a tap: its text goes to the call request.
  EXPECT_EQ(ExpandAndChoose(MobileAndHome(), none, 0, 0).first, CommandActionKind::Call);
}

TEST(OverlayRowMenu, CaptionMarksAreReadAfterExpansion) {
  const Commands commands = MakeCommands({u"9|%t: %p|x", u"9|%-|x", u"9|!!%n|x"});
  EXPECT_EQ(Popup(MakeEntry(u"N", {{u"L", u"1"}}), commands),
            (Shown{{kBase, u"L: 1"}, kSep, {kBase + 2, u"!N"}}));
}

TEST(OverlayRowMenu, DamagedNumberCountGivesAtMostEightGroups) {
  Commands commands = MakeCommands({});
  for (MenuCommand& command : commands.List) ASSERT_TRUE(ParseCommandText(u"9|c|x", command));
  ContactEntry entry = MakeEntry(u"N", {{u"L", u"1"}});
  entry.NumberCount = 0xFFFFFFFF;
  const std::vector<RowMenuItem> items = BuildRowMenuItems(entry, commands.List);
  ASSERT_EQ(items.size(), 80u);
  EXPECT_EQ(items.back().Id, kBase + 79);
}

TEST(OverlayRowMenu, IdsDecodeToNumberAndCommandWithinTheirRangeOnly) {
  for (uint32_t k = 0; k < 80; ++k) {
    const std::optional<RowMenuChoice> choice = DecodeRowMenuId(kBase + k);
    ASSERT_TRUE(choice.has_value()) << k;
    EXPECT_EQ(choice->NumberIndex * 10 + choice->CommandIndex, k);
    EXPECT_LT(choice->CommandIndex, 10u);
  }
  for (uint32_t id : {0u, kBase - 1, kBase + 80, 0xFFFFFFFFu}) EXPECT_FALSE(DecodeRowMenuId(id)) << id;
}

TEST(OverlayNumberSelection, MoveToFrontExchangesWholeSlotsOnlyForOtherSlotsInUse) {
  ContactEntry entry = MakeEntry(u"N", {{u"a", u"1"}, {u"b", u"2"}, {u"c", u"3"}});
  entry.SelectedNumber = 2;
  for (int64_t unchanged : {0, 3, -1, 8}) MoveNumberToFront(entry, unchanged);
  EXPECT_EQ(entry.SelectedNumber, 2);
  EXPECT_EQ(std::u16string(entry.Numbers[0].Number), u"1");
  MoveNumberToFront(entry, 2);
  EXPECT_EQ(entry.SelectedNumber, 0);
  std::u16string order;
  for (int i = 0; i < 3; ++i) order += std::u16string(entry.Numbers[i].Label) + entry.Numbers[i].Number;
  EXPECT_EQ(order, u"c3b2a1");
}

TEST(OverlayNumberSelection, LeftAndRightWrapAndAlwaysEndOnARealSlot) {
  struct Case {
    uint32_t count;
    int32_t from;
    StepDirection direction;
    int32_t to;
  };
  const StepDirection L = StepDirection::Left, R = StepDirection::Right;
  for (const Case& c : {Case{2, 0, R, 1}, Case{2, 1, R, 0}, Case{2, 0, L, 1}, Case{2, 1, L, 0},
                        Case{3, 2, L, 1}, Case{1, 0, R, 0}, Case{1, 0, L, 0},
                        // Selections that are no slot in use, and a damaged count.
                        Case{3, -1, L, 2}, Case{3, -1, R, 0}, Case{3, 5, L, 2}, Case{3, 5, R, 0},
                        Case{50, 0, L, 7}}) {
    ContactEntry entry = MakeEntry(u"N", {{u"a", u"1"}});
    entry.NumberCount = c.count;
    entry.SelectedNumber = c.from;
    StepSelectedNumber(entry, c.direction);
    EXPECT_EQ(entry.SelectedNumber, c.to) << c.count << " numbers from " << c.from;
  }
  EXPECT_EQ(StepDirectionForKey(0x25), L);
  EXPECT_EQ(StepDirectionForKey(0x27), R);
  EXPECT_FALSE(StepDirectionForKey(0x26));
}

}  // namespace
}  // namespace vostarel
