#include <gtest/gtest.h>

#include <string>

#include "contact_index.h"
#include "filter.h"
#include "test_texts.h"

namespace vostarel {
namespace {

class ContactIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::SetKoreanTexts(index_.Texts);
    ASSERT_TRUE(index_.AddressBook.Reset(8));
    ASSERT_TRUE(index_.Sim.Reset(8));
    ASSERT_TRUE(index_.CallLog.Reset(8));
  }

  static ContactNumbers Numbers(std::initializer_list<std::pair<ContactNumberKind, const char16_t*>> given) {
    ContactNumbers numbers{};
    for (auto [kind, text] : given) numbers[static_cast<size_t>(kind)] = text;
    return numbers;
  }

  ContactIndex index_;
};

TEST_F(ContactIndexTest, ContactWithAllKindsKeepsTheFixedOrderAndLabels) {
  ContactNumbers all = {u"10", u"11", u"12", u"13", u"14", u"15", u"16", u"17"};
  AddContact(index_, 4711, all, u"Kim");
  ASSERT_EQ(index_.AddressBook.Count(), 1u);
  const ContactEntry& e = index_.AddressBook[0];
  EXPECT_EQ(e.EntryId, 4711);
  EXPECT_EQ(e.SelectedNumber, -1);
  ASSERT_EQ(e.NumberCount, 8u);
  const char16_t* labels[] = {u"휴대폰", u"집", u"집", u"근무", u"근무", u"카폰", u"무선", u"비서"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(std::u16string(e.Numbers[i].Label), labels[i]) << i;
    EXPECT_EQ(std::u16string(e.Numbers[i].Number), all[i]) << i;
  }
  EXPECT_EQ(std::u16string(e.SpelledName), u"kim");
  EXPECT_EQ(std::u16string(e.NameInitials), u"k");
}

TEST_F(ContactIndexTest, AbsentNumbersLeaveNoGap) {
  AddContact(index_, 1, Numbers({{ContactNumberKind::Assistant, u"555"}}), u"A");
  AddContact(index_, 2,
             Numbers({{ContactNumberKind::Car, u"1"}, {ContactNumberKind::Home, u""},
                      {ContactNumberKind::Assistant, u"2"}}),
             u"B");
  ASSERT_EQ(index_.AddressBook.Count(), 2u);
  EXPECT_EQ(index_.AddressBook[0].NumberCount, 1u);
  EXPECT_EQ(std::u16string(index_.AddressBook[0].Numbers[0].Label), u"비서");
  EXPECT_EQ(index_.AddressBook[1].NumberCount, 2u);
  EXPECT_EQ(std::u16string(index_.AddressBook[1].Numbers[0].Label), u"카폰");
  EXPECT_EQ(std::u16string(index_.AddressBook[1].Numbers[1].Label), u"비서");
}

TEST_F(ContactIndexTest, ContactWithoutNumbersIsNotAddedAndUsesNoIndex) {
  AddContact(index_, 1, Numbers({{ContactNumberKind::Mobile, u""}, {ContactNumberKind::Car, u""}}),
             u"Nobody");
  AddContact(index_, 2, ContactNumbers{}, u"Nobody either");
  EXPECT_EQ(index_.AddressBook.Count(), 0u);
  AddContact(index_, 3, Numbers({{ContactNumberKind::Mobile, u"1"}}), u"");
  ASSERT_EQ(index_.AddressBook.Count(), 1u);
  EXPECT_EQ(index_.AddressBook[0].EntryId, 3);
  // An address-book entry without a name keeps it empty.
  EXPECT_EQ(std::u16string(index_.AddressBook[0].DisplayName), u"");
  EXPECT_EQ(std::u16string(index_.AddressBook[0].SpelledName), u"");
}

TEST_F(ContactIndexTest, LongNumbersAndNamesAreCutTo31Units) {
  const std::u16string number40(40, u'9');
  const std::u16string name35 = u"abcdefghijklmnopqrstuvwxyzABCDEFGHI";
  AddContact(index_, 1, Numbers({{ContactNumberKind::Mobile, number40.c_str()}}), name35.c_str());
  AddSimEntry(index_, name35.c_str(), number40.c_str());
  AddCallLogEntry(index_, name35.c_str(), number40.c_str());
  for (const ContactStore* store : {&index_.AddressBook, &index_.Sim, &index_.CallLog}) {
    ASSERT_EQ(store->Count(), 1u);
    EXPECT_EQ(std::u16string((*store)[0].Numbers[0].Number), number40.substr(0, 31));
    EXPECT_EQ(std::u16string((*store)[0].DisplayName), name35.substr(0, 31));
  }
}

TEST_F(ContactIndexTest, SimEntriesGetSimLabelAndNoNameText) {
  AddSimEntry(index_, u"", u"0101234");
  AddSimEntry(index_, nullptr, u"0105678");
  AddSimEntry(index_, u"Lee", u"0109999");
  ASSERT_EQ(index_.Sim.Count(), 3u);
  for (uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(index_.Sim[i].EntryId, -1);
    EXPECT_EQ(index_.Sim[i].NumberCount, 1u);
    EXPECT_EQ(index_.Sim[i].SelectedNumber, -1);
    EXPECT_EQ(std::u16string(index_.Sim[i].Numbers[0].Label), u"SIM");
  }
  EXPECT_EQ(std::u16string(index_.Sim[0].DisplayName), u"이름 없음");
  EXPECT_EQ(std::u16string(index_.Sim[1].DisplayName), u"이름 없음");
  // Spelled from the substitute text: Hangul spells as nothing without a dictionary.
  EXPECT_EQ(std::u16string(index_.Sim[0].SpelledName), u"");
  EXPECT_EQ(std::u16string(index_.Sim[2].SpelledName), u"lee");
}

TEST_F(ContactIndexTest, CallLogKeepsFirstRecordOfEachNumberAndEndsSpellingWithHash) {
  AddCallLogEntry(index_, u"Ann", u"0101234");
  AddCallLogEntry(index_, u"Bob", u"0101234");
  AddCallLogEntry(index_, u"", u"+82101234");
  AddCallLogEntry(index_, u"Cy", u"+82101234");
  ASSERT_EQ(index_.CallLog.Count(), 2u);
  const ContactEntry& ann = index_.CallLog[0];
  EXPECT_EQ(ann.EntryId, -2);
  EXPECT_EQ(std::u16string(ann.DisplayName), u"Ann");
  EXPECT_EQ(std::u16string(ann.SpelledName), u"ann#");
  EXPECT_EQ(std::u16string(ann.NameInitials), u"a");
  EXPECT_EQ(std::u16string(ann.Numbers[0].Label), u"통화 기록");
  const ContactEntry& unnamed = index_.CallLog[1];
  EXPECT_EQ(std::u16string(unnamed.DisplayName), u"이름 없음");
  EXPECT_EQ(std::u16string(unnamed.SpelledName), u"#");
}

TEST_F(ContactIndexTest, TheNoNameTextIsShownButNeverSpelledWithOrWithoutADictionary) {
  // A dictionary that spells every syllable of the no-name text "이름 없음".
  const std::u16string dictionary = u"\ufeffi\t이\nreum\t름\neop\t없\neum\t음\n";
  for (const bool withDictionary : {false, true}) {
    SCOPED_TRACE(withDictionary ? "with a dictionary" : "without a dictionary");
    if (withDictionary) {
      index_.Speller.LoadUserDictionaryBytes(dictionary.data(), dictionary.size() * 2);
    }
    ASSERT_TRUE(index_.Sim.Reset(2));
    ASSERT_TRUE(index_.CallLog.Reset(2));
    AddSimEntry(index_, nullptr, u"555");
    AddSimEntry(index_, u"이름", u"556");
    AddCallLogEntry(index_, u"", u"557");
    const ContactEntry& sim = index_.Sim[0];
    const ContactEntry& call = index_.CallLog[0];
    EXPECT_EQ(std::u16string(sim.DisplayName), u"이름 없음");
    EXPECT_EQ(std::u16string(sim.SpelledName), u"");
    EXPECT_EQ(std::u16string(sim.NameInitials), u"");
    EXPECT_EQ(std::u16string(call.DisplayName), u"이름 없음");
    EXPECT_EQ(std::u16string(call.SpelledName), u"#");
    EXPECT_EQ(std::u16string(call.NameInitials), u"");
    EXPECT_EQ(std::u16string(index_.Sim[1].SpelledName), withDictionary ? u"ireum" : u"");

    // "4" is the key of the "i" that the no-name text would spell to; the
    // named entry is found by it, from the dictionary or from the built-in
    // Korean spellings.
    FilterStores(index_, u"4", SearchBits::kDefault);
    ASSERT_EQ(index_.Results.Count, 1u);
    EXPECT_EQ(index_.Results.Items[0], &index_.Sim[1]);
  }
}

TEST_F(ContactIndexTest, CallLogNumbersEqualOnlyPastTheStoredLengthCountAsDuplicates) {
  const std::u16string a = std::u16string(31, u'1') + u"23";
  const std::u16string b = std::u16string(31, u'1') + u"45";
  AddCallLogEntry(index_, u"A", a.c_str());
  AddCallLogEntry(index_, u"B", b.c_str());
  EXPECT_EQ(index_.CallLog.Count(), 1u);
}

TEST_F(ContactIndexTest, CallLogHashFitsEvenWhenTheSpellingFillsTheField) {
  NameSpeller& speller = index_.Speller;
  const std::u16string dictionary = std::u16string(120, u'q') + u"\t\u00E9\n";
  std::string raw;
  for (char16_t u : dictionary) {
    raw.push_back(static_cast<char>(u & 0xFF));
    raw.push_back(static_cast<char>(u >> 8));
  }
  speller.LoadUserDictionaryBytes(raw.data(), raw.size());
  AddCallLogEntry(index_, u"\u00E9", u"1");
  const std::u16string spelled = index_.CallLog[0].SpelledName;
  EXPECT_EQ(spelled, std::u16string(94, u'q') + u"#");
}

TEST_F(ContactIndexTest, FullStoreTakesNoMoreEntries) {
  ASSERT_TRUE(index_.Sim.Reset(2));
  AddSimEntry(index_, u"a", u"1");
  AddSimEntry(index_, u"b", u"2");
  AddSimEntry(index_, u"c", u"3");
  EXPECT_EQ(index_.Sim.Count(), 2u);
  ASSERT_TRUE(index_.Sim.Reset(0));
  AddSimEntry(index_, u"a", u"1");
  EXPECT_EQ(index_.Sim.Count(), 0u);
}

TEST_F(ContactIndexTest, ReleasingStoresEmptiesResults) {
  AddSimEntry(index_, u"a", u"1");
  index_.Results.Count = 1;
  index_.Results.Items[0] = &index_.Sim[0];
  index_.ReleaseStores();
  EXPECT_EQ(index_.Results.Count, 0u);
  EXPECT_EQ(index_.Sim.Count(), 0u);
  EXPECT_EQ(index_.Sim.Capacity(), 0u);
}

TEST(IndexTexts, LongTextsAreCut) {
  IndexTexts texts;
  const std::u16string longText(50, u'x');
  texts.Set(IndexText::NoName, longText.c_str());
  EXPECT_EQ(std::u16string(texts[IndexText::NoName]), longText.substr(0, 31));
}

}  // namespace
}  // namespace vostarel
