// The columns of a result row and the texts drawn into them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "overlay_test_entries.h"
#include "row_layout.h"
#include "row_marks.h"

namespace vostarel {
namespace {

using Columns = std::tuple<int32_t, int32_t, uint32_t>;  // left, right, format
constexpr Columns kNotDrawn{0, 0, 0};

// Every box spans the item's full height; a box not drawn shows as kNotDrawn.
Columns Of(const RowBox& box) {
  EXPECT_EQ(box.Box.Top, 40);
  EXPECT_EQ(box.Box.Bottom, 60);
  return box.Drawn ? Columns{box.Box.Left, box.Box.Right, box.Format} : kNotDrawn;
}

// h 20 gives w 32; a 240-pixel row has its texts up to 208 and m = 104.
TEST(OverlayRowLayout, ColumnsWithAndWithoutIndexAndNumber) {
  const RowLayout plain = LayoutResultRow({0, 40, 240, 60}, 20, false, false);
  EXPECT_EQ(Of(plain.Index), kNotDrawn);
  EXPECT_EQ(Of(plain.Name), Columns(2, 208, 0x40024));
  EXPECT_EQ(Of(plain.Number), kNotDrawn);
  EXPECT_EQ(Of(plain.Label), Columns(210, 240, 0x24));

  const RowLayout full = LayoutResultRow({0, 40, 240, 60}, 20, true, true);
  EXPECT_EQ(Of(full.Index), Columns(2, 24, 0x25));
  EXPECT_EQ(Of(full.Name), Columns(26, 104, 0x40024));
  EXPECT_EQ(Of(full.Number), Columns(106, 208, 0x40024));
  EXPECT_EQ(Of(full.Label), Columns(210, 240, 0x24));

  // Odd row height: w = floor(37.5) + 2 = 39.
  const RowLayout odd = LayoutResultRow({0, 40, 241, 60}, 25, false, true);
  EXPECT_EQ(Of(odd.Name), Columns(2, 101, 0x40024));
  EXPECT_EQ(Of(odd.Number), Columns(103, 202, 0x40024));
  EXPECT_EQ(Of(odd.Label), Columns(204, 241, 0x24));

  // R.right - w = 19 - 32 = -13: m rounds toward zero to -6, not down to -7.
  const RowLayout narrow = LayoutResultRow({0, 40, 19, 60}, 20, false, true);
  EXPECT_EQ(Of(narrow.Name), Columns(2, -6, 0x40024));
  EXPECT_EQ(Of(narrow.Number), Columns(-4, -13, 0x40024));
}

TEST(OverlayRowLayout, IndexTextCountsFromOne) {
  char16_t text[kRowIndexTextCapacity];
  for (const auto& [index, expected] : {std::pair<uint32_t, std::u16string>{0, u"1"},
                                        {9, u"10"}, {998, u"999"}, {0xFFFFFFFF, u"4294967296"}}) {
    RowIndexText(index, text);
    EXPECT_EQ(std::u16string(text), expected) << index;
  }
}

TEST(OverlayRowLayout, SelectedSlotGivesTheNumberAndTheLabelsFirstUnit) {
  ContactEntry entry =
      testing::MakeEntry(u"N", {{u"휴대폰", u"010"}, {u"SIM", u"011"}, {u"통화 기록", u"012"}});
  char16_t label[kRowLabelTextCapacity];
  const char16_t* const shown[][2] = {{u"휴", u"010"}, {u"S", u"011"}, {u"통", u"012"},
                                      {u"", u""},      {u"", u""}};
  const int32_t selections[] = {0, 1, 2, 3, -1};
  for (int k = 0; k < 5; ++k) {
    entry.SelectedNumber = selections[k];
    RowLabelText(entry, label);
    EXPECT_EQ(std::u16string(label), shown[k][0]) << selections[k];
    EXPECT_EQ(std::u16string(RowNumberText(entry)), shown[k][1]) << selections[k];
  }
}

// Marked text must read on a plain row and on the selected row's
// highlight, in the colours Wine gives them and in the classic and dark
// schemes, and stand apart from the row's plain text.
TEST(OverlayRowLayout, MarkedTextReadsOnEveryRowBackground) {
  struct Scheme {
    const char* name;
    Rgb background;
    Rgb text;
  };
  const Scheme schemes[] = {
      {"window", MakeRgb(255, 255, 255), MakeRgb(0, 0, 0)},
      {"Wine highlight", MakeRgb(0, 120, 215), MakeRgb(255, 255, 255)},
      {"classic highlight", MakeRgb(10, 36, 106), MakeRgb(255, 255, 255)},
      {"dark window", MakeRgb(32, 32, 32), MakeRgb(230, 230, 230)},
      {"grey face", MakeRgb(192, 192, 192), MakeRgb(0, 0, 0)},
  };
  for (const Scheme& scheme : schemes) {
    const Rgb mark = MarkColour(scheme.background, scheme.text);
    EXPECT_GE(ContrastRatio(mark, scheme.background), 3.0) << scheme.name << " " << std::hex << mark;
    EXPECT_GE(ContrastRatio(mark, scheme.text), 1.2) << scheme.name << " " << std::hex << mark;
  }
}

}  // namespace
}  // namespace vostarel
