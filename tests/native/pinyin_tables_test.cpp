#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "pinyin_tables.h"

namespace vostarel {
namespace {

// The text of a syllable row up to its terminating zero (or the whole row if
// it has none; the shape test reports that separately).
std::u16string Row(int row) {
  const char16_t* begin = SyllableTable0[row];
  return std::u16string(begin, std::find(begin, begin + kSyllableRowUnits, u'\0'));
}

uint16_t RowOf(char16_t ideograph) {
  return IdeographIndex[ideograph - kFirstIdeograph];
}

std::u16string ReadingOf(char16_t ideograph) { return Row(RowOf(ideograph)); }

constexpr int kFirstSyllableRow = 1;
constexpr int kLastSyllableRow = 407;

TEST(PinyinTablesShape, SizesMatchTheIdeographRange) {
  EXPECT_EQ(kIdeographCount, 20902);
  EXPECT_EQ(sizeof(IdeographIndex) / sizeof(IdeographIndex[0]), 20902u);
  EXPECT_EQ(sizeof(SyllableTable0) / sizeof(SyllableTable0[0]), 410u);
}

TEST(PinyinTablesShape, SpecialRows) {
  EXPECT_EQ(Row(0), u"*");
  EXPECT_EQ(Row(408), u"#");
  EXPECT_EQ(Row(409), u"");
}

TEST(PinyinTablesShape, EveryRowIsZeroTerminatedAndZeroPadded) {
  for (int row = 0; row < kSyllableRowsPerTable; ++row) {
    const char16_t* units = SyllableTable0[row];
    const char16_t* end = std::find(units, units + kSyllableRowUnits, u'\0');
    ASSERT_NE(end, units + kSyllableRowUnits) << "row " << row << " has no terminator";
    for (const char16_t* p = end; p != units + kSyllableRowUnits; ++p) {
      EXPECT_EQ(*p, u'\0') << "row " << row << " unit " << (p - units);
    }
  }
}

TEST(PinyinTablesShape, SyllablesAreLowerCaseLettersInStrictlyAscendingOrder) {
  for (int row = kFirstSyllableRow; row <= kLastSyllableRow; ++row) {
    const std::u16string text = Row(row);
    ASSERT_FALSE(text.empty()) << "row " << row;
    for (char16_t unit : text) {
      EXPECT_TRUE(unit >= u'a' && unit <= u'z') << "row " << row << ": " << int(unit);
    }
    if (row > kFirstSyllableRow) {
      EXPECT_LT(Row(row - 1), text) << "rows " << row - 1 << " and " << row;
    }
  }
}

TEST(PinyinTablesShape, OnlyChuangShuangZhuangUseAllSixLetters) {
  std::vector<std::u16string> longest;
  for (int row = kFirstSyllableRow; row <= kLastSyllableRow; ++row) {
    const std::u16string text = Row(row);
    EXPECT_LE(text.size(), 6u) << "row " << row;
    if (text.size() == 6) longest.push_back(text);
  }
  EXPECT_EQ(longest, (std::vector<std::u16string>{u"chuang", u"shuang", u"zhuang"}));
}

struct RowCase {
  int row;
  const char16_t* syllable;
};

TEST(PinyinSyllableRows, FixedRowNumbers) {
  const RowCase cases[] = {
      {1, u"a"},        {6, u"ba"},       {33, u"chang"},  {36, u"chen"},
      {45, u"chuang"},  {59, u"dan"},     {127, u"huan"},  {172, u"li"},
      {176, u"liao"},   {188, u"lv"},     {189, u"lve"},   {190, u"m"},
      {205, u"ming"},   {232, u"nv"},     {233, u"nve"},   {303, u"shuang"},
      {337, u"wang"},   {347, u"xiao"},   {350, u"xing"},  {362, u"yi"},
      {368, u"yu"},     {384, u"zhang"},  {390, u"zhong"}, {396, u"zhuang"},
      {407, u"zuo"},
  };
  for (const RowCase& c : cases) {
    EXPECT_EQ(Row(c.row), c.syllable) << "row " << c.row;
  }
}

struct IdeographCase {
  char16_t ideograph;
  int row;
  const char16_t* syllable;
};

TEST(PinyinIdeographIndex, SampleReadings) {
  const IdeographCase cases[] = {
      {u'\u4E00', 362, u"yi"},    {u'\u4E2D', 390, u"zhong"}, {u'\u4E44', 0, u"*"},
      {u'\u4E86', 176, u"liao"},  {u'\u5355', 59, u"dan"},    {u'\u5463', 190, u"m"},
      {u'\u5C0F', 347, u"xiao"},  {u'\u5F20', 384, u"zhang"}, {u'\u660E', 205, u"ming"},
      {u'\u674E', 172, u"li"},    {u'\u738B', 337, u"wang"},  {u'\u7565', 189, u"lve"},
      {u'\u7EFF', 188, u"lv"},    {u'\u884C', 350, u"xing"},  {u'\u8FD8', 127, u"huan"},
      {u'\u91CD', 390, u"zhong"}, {u'\u957F', 33, u"chang"},  {u'\u9648', 36, u"chen"},
      {u'\u9FA5', 368, u"yu"},
  };
  for (const IdeographCase& c : cases) {
    EXPECT_EQ(RowOf(c.ideograph), c.row) << "U+" << std::hex << int(c.ideograph);
    EXPECT_EQ(ReadingOf(c.ideograph), c.syllable) << "U+" << std::hex << int(c.ideograph);
  }
}

TEST(PinyinIdeographIndex, ReadingsOutsideTheInventoryFallBackOrAreLeftUnread) {
  // Colloquial readings kei and rua are not spelled; the other listed reading is.
  EXPECT_EQ(ReadingOf(u'\u524B'), u"ke");
  EXPECT_EQ(ReadingOf(u'\u633C'), u"ruo");
  // Only n/ng and only nun are listed for these two: no reading remains.
  EXPECT_EQ(RowOf(u'\u55EF'), 0);
  EXPECT_EQ(RowOf(u'\u9EC1'), 0);
}

TEST(PinyinIdeographIndex, JapaneseCoinagesHaveNoReadingUnlessInChineseStandardUse) {
  EXPECT_EQ(RowOf(u'\u7551'), 0);  // field (Japanese-made), not in the Chinese list
  EXPECT_EQ(RowOf(u'\u8FBB'), 0);  // crossroads (Japanese-made)
  EXPECT_EQ(ReadingOf(u'\u692A'), u"peng");  // Japanese-made, but in Chinese use
}

TEST(PinyinIdeographIndex, IdeographWithoutAnyReadingMapsToRowZero) {
  EXPECT_EQ(RowOf(u'\u5159'), 0);  // "decagram": no Mandarin reading in the data
}

TEST(PinyinIdeographIndex, ValuesStayWithinTheSyllableRows) {
  for (int i = 0; i < kIdeographCount; ++i) {
    ASSERT_LE(IdeographIndex[i], kLastSyllableRow) << "U+" << std::hex << (kFirstIdeograph + i);
  }
}

TEST(PinyinIdeographIndex, EverySyllableRowIsUsed) {
  std::vector<int> uses(kSyllableRowsPerTable, 0);
  for (int i = 0; i < kIdeographCount; ++i) {
    if (IdeographIndex[i] < kSyllableRowsPerTable) ++uses[IdeographIndex[i]];
  }
  for (int row = kFirstSyllableRow; row <= kLastSyllableRow; ++row) {
    EXPECT_GT(uses[row], 0) << "row " << row << " (" << testing::PrintToString(Row(row))
                            << ") has no ideograph";
  }
}

TEST(PinyinIdeographIndex, UnreadIdeographs) {
  // 10 ideographs without any reading in the data, 204 Japanese-made ones
  // that have a reading but are outside Chinese standard use, and the two
  // whose only readings are not spelled.
  int count = 0;
  int first = -1;
  for (int i = 0; i < kIdeographCount; ++i) {
    if (IdeographIndex[i] == 0) {
      if (first < 0) first = kFirstIdeograph + i;
      ++count;
    }
  }
  EXPECT_EQ(count, 216);
  EXPECT_EQ(first, 0x4E44);
}

}  // namespace
}  // namespace vostarel
