// What finds an entry beyond its own spelled forms and numbers: the ways
// people write Korean names and Chinese surnames, the Korean keypads'
// consonant keys, and international numbers typed as they are dialled at
// home. Each case stores one entry and types one key string through the
// whole filter pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contact_index.h"
#include "filter.h"
#include "test_texts.h"

namespace vostarel {
namespace {

using namespace SearchBits;

struct Case {
  const char16_t* name;
  std::vector<const char16_t*> numbers;
  const char16_t* typed;
  int32_t selected;  // the slot the row shows, -1: not listed
  uint32_t flags = kDefault;
  KoreanKeypad keypad = KoreanKeypad::Cheonjiin;
  int32_t table = 0;
};

int32_t SelectedAfterPass(const Case& c) {
  ContactIndex index;
  testing::SetKoreanTexts(index.Texts);
  index.Speller.Keypad = c.keypad;
  index.Speller.TTable = c.table;
  EXPECT_TRUE(index.AddressBook.Reset(1));
  ContactNumbers numbers{};
  for (size_t i = 0; i < c.numbers.size(); ++i) numbers[i] = c.numbers[i];
  AddContact(index, 1, numbers, c.name);
  FilterStores(index, c.typed, c.flags);
  if (index.Results.Count == 0) return -1;
  EXPECT_EQ(index.Results.Count, 1u);
  return index.Results.Items[0]->SelectedNumber;
}

std::string Describe(const Case& c) {
  std::string text;
  for (const char16_t* u = c.typed; *u != 0; ++u) text += static_cast<char>(*u);
  return "typed " + text + ", flags " + std::to_string(c.flags) + ", keypad " +
         std::to_string(static_cast<int>(c.keypad)) + ", table " + std::to_string(c.table);
}

TEST(AlternateForms, NamesAreFoundAsPeopleWriteThem) {
  const std::vector<const char16_t*> number = {u"333"};
  const Case cases[] = {
      // Korean surname and given-name syllables as commonly written.
      {u"김민준", number, u"546", 0},                   // kim
      {u"김민준", number, u"5466465666", 0},            // kimminjoon
      {u"김민준", number, u"446646586", 0},             // gimminjun
      {u"김민준", number, u"565", 0},                   // k m j as initials
      {u"김민준", number, u"565", -1, kNumbers | kSpelledName},  // not a spelled name
      {u"김민준", number, u"547", -1},                  // no "kip..." spelling
      // The consonant keys of the chosen Korean keypad, as initials and
      // (anywhere) as the whole name.
      {u"김민준", number, u"409", 0},
      {u"김민준", number, u"09", 0},
      {u"김민준", number, u"157", -1},
      {u"김민준", number, u"157", 0, kDefault, KoreanKeypad::Naratgeul},
      {u"김민준", number, u"409", -1, kDefault, KoreanKeypad::Naratgeul},
      {u"김민준", number, u"409", -1, kDefault, KoreanKeypad::Off},
      {u"남궁민수", number, u"6264", 0},                // namg(ung)
      // A Chinese surname read as a surname, in the chosen table.
      {u"单雪梅", number, u"7426", 0},                  // shan
      {u"单雪梅", number, u"326", 0},                   // dan, the table's reading
      {u"单雪梅", number, u"7426", 0, kDefault, KoreanKeypad::Cheonjiin, 1},
      {u"单雪梅", number, u"796", 0},                   // s x m as initials
      {u"长孙无忌", number, u"94264786", 0},            // zhangsun
      {u"长孙无忌", number, u"242647", 0},              // changsun, the table's
      {u"王小明", number, u"7426", -1},                 // no other reading
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectedAfterPass(c), c.selected)
        << Describe(c);
  }
}

TEST(AlternateForms, InternationalNumbersFitTheirNationalForm) {
  const Case cases[] = {
      {u"A", {u"+82 10-2345-6789"}, u"0102345", 0},
      {u"A", {u"+82 10-2345-6789"}, u"1023456", 0},
      {u"A", {u"+82 10-2345-6789"}, u"8210", 0},        // as written
      {u"A", {u"+82 10-2345-6789"}, u"0103", -1},
      {u"A", {u"+82 10-2345-6789"}, u"0102", 0, kNumbers},
      {u"A", {u"+82 10-2345-6789"}, u"0102", -1, kDefault & ~kNumbers},
      {u"A", {u"+86 138 0013 8000"}, u"1380013", 0},
      {u"A", {u"+44 20 7946 0958"}, u"0207946", 0},
      {u"A", {u"+44 (0)20 7946 0958"}, u"0207946", 0},  // the bracketed prefix
      {u"A", {u"+1 212 555 0123"}, u"2125550", 0},
      {u"A", {u"+1 212 555 0123"}, u"12125550", 0},
      {u"A", {u"+39 06 1234 5678"}, u"0612345", 0},     // no national prefix
      {u"A", {u"+39 06 1234 5678"}, u"00612", -1},
      {u"A", {u"010-2345-6789"}, u"1023456", -1},        // already national
      {u"A", {u"+999 123 456"}, u"123456", -1},           // no such calling code
      // Which slot the row shows: the numbers as written and the names come
      // first, so whatever they found is shown as before.
      {u"Ann", {u"0101", u"+82 10-5555"}, u"0105555", 1},
      {u"Ann", {u"+82 10-5555", u"0105"}, u"0105", 1},
      {u"Kim", {u"111", u"+82 546"}, u"546", 0},
      {u"김", {u"111", u"+82 546"}, u"546", 1},         // before the name's "kim"
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectedAfterPass(c), c.selected) << Describe(c);
  }
}

}  // namespace
}  // namespace vostarel
