// The Commands page's list geometry, the mode column read back, the command
// editor's caption rule, and what apply leaves in the command entries.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "command_list_rules.h"
#include "command_text.h"
#include "text.h"

namespace vostarel {
namespace {

TEST(CommandListLayout, ListFillsThePageBelowTheButtonsAndColumnsFillTheList) {
  // Page 236 x 250, first button's left 5 and bottom 49.
  const CommandListRect place = PlaceCommandList(5, 49, 236, 250);
  EXPECT_EQ(place.X, 5);
  EXPECT_EQ(place.Y, 54);
  EXPECT_EQ(place.Width, 226);
  EXPECT_EQ(place.Height, 191);
  // Rows of 20 pixels.
  const CommandColumnWidths columns = SizeCommandColumns(226, 20);
  EXPECT_EQ(columns.Widths[0], 88);
  EXPECT_EQ(columns.Widths[1], 88);
  EXPECT_EQ(columns.Widths[2], 50);

  // Too small a page or list gives empty sizes, never negative ones.
  const CommandListRect tiny = PlaceCommandList(5, 49, 8, 30);
  EXPECT_EQ(tiny.Width, 0);
  EXPECT_EQ(tiny.Height, 0);
  EXPECT_EQ(SizeCommandColumns(40, 20).Widths[0], 0);
}

TEST(ModeFromColumnText, ReadsTheDecimalModeKeptToOneDigit) {
  EXPECT_EQ(ModeFromColumnText(u"5"), 5);
  EXPECT_EQ(ModeFromColumnText(u"9"), 9);
  // The text form holds one mode digit: "12|caption|command" would read
  // back as mode 1 with the caption lost, so no larger mode may reach it.
  EXPECT_EQ(ModeFromColumnText(u"12"), 9);
  EXPECT_EQ(ModeFromColumnText(u"4294967295"), 9);
  EXPECT_EQ(ModeFromColumnText(u"-1"), 0);
  EXPECT_EQ(ModeFromColumnText(u""), 0);
  EXPECT_EQ(ModeFromColumnText(nullptr), 0);
}

TEST(ModeColumnText, WritesWhatTheColumnReadsBack) {
  for (int32_t mode : {0, 1, 9}) EXPECT_EQ(ModeFromColumnText(ModeColumnText(mode).c_str()), mode);
  EXPECT_EQ(ModeColumnText(1234567890), u"1234567890");
  EXPECT_EQ(ModeColumnText(-7), u"-7");
  EXPECT_EQ(ModeColumnText(INT32_MIN), u"-2147483648");
}

std::u16string Composed(bool isDefault, const char16_t* field) {
  char16_t caption[kCaptionCapacity];
  CopyText(caption, u"untouched");
  if (!ComposeCaption(isDefault, field, caption)) return u"<refused:" + std::u16string(caption) + u">";
  return caption;
}

TEST(CommandEditorCaption, BangMarksTheDefaultEmptyIsRefusedAndThirtyCharactersAreKept) {
  EXPECT_TRUE(CaptionMarksDefault(u"!전화"));
  EXPECT_EQ(std::u16string(CaptionFieldText(u"!전화")), u"전화");
  EXPECT_EQ(std::u16string(CaptionFieldText(u"전화!")), u"전화!");
  EXPECT_EQ(Composed(true, u"전화"), u"!전화");
  EXPECT_EQ(Composed(false, u"전화"), u"전화");

  EXPECT_EQ(Composed(false, u""), u"<refused:untouched>");
  EXPECT_EQ(Composed(true, u""), u"<refused:untouched>");

  const std::u16string forty(40, u'가');
  const std::u16string thirty(30, u'가');
  EXPECT_EQ(Composed(false, forty.c_str()), thirty);
  EXPECT_EQ(Composed(true, forty.c_str()), u"!" + thirty);
}

MenuCommand Command(int32_t mode, const std::u16string& caption, const std::u16string& command) {
  MenuCommand entry{};
  entry.Mode = mode;
  CopyText(entry.Caption, caption.c_str());
  CopyText(entry.Command, command.c_str());
  return entry;
}

class StoreCommandRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (size_t i = 0; i < kMenuCommandCount; ++i) {
      entries_[i] = Command(1, u"old " + Digit(i), u"old command " + Digit(i));
    }
    for (size_t i = 0; i < 12; ++i) rows_[i] = Command(9, u"row " + Digit(i), u"run " + Digit(i));
  }
  static std::u16string Digit(size_t i) { return std::u16string(1, static_cast<char16_t>(u'a' + i)); }
  MenuCommand entries_[kMenuCommandCount];
  MenuCommand rows_[12];
};

TEST_F(StoreCommandRowsTest, FewerThanTenRowsEndTheListRightAfterThem) {
  EXPECT_EQ(StoreCommandRows(entries_, rows_, 3), 3u);
  EXPECT_EQ(std::u16string(entries_[2].Caption), u"row c");
  EXPECT_EQ(std::u16string(entries_[2].Command), u"run c");
  EXPECT_EQ(entries_[2].Mode, 9);
  // Entry 3 ends the list; its command text and later entries stay.
  EXPECT_EQ(entries_[3].Mode, 0);
  EXPECT_EQ(std::u16string(entries_[3].Caption), u"");
  EXPECT_EQ(std::u16string(entries_[3].Command), u"old command d");
  EXPECT_EQ(std::u16string(entries_[4].Caption), u"old e");
  EXPECT_EQ(CommandListLength(entries_, kMenuCommandCount), 3u);
}

TEST_F(StoreCommandRowsTest, TenRowsFillEveryEntryAndLaterRowsAreDropped) {
  EXPECT_EQ(StoreCommandRows(entries_, rows_, 12), 10u);
  EXPECT_EQ(std::u16string(entries_[9].Caption), u"row j");
  EXPECT_EQ(CommandListLength(entries_, kMenuCommandCount), 10u);
}

}  // namespace
}  // namespace vostarel
