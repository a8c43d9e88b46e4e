#include <gtest/gtest.h>

#include <string>

#include "vcard.h"

namespace vostarel::device {
namespace {

using K = NumberKind;

std::string Card(const std::string& body) { return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + body + "END:VCARD\r\n"; }

VCardContact OnlyContact(const std::string& file) {
  const std::vector<VCardContact> contacts = ParseVCards(file);
  EXPECT_EQ(contacts.size(), 1u);
  return contacts.empty() ? VCardContact{} : contacts[0];
}

TEST(VCardFile, ReadsFileAsAndNumbersThroughFoldingAndEscapes) {
  const VCardContact contact = OnlyContact(
      "\xEF\xBB\xBF"
      "BEGIN:VCARD\r\nVERSION:3.0\r\n"
      "N:Doe;John;;;\r\n"
      "FN:Doe\\, John \\;\\\\ \r\n"
      " Junior\r\n"
      "TEL;TYPE=CELL:+1 555\r\n"
      "\t0100\r\n"
      "END:VCARD\r\n");
  EXPECT_EQ(contact.FileAs, u"Doe, John ;\\ Junior");
  EXPECT_EQ(contact.Number(K::Mobile), u"+1 5550100");
  EXPECT_EQ(contact.Oid, 1);
  // Line breaks; a backslash before anything else, or last, stays.
  EXPECT_EQ(OnlyContact(Card("FN:a\\nb\\Nc\\xd\\\r\n")).FileAs, u"a\nb\nc\\xd\\");
  // The first non-empty FN; none gives an empty FileAs.
  EXPECT_EQ(OnlyContact(Card("FN:\r\nFN:  Second \r\nFN:Third\r\n")).FileAs, u"Second");
  EXPECT_EQ(OnlyContact(Card("N:Doe;Jane\r\nTEL:1\r\n")).FileAs, u"");
}

TEST(VCardFile, TelTypesFillTheEightKinds) {
  const VCardContact contact = OnlyContact(Card(
      "TEL;TYPE=HOME:h1\r\n"
      "TEL;TYPE=WORK:w1\r\n"
      "TEL;TYPE=HOME:h2\r\n"
      "TEL;TYPE=HOME:h3\r\n"  // home and home 2 full: dropped
      "TEL;TYPE=WORK,VOICE:w2\r\n"
      "TEL;TYPE=WORK:w3\r\n"  // dropped
      "TEL;TYPE=CAR:car\r\n"
      "TEL;TYPE=PAGER:pager\r\n"
      "TEL;TYPE=X-ASSISTANT:assistant\r\n"
      "TEL;TYPE=CELL:m1\r\n"
      "TEL;TYPE=CELL:m2\r\n"));  // mobile full and typed: dropped, not moved
  EXPECT_EQ(contact.Number(K::Mobile), u"m1");
  EXPECT_EQ(contact.Number(K::Home), u"h1");
  EXPECT_EQ(contact.Number(K::Home2), u"h2");
  EXPECT_EQ(contact.Number(K::Business), u"w1");
  EXPECT_EQ(contact.Number(K::Business2), u"w2");
  EXPECT_EQ(contact.Number(K::Car), u"car");
  EXPECT_EQ(contact.Number(K::Radio), u"pager");
  EXPECT_EQ(contact.Number(K::Assistant), u"assistant");
}

TEST(VCardFile, CombinedTypesTakeTheFirstKindAndFaxIsNotRead) {
  const VCardContact contact = OnlyContact(Card(
      "TEL;TYPE=WORK;TYPE=CELL:work-cell\r\n"
      "TEL;TYPE=HOME,PAGER:home-pager\r\n"
      "TEL;TYPE=WORK,FAX:fax\r\n"
      "TEL;TYPE=FAX:fax2\r\n"));
  EXPECT_EQ(contact.Number(K::Mobile), u"work-cell");
  EXPECT_EQ(contact.Number(K::Radio), u"home-pager");
  EXPECT_EQ(contact.Number(K::Business), u"");
  EXPECT_EQ(contact.Number(K::Home), u"");
}

TEST(VCardFile, UntypedNumbersTakeFreeKindsAfterTypedOnes) {
  const VCardContact contact = OnlyContact(Card(
      "TEL:first\r\n"
      "TEL;TYPE=VOICE:second\r\n"
      "TEL;TYPE=CELL:cell\r\n"
      "TEL;TYPE=pref:third\r\n"));
  // The typed CELL keeps the mobile slot although untyped numbers came first.
  EXPECT_EQ(contact.Number(K::Mobile), u"cell");
  EXPECT_EQ(contact.Number(K::Home), u"first");
  EXPECT_EQ(contact.Number(K::Home2), u"second");
  EXPECT_EQ(contact.Number(K::Business), u"third");

  std::string many;
  for (int i = 0; i < 10; ++i) many += "TEL:n" + std::to_string(i) + "\r\n";
  const VCardContact full = OnlyContact(Card(many));
  EXPECT_EQ(full.Number(K::Mobile), u"n0");
  EXPECT_EQ(full.Number(K::Assistant), u"n7");
}

TEST(VCardFile, Version4TypeListsAndTelUris) {
  const VCardContact contact = OnlyContact(
      "BEGIN:VCARD\nVERSION:4.0\n"
      "FN:Ann\n"
      "TEL;VALUE=uri;TYPE=\"cell,voice\":tel:+1-555-0101\n"
      "TEL;VALUE=uri;TYPE=\"work\";PREF=1:tel:+1-555-0102;ext=7\n"
      "TEL;VALUE=uri;TYPE=home:sip:ann@example.org\n"
      "TEL;TYPE=car:TEL:0303\n"
      "END:VCARD\n");
  EXPECT_EQ(contact.Number(K::Mobile), u"+1-555-0101");
  EXPECT_EQ(contact.Number(K::Business), u"+1-555-0102");
  EXPECT_EQ(contact.Number(K::Home), u"") << "a URI of another scheme is no number";
  EXPECT_EQ(contact.Number(K::Car), u"0303");
}

TEST(VCardFile, NamesParametersAndGroupsAreCaseInsensitive) {
  const VCardContact contact = OnlyContact(
      "begin:vcard\r\nfn:Lower\r\nitem1.tel;type=Cell:123\r\nITEM2.TEL;Type=hOmE:456\r\n"
      "TEL;CELL;VOICE:789\r\nTEL;WORK:321\r\nend:VCard\r\n");
  EXPECT_EQ(contact.FileAs, u"Lower");
  EXPECT_EQ(contact.Number(K::Mobile), u"123");
  EXPECT_EQ(contact.Number(K::Home), u"456");
  EXPECT_EQ(contact.Number(K::Business), u"321") << "bare 2.1-style types count";
}

TEST(VCardFile, UidGivesTheOidOnlyWhenAPositiveInt32) {
  const std::vector<VCardContact> contacts = ParseVCards(
      Card("UID:42\r\n") +                   // 1: 42
      Card("\r\n") +                         // 2: position 2
      Card("UID:urn:uuid:1234\r\n") +        // 3: position 3
      Card("UID:0\r\n") +                    // 4: position 4
      Card("UID:2147483648\r\n") +           // 5: position 5
      Card("UID: 2147483647 \r\n") +         // 6: the largest
      Card("UID:42\r\n") +                   // 7: taken by card 1, position 7
      Card("UID:-3\r\n"));                   // 8: position 8
  ASSERT_EQ(contacts.size(), 8u);
  const int32_t expected[] = {42, 2, 3, 4, 5, 2147483647, 7, 8};
  for (size_t i = 0; i < contacts.size(); ++i) EXPECT_EQ(contacts[i].Oid, expected[i]) << i;
}

TEST(VCardFile, PositionTakenByAnotherCardsUidMovesAboveTheCount) {
  const std::vector<VCardContact> contacts =
      ParseVCards(Card("\r\n") + Card("UID:1\r\n") + Card("UID:4\r\n") + Card("\r\n"));
  ASSERT_EQ(contacts.size(), 4u);
  EXPECT_EQ(contacts[1].Oid, 1);
  EXPECT_EQ(contacts[2].Oid, 4);
  // Card 1's position 1 and card 4's position 4 are taken: lowest free above 4.
  EXPECT_EQ(contacts[0].Oid, 5);
  EXPECT_EQ(contacts[3].Oid, 6);
}

TEST(VCardFile, BrokenStructureIsSkippedNotFatal) {
  const std::vector<VCardContact> contacts = ParseVCards(
      "garbage before\r\n"
      "END:VCARD\r\n"                      // END without BEGIN
      "BEGIN:VCARD\r\nFN:NoEnd\r\n"        // ends where the next begins
      "BEGIN:VCARD\r\n"
      "FN:Second\r\n"
      "this line has no colon\r\n"
      "TEL;TYPE=\"cell:unterminated\r\n"   // unterminated quote: skipped
      "T EL:1\r\n"                         // bad name: skipped
      ":nothing\r\n"
      "TEL;TYPE=HOME:  \r\n"               // empty number: not read
      "TEL;TYPE=HOME:22\r\n"
      "END:VCARD\r\n"
      "\x01\xFF\xFE junk between cards\r\n"
      "BEGIN:VCARD\rFN:Last\rTEL:33");    // CR line ends, file cut short
  ASSERT_EQ(contacts.size(), 3u);
  EXPECT_EQ(contacts[0].FileAs, u"NoEnd");
  EXPECT_EQ(contacts[1].FileAs, u"Second");
  EXPECT_EQ(contacts[1].Number(K::Home), u"22");
  EXPECT_EQ(contacts[1].Number(K::Mobile), u"");
  EXPECT_EQ(contacts[2].FileAs, u"Last");
  EXPECT_EQ(contacts[2].Number(K::Mobile), u"33");
  EXPECT_EQ((std::vector<int32_t>{contacts[0].Oid, contacts[1].Oid, contacts[2].Oid}),
            (std::vector<int32_t>{1, 2, 3}));
}

TEST(VCardFile, NothingUsableGivesNoCards) {
  EXPECT_TRUE(ParseVCards("").empty());
  EXPECT_TRUE(ParseVCards("\xEF\xBB\xBF").empty());
  EXPECT_TRUE(ParseVCards(std::string("\0\0\0BEGIN\0:VCARD", 15)).empty());
  EXPECT_TRUE(ParseVCards("BEGIN:VCALENDAR\r\nFN:x\r\nEND:VCALENDAR\r\n").empty());
}

TEST(VCardFile, LongValuesAreCutWithoutSplittingASurrogatePair) {
  std::string name(kMaxVCardValueUnits - 1, 'a');
  name += "\xF0\x9F\x98\x80";  // a pair that would straddle the limit
  name += "tail";
  const VCardContact contact = OnlyContact(Card("FN:" + name + "\r\n"));
  EXPECT_EQ(contact.FileAs, std::u16string(kMaxVCardValueUnits - 1, u'a'));

  const VCardContact longNumber =
      OnlyContact(Card("TEL:" + std::string(5000, '9') + "\r\n"));
  EXPECT_EQ(longNumber.Number(K::Mobile).size(), kMaxVCardValueUnits);
}

}  // namespace
}  // namespace vostarel::device
