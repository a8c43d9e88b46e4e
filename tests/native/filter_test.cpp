#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "contact_index.h"
#include "filter.h"
#include "literal_filter.h"
#include "test_texts.h"

namespace vostarel {
namespace {

using namespace SearchBits;

class FilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::SetKoreanTexts(index_.Texts);
    ASSERT_TRUE(index_.AddressBook.Reset(2000));
    ASSERT_TRUE(index_.Sim.Reset(2000));
    ASSERT_TRUE(index_.CallLog.Reset(2000));
  }

  void Contact(int32_t id, const char16_t* name, std::vector<const char16_t*> numbers) {
    ContactNumbers all{};
    for (size_t i = 0; i < numbers.size(); ++i) all[i] = numbers[i];
    AddContact(index_, id, all, name);
  }

  // The display names of the listed entries, with their selected slot.
  std::vector<std::u16string> Listed() const {
    std::vector<std::u16string> out;
    for (uint32_t i = 0; i < index_.Results.Count; ++i) {
      const ContactEntry* e = index_.Results.Items[i];
      out.push_back(std::u16string(e->DisplayName) + u":" +
                    std::u16string(1, char16_t(u'0' + e->SelectedNumber)));
    }
    return out;
  }

  ContactIndex index_;
};

TEST_F(FilterTest, SpelledNameAndInitialsFitUnderTheirBits) {
  Contact(1, u"王小明", {u"0101"});
  FilterStores(index_, u"926", kDefault);
  EXPECT_EQ(Listed(), std::vector<std::u16string>{u"王小明:0"});
  FilterStores(index_, u"996", kDefault);
  EXPECT_EQ(Listed(), std::vector<std::u16string>{u"王小明:0"});
  FilterStores(index_, u"96", kDefault);
  EXPECT_TRUE(Listed().empty());
  FilterStores(index_, u"96", kDefault | kInitialsAnywhere);
  EXPECT_EQ(Listed().size(), 1u);
  FilterStores(index_, u"2", kDefault);
  EXPECT_EQ(Listed().size(), 1u) << "default has the spelled-name anywhere bit";
  FilterStores(index_, u"2", kDefault & ~kSpelledAnywhere);
  EXPECT_TRUE(Listed().empty());
  // An anywhere bit alone does nothing without its search bit.
  FilterStores(index_, u"926", kSpelledAnywhere | kInitialsAnywhere | kNumbersAnywhere);
  EXPECT_TRUE(Listed().empty());
}

TEST_F(FilterTest, NumberFitsFirstAndSelectsTheLowestMatchingSlot) {
  Contact(1, u"Dan", {u"111", u"326", u"3260"});
  FilterStores(index_, u"326", kDefault);  // fits slots 1 and 2, and the name "dan"
  EXPECT_EQ(Listed(), std::vector<std::u16string>{u"Dan:1"});
  FilterStores(index_, u"26", kDefault | kNumbersAnywhere);
  EXPECT_EQ(Listed(), std::vector<std::u16string>{u"Dan:1"});
  FilterStores(index_, u"326", kDefault & ~kNumbers);
  EXPECT_EQ(Listed(), std::vector<std::u16string>{u"Dan:0"}) << "a name match shows slot 0";
}

TEST_F(FilterTest, NumberAnywhereNeedsItsBit) {
  Contact(1, u"X", {u"02-345"});
  FilterStores(index_, u"34", kDefault);
  EXPECT_TRUE(Listed().empty());
  FilterStores(index_, u"34", kDefault | kNumbersAnywhere);
  EXPECT_EQ(Listed().size(), 1u);
  FilterStores(index_, u"0*3", kDefault);
  EXPECT_EQ(Listed().size(), 1u);
}

TEST_F(FilterTest, StoresAreWalkedInOrderAndUnmatchedEntriesGetMinusOne) {
  AddCallLogEntry(index_, u"Ann", u"555");
  AddSimEntry(index_, u"Anna", u"556");
  Contact(1, u"Annie", {u"557"});
  Contact(2, u"Bob", {u"558"});
  FilterStores(index_, u"266", kDefault);
  EXPECT_EQ(Listed(), (std::vector<std::u16string>{u"Annie:0", u"Anna:0", u"Ann:0"}));
  EXPECT_EQ(index_.AddressBook[1].SelectedNumber, -1);
}

TEST_F(FilterTest, HashReachesCallLogEntriesByTheirSpelledName) {
  AddCallLogEntry(index_, u"Ann", u"555");
  AddCallLogEntry(index_, u"", u"556");
  AddSimEntry(index_, u"Ann", u"557");
  FilterStores(index_, u"266#", kDefault);
  EXPECT_EQ(Listed(), std::vector<std::u16string>{u"Ann:0"});
  EXPECT_EQ(index_.Results.Items[0]->EntryId, kCallLogEntryId);
  FilterStores(index_, u"#", kDefault);
  EXPECT_EQ(Listed().size(), 2u) << "typed # alone lists every call-log entry";
  FilterStores(index_, u"#", kDefault & ~kSpelledAnywhere);
  EXPECT_EQ(Listed().size(), 1u) << "only the unnamed entry's spelling starts with #";
}

TEST_F(FilterTest, NoSearchBitsListNothingAndClearEverySelection) {
  Contact(1, u"Ann", {u"266"});
  index_.AddressBook[0].SelectedNumber = 0;
  FilterStores(index_, u"266", 0);
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(index_.AddressBook[0].SelectedNumber, -1);
}

TEST_F(FilterTest, EmptyTypedStringListsNothingAndExaminesNothing) {
  Contact(1, u"Ann", {u"266"});
  index_.AddressBook[0].SelectedNumber = 0;
  FilterStores(index_, u"266", kDefault);
  ASSERT_EQ(index_.Results.Count, 1u);
  FilterStores(index_, u"", kDefault);
  EXPECT_EQ(index_.Results.Count, 0u);
  EXPECT_EQ(index_.AddressBook[0].SelectedNumber, 0);
}

TEST_F(FilterTest, EmptySpelledFormsNeverFit) {
  Contact(1, u"Иван", {u"010"});  // Cyrillic spells as nothing without a dictionary
  for (uint32_t flags : {kSpelledName | kInitials, kSpelledName | kInitials | kSpelledAnywhere |
                                                       kInitialsAnywhere}) {
    FilterStores(index_, u"2", flags);
    EXPECT_TRUE(Listed().empty());
  }
}

TEST_F(FilterTest, ListIsCutAt999InStoreOrderAndTheRestKeepTheirSelection) {
  for (int i = 0; i < 600; ++i) Contact(i, u"Ann", {u"100"});
  for (int i = 0; i < 600; ++i) AddSimEntry(index_, u"Ann", u"200");
  for (uint32_t i = 0; i < index_.Sim.Count(); ++i) index_.Sim[i].SelectedNumber = 7;
  AddCallLogEntry(index_, u"Ann", u"300");
  index_.CallLog[0].SelectedNumber = 5;

  FilterStores(index_, u"2", kDefault);
  ASSERT_EQ(index_.Results.Count, 999u);
  EXPECT_EQ(index_.Results.Items[0], &index_.AddressBook[0]);
  EXPECT_EQ(index_.Results.Items[599], &index_.AddressBook[599]);
  EXPECT_EQ(index_.Results.Items[998], &index_.Sim[398]);
  EXPECT_EQ(index_.Sim[398].SelectedNumber, 0);
  EXPECT_EQ(index_.Sim[399].SelectedNumber, 7) << "entries after the cut are not examined";
  EXPECT_EQ(index_.CallLog[0].SelectedNumber, 5);
}

TEST(CleanTypedText, KeepsOnlyKeypadUnitsUpTo127) {
  char16_t typed[kTypedCapacity];
  CleanTypedText(u"+82 (10) 12-34*#x", typed);
  EXPECT_EQ(std::u16string(typed), u"82101234*#");
  CleanTypedText(u"+  --", typed);
  EXPECT_EQ(std::u16string(typed), u"");
  const std::u16string many(300, u'5');
  CleanTypedText(many.c_str(), typed);
  EXPECT_EQ(std::u16string(typed), many.substr(0, 127));
  CleanTypedText(nullptr, typed);
  EXPECT_EQ(typed[0], 0);
}

}  // namespace
}  // namespace vostarel

namespace vostarel {
namespace {

// Random stores over small alphabets, so that matches, shared key pairs and
// the cut at 999 are common. Each round types a string key by key under one
// option word, as a user does, while row commands move numbers to the front
// and change the selections of listed entries between passes. Every pass
// must list the entries that matching every entry in full lists, in the same
// order, and leave every entry's selected number as that would. Every other
// round lists the entries called most first: its call log calls the same
// numbers again and calls the contacts' numbers, as written or as dialled at
// home, and each entry's calls are counted number by number.
TEST(FilterDigests, EveryPassIsIdenticalToMatchingEveryEntryInFull) {
  std::mt19937 rng(4242);
  // Names mix Latin, ideographs (单 has a surname reading) and Hangul (김 and
  // 이 have surname spellings); numbers are often in international form.
  const std::u16string nameUnits = u"abcdmnwxyz AB012*#-\u738B\u5C0F\u5355\uAC00김이준";
  const std::u16string numberUnits = u"0123456789+- *#";
  const std::u16string countryCodes[] = {u"+82 ", u"+44 (0)", u"+1-", u"+39 ", u"+"};
  const std::u16string typedUnits = u"0123456789*#23692369";  // the names' keys more often
  auto below = [&](uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(rng); };
  auto pick = [&](const std::u16string& units, uint32_t maxLength) {
    std::u16string text(below(maxLength + 1), u'0');
    for (char16_t& u : text) u = units[below(static_cast<uint32_t>(units.size()))];
    return text;
  };
  const int32_t someSelections[] = {-1, 0, 1, 77};

  for (int round = 0; round < 200; ++round) {
    ContactIndex index;
    testing::SetKoreanTexts(index.Texts);
    // Every fifth round has stores large enough, and an option word broad
    // enough, that short typed strings reach the cut at 999.
    const bool large = round % 5 == 0;
    const uint32_t perStore = large ? 400 + below(301) : below(401);
    index.AddressBook.Reset(perStore);
    index.Sim.Reset(perStore);
    index.CallLog.Reset(perStore);
    std::u16string lastLogged;
    for (uint32_t i = 0; i < perStore; ++i) {
      std::u16string numbers[8];
      ContactNumbers given{};
      for (int n = 0; n < 8; ++n) {
        numbers[n] = pick(numberUnits, 8);
        if (below(3) == 0) numbers[n] = countryCodes[below(5)] + numbers[n];
        if (below(3) == 0) given[n] = numbers[n].c_str();
      }
      AddContact(index, int32_t(i), given, pick(nameUnits, 12).c_str());
      AddSimEntry(index, pick(nameUnits, 12).c_str(), pick(numberUnits, 8).c_str());
      std::u16string logged = pick(numberUnits, 8);
      const uint32_t choice = below(6);
      if (choice == 0 && !lastLogged.empty()) logged = lastLogged;  // called again
      if (choice == 1) logged = numbers[0];                           // a contact's number
      if (choice == 2 && numbers[1].size() > 1) logged = u"+82 " + numbers[1].substr(1);
      if (choice == 3 && numbers[2].rfind(u"+82 ", 0) == 0) logged = u"0" + numbers[2].substr(4);
      lastLogged = logged;
      AddCallLogEntry(index, pick(nameUnits, 12).c_str(), logged.c_str());
    }
    const std::vector<const ContactStore*> stores = {&index.AddressBook, &index.Sim,
                                                     &index.CallLog};
    for (ContactStore* store : {&index.AddressBook, &index.Sim, &index.CallLog}) {
      for (ContactEntry& e : *store) {
        e.SelectedNumber = someSelections[below(4)];
        // A row command puts the number it used first.
        if (e.NumberCount > 1 && below(4) == 0) std::swap(e.Numbers[0], e.Numbers[below(e.NumberCount)]);
      }
    }
    const std::u16string typed = pick(typedUnits, 8);
    const uint32_t flags = large ? 0x770 : rng() & 0x770;
    const ListOrder order = round % 2 == 1 ? ListOrder::CalledMostFirst : ListOrder::Stores;

    for (size_t keys = 0; keys <= typed.size(); ++keys) {
      const std::u16string sofar = typed.substr(0, keys);
      for (uint32_t i = 0; i < index.Results.Count; ++i) {
        if (below(8) == 0) index.Results.Items[i]->SelectedNumber = someSelections[below(4)];
      }
      const auto expected = testing::LiteralFilterStores(stores, sofar.c_str(), flags,
                                                         order == ListOrder::CalledMostFirst);
      FilterStores(index, sofar.c_str(), flags, order);

      std::string pass = "round " + std::to_string(round) + ", flags " + std::to_string(flags) +
                         ", typed ";
      for (char16_t unit : sofar) pass += static_cast<char>(unit);
      ASSERT_EQ(index.Results.Count, expected.listed.size()) << pass;
      for (uint32_t i = 0; i < index.Results.Count; ++i) {
        ASSERT_EQ(index.Results.Items[i], expected.listed[i]) << pass << ", row " << i;
      }
      const std::vector<int32_t> selected = testing::SelectedNumbers(stores);
      ASSERT_EQ(selected.size(), expected.selected.size());
      for (size_t i = 0; i < selected.size(); ++i) {
        ASSERT_EQ(selected[i], expected.selected[i]) << pass << ", entry " << i << " in store order";
      }
    }
  }
}

}  // namespace
}  // namespace vostarel
