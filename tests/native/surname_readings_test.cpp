#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "pinyin_tables.h"
#include "surname_readings.h"

namespace vostarel {
namespace {

// What SurnameReadingRows says about a name: the units it spans and their
// readings in table 0, space separated ("zhang sun"), or "" for none.
struct SurnameReading {
  int units;
  std::string reading;
  bool operator==(const SurnameReading&) const = default;
};

std::ostream& operator<<(std::ostream& os, const SurnameReading& r) {
  return os << r.units << " '" << r.reading << "'";
}

std::string SyllableOf(uint16_t row) {
  std::string text;
  for (const char16_t* unit = SyllableTable0[row]; *unit != u'\0'; ++unit) {
    text += static_cast<char>(*unit);
  }
  return text;
}

SurnameReading ReadingOf(const char16_t* name) {
  uint16_t rows[2] = {0xdead, 0xbeef};
  const int units = SurnameReadingRows(name, rows);
  SurnameReading result{units, ""};
  for (int i = 0; i < units && i < 2; ++i) {
    if (rows[i] < 1 || rows[i] > 407) return {units, "row " + std::to_string(rows[i])};
    result.reading += (i ? " " : "") + SyllableOf(rows[i]);
  }
  for (int i = units; i >= 0 && i < 2; ++i) {
    if (rows[i] != 0) return {units, "unused row left " + std::to_string(rows[i])};
  }
  return result;
}

TEST(SurnameReadingRows, SurnamesReadOtherwiseThanTheTableAndThoseThatAreNot) {
  struct Case {
    const char16_t* name;
    SurnameReading expected;
  };
  const Case cases[] = {
      // Single surnames, with a given name after them or alone.
      {u"单田芳", {1, "shan"}},
      {u"解缙", {1, "xie"}},
      {u"仇英", {1, "qiu"}},
      {u"区", {1, "ou"}},
      {u"查良镛", {1, "zha"}},
      {u"朴", {1, "piao"}},
      {u"乐", {1, "yue"}},
      {u"翟", {1, "zhai"}},
      {u"覃", {1, "qin"}},
      {u"盖", {1, "ge"}},
      {u"缪", {1, "miao"}},
      // Traditional forms.
      {u"單", {1, "shan"}},
      {u"區", {1, "ou"}},
      {u"樂", {1, "yue"}},
      // Compound surnames, which win over the single surname they start with.
      {u"尉迟恭", {2, "yu chi"}},
      {u"尉遲恭", {2, "yu chi"}},
      {u"万俟", {2, "mo qi"}},
      {u"长孙无忌", {2, "zhang sun"}},
      {u"单于", {2, "chan yu"}},
      {u"單于", {2, "chan yu"}},
      {u"乐正", {2, "yue zheng"}},
      // The table's reading is the surname's already, or no surname fits.
      {u"王小明", {0, ""}},
      {u"张", {0, ""}},
      {u"曾国藩", {0, ""}},  // the table reads it zeng, as the surname is
      {u"尉", {0, ""}},      // first half of a compound only
      {u"长", {0, ""}},
      {u"乾隆", {0, ""}},    // traditional form of two surnames: left to the table
      {u"Shan", {0, ""}},
      {u"", {0, ""}},
      {nullptr, {0, ""}},
  };
  for (const Case& c : cases) {
    const std::u16string name = c.name ? c.name : u"(null)";
    EXPECT_EQ(ReadingOf(c.name), c.expected)
        << "name of " << name.size() << " units starting U+" << std::hex << int(name[0]);
  }
}

TEST(SurnameReadingRows, FindsEveryEntryOfItsTable) {
  // The lookup searches the sorted tables; an entry out of order, or a
  // compound shadowed by a single, would be missed here.
  for (const SingleSurname& single : SingleSurnames) {
    const char16_t name[] = {single.ideograph, u'\0'};
    uint16_t rows[2] = {};
    EXPECT_EQ(SurnameReadingRows(name, rows), 1) << "U+" << std::hex << int(single.ideograph);
    EXPECT_EQ(rows[0], single.row) << "U+" << std::hex << int(single.ideograph);
  }
  for (const CompoundSurname& compound : CompoundSurnames) {
    const char16_t name[] = {compound.first, compound.second, u'\u660E', u'\0'};
    uint16_t rows[2] = {};
    EXPECT_EQ(SurnameReadingRows(name, rows), 2) << "U+" << std::hex << int(compound.first);
    EXPECT_EQ(rows[0], compound.rows[0]) << "U+" << std::hex << int(compound.first);
    EXPECT_EQ(rows[1], compound.rows[1]) << "U+" << std::hex << int(compound.first);
  }
}

}  // namespace
}  // namespace vostarel
