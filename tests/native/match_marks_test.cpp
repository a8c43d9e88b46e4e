// What a row marks as having fitted the typed keys. Each case stores one
// entry, runs the filter pass over it and shows its row's name and number
// with the marked units in brackets, so that a range one unit off, or the
// wrong digits of a national-form match, shows in the failure message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contact_index.h"
#include "filter.h"
#include "match_marks.h"
#include "test_texts.h"

namespace vostarel {
namespace {

using namespace SearchBits;

std::string Utf8(const std::u16string& text) {
  std::string out;
  for (char16_t u : text) {
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// `text` with each run of marked units in brackets: "[김]민준".
std::string Bracketed(const char16_t* text, uint32_t bits) {
  std::u16string out;
  bool open = false;
  for (size_t i = 0; text[i] != 0; ++i) {
    const bool marked = i < 32 && (bits >> i) & 1;
    if (marked != open) out += marked ? u'[' : u']';
    open = marked;
    out += text[i];
  }
  if (open) out += u']';
  return Utf8(out);
}

enum class Store { Book, Sim, CallLog };

struct Case {
  const char16_t* name;
  std::vector<const char16_t*> numbers;
  const char16_t* typed;
  const char* shown;  // "NAME | NUMBER" with the marks, or "not listed"
  uint32_t flags = kDefault;
  Store store = Store::Book;
  KoreanKeypad keypad = KoreanKeypad::Cheonjiin;
};

// Spells Hangul as the shipped dictionary does for the syllables used here.
constexpr char16_t kDictionary[] = u"gim\t김\nmin\t민\njun\t준\nji\t지\npark\t박\n";

std::string MarkedRow(const Case& c, const char16_t* dictionary = kDictionary) {
  ContactIndex index;
  testing::SetKoreanTexts(index.Texts);
  index.Speller.Keypad = c.keypad;
  const std::u16string text = dictionary;
  index.Speller.LoadUserDictionaryBytes(text.data(), text.size() * sizeof(char16_t));
  EXPECT_TRUE(index.AddressBook.Reset(1) && index.Sim.Reset(1) && index.CallLog.Reset(1));
  if (c.store == Store::Book) {
    ContactNumbers numbers{};
    for (size_t i = 0; i < c.numbers.size(); ++i) numbers[i] = c.numbers[i];
    AddContact(index, 1, numbers, c.name);
  } else if (c.store == Store::Sim) {
    AddSimEntry(index, c.name, c.numbers[0]);
  } else {
    AddCallLogEntry(index, c.name, c.numbers[0]);
  }
  FilterStores(index, c.typed, c.flags);
  if (index.Results.Count == 0) return "not listed";
  const ContactEntry& entry = *index.Results.Items[0];
  const MatchMarks marks = MarksOf(entry, index.Speller, c.typed, c.flags);
  return Bracketed(entry.DisplayName, marks.Name) + " | " +
         Bracketed(entry.Numbers[entry.SelectedNumber].Number, marks.Number);
}

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(MarkedRow(c), c.shown) << "typed " << Utf8(c.typed) << ", flags " << std::hex
                                     << c.flags;
  }
}

TEST(MatchMarks, TheStretchOfTheNumberThatFitted) {
  Check({
      {u"Ann", {u"010-2345-6789"}, u"0102", "Ann | [010-2]345-6789"},
      {u"Ann", {u"010-2345-6789"}, u"0*02", "Ann | [010-2]345-6789"},
      {u"Ann", {u"010-2345-6789"}, u"3456", "not listed"},
      {u"Ann", {u"010-2345-6789"}, u"3456", "Ann | 010-2[345-6]789", kDefault | kNumbersAnywhere},
      // The first run that fits, not a later one.
      {u"Ann", {u"12-12-12"}, u"21", "Ann | 1[2-1]2-12", kDefault | kNumbersAnywhere},
      // The slot that fitted is the one shown and marked.
      {u"Ann", {u"777", u"02-345"}, u"023", "Ann | [02-3]45"},
      // Found by its number and its name: the number is what fitted.
      {u"Ann", {u"266"}, u"266", "Ann | [266]"},
  });
}

TEST(MatchMarks, ANationalFormMarksTheStoredDigitsItFitted) {
  Check({
      // The national prefix "0" is not written in the number: its digit
      // marks nothing, the next ones mark 10-2345.
      {u"A", {u"+82 10-2345-6789"}, u"0102345", "A | +82 [10-2345]-6789"},
      {u"A", {u"+82 10-2345-6789"}, u"1023", "A | +82 [10-23]45-6789"},
      // As written, the calling code fits first.
      {u"A", {u"+82 10-2345-6789"}, u"8210", "A | +[82 10]-2345-6789"},
      // Anywhere: "01" is only in the national form, across the prefix.
      {u"A", {u"+82 10-2345-6789"}, u"01", "A | +82 [1]0-2345-6789", kDefault | kNumbersAnywhere},
      {u"A", {u"+44 (0)20 7946 0958"}, u"0207946", "A | +44 (0)[20 7946] 0958"},
      {u"A", {u"+39 06 1234 5678"}, u"0612", "A | +39 [06 12]34 5678"},
      {u"A", {u"777", u"+82 10-5555"}, u"0105555", "A | +82 [10-5555]"},
  });
}

TEST(MatchMarks, TheCharactersWhoseOwnSpellingFitted) {
  Check({
      // Latin letters mark themselves; initials mark the letters they are.
      {u"John Smith", {u"1"}, u"5646", "[John] Smith | 1"},
      {u"John Smith", {u"1"}, u"57", "[J]ohn [S]mith | 1"},
      {u"John Smith", {u"1"}, u"76484", "John [Smith] | 1"},
      {u"McDonald", {u"1"}, u"63", "[M]c[D]onald | 1"},
      // A character spelled by the tables or the dictionary is marked whole
      // as soon as one of its letters took part.
      {u"王小明", {u"1"}, u"926", "[王]小明 | 1"},
      {u"王小明", {u"1"}, u"92649", "[王小]明 | 1"},
      {u"王小明", {u"1"}, u"996", "[王小明] | 1"},
      {u"王小明", {u"1"}, u"96", "王[小明] | 1", kDefault | kInitialsAnywhere},
      {u"王小明", {u"1"}, u"6464", "王小[明] | 1"},  // the spelled name, anywhere
      {u"김민지", {u"1"}, u"446", "[김]민지 | 1"},
      {u"김민지", {u"1"}, u"44664654", "[김민지] | 1"},
      {u"김민지", {u"1"}, u"6465", "김[민지] | 1"},
      {u"김민지", {u"1"}, u"4654", "[김민지] | 1"},  // g m j i: its initials "gmji"
      // A call-log entry's closing "#" stands for no character.
      {u"Ann", {u"9"}, u"266#", "[Ann] | 9", kDefault, Store::CallLog},
      {u"Ann", {u"9"}, u"#", "Ann | 9", kDefault, Store::CallLog},
  });
}

TEST(MatchMarks, TheCharactersOfTheSpellingPeopleTyped) {
  Check({
      // A surname as its bearers write it, syllables in their common
      // spellings, initials of those.
      {u"김민준", {u"1"}, u"546", "[김]민준 | 1"},
      {u"김민준", {u"1"}, u"5466465666", "[김민준] | 1"},
      {u"김민준", {u"1"}, u"565", "[김민준] | 1"},
      {u"박민준", {u"1"}, u"72564", "[박민]준 | 1"},  // pakmi: pak, one of 박's spellings
      // The Korean keypad's consonant keys: one syllable a key.
      {u"김민준", {u"1"}, u"409", "[김민준] | 1"},
      {u"김민준", {u"1"}, u"09", "김[민준] | 1"},
      {u"김민준", {u"1"}, u"157", "[김민준] | 1", kDefault, Store::Book, KoreanKeypad::Naratgeul},
      // A Chinese surname read as a surname.
      {u"单雪梅", {u"1"}, u"7426", "[单]雪梅 | 1"},
      {u"单雪梅", {u"1"}, u"796", "[单雪梅] | 1"},
      {u"长孙无忌", {u"1"}, u"94264786", "[长孙]无忌 | 1"},
      // An unnamed entry shows the no-name text, which was never spelled.
      {nullptr, {u"5"}, u"5", "이름 없음 | [5]", kDefault, Store::Sim},
  });
}

TEST(MatchMarks, NoNameMarksWhenTheSpellingChangedSinceTheEntryWasStored) {
  ContactIndex index;
  testing::SetKoreanTexts(index.Texts);
  ASSERT_TRUE(index.AddressBook.Reset(2));
  AddContact(index, 1, ContactNumbers{u"1"}, u"吕小明");
  AddContact(index, 2, ContactNumbers{u"2"}, u"单雪梅");
  FilterStores(index, u"58", kDefault);  // lv
  ASSERT_EQ(index.Results.Count, 1u);
  const ContactEntry& lv = *index.Results.Items[0];
  EXPECT_EQ(MarksOf(lv, index.Speller, u"58", kDefault).Name, 1u);
  FilterStores(index, u"7426", kDefault);  // shan
  ASSERT_EQ(index.Results.Count, 1u);
  const ContactEntry& shan = *index.Results.Items[0];
  EXPECT_EQ(MarksOf(shan, index.Speller, u"7426", kDefault).Name, 1u);
  // Table 2 spells 吕 "lyu" and 单 "dan" as table 0 does: the stored forms
  // no longer match what the speller spells, and nothing is marked.
  index.Speller.TTable = 2;
  EXPECT_EQ(MarksOf(lv, index.Speller, u"58", kDefault), MatchMarks{});
  index.Speller.TTable = 1;
  EXPECT_EQ(MarksOf(shan, index.Speller, u"7426", kDefault), MatchMarks{});
}

}  // namespace
}  // namespace vostarel
