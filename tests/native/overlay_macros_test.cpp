// Macro expansion of captions and command texts: what each macro inserts,
// the chosen number, and the cut at the expansion buffers' capacity.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro_expansion.h"
#include "overlay_test_entries.h"

namespace vostarel {
namespace {

using testing::MakeEntry;
using testing::MobileAndHome;

std::u16string Expand(const char16_t* text, const ContactEntry& entry, uint32_t numberIndex) {
  char16_t out[kCommandExpansionCapacity];
  const size_t length = ExpandMacros(out, kCommandExpansionCapacity, text, entry, numberIndex);
  EXPECT_EQ(length, std::u16string(out).size()) << "the result is the end of the text";
  return out;
}

TEST(OverlayMacros, InsertEntryFieldsAndTheChosenNumber) {
  const ContactEntry entry = MobileAndHome();
  EXPECT_EQ(Expand(u"%n|%p|%t|%j|%y", entry, 0), u"홍길동|010-1234-5678|휴대폰|hgd|honggildong");
  EXPECT_EQ(Expand(u"%n|%p|%t|%j|%y", entry, 1), u"홍길동|02-555-0101|집|hgd|honggildong");
  EXPECT_EQ(Expand(u"tmail.exe -to \"%n<%p>\"", entry, 1), u"tmail.exe -to \"홍길동<02-555-0101>\"");
  EXPECT_EQ(Expand(u"", entry, 0), u"");
  EXPECT_EQ(Expand(nullptr, entry, 0), u"");
}

TEST(OverlayMacros, DialableDigitsKeepOnlyDigitsStarAndHash) {
  const ContactEntry entry = MakeEntry(u"A", {{u"SIM", u"+82 (10) 1234-5678*#"}});
  EXPECT_EQ(Expand(u"%P", entry, 0), u"821012345678*#");
  EXPECT_EQ(Expand(u"%p", entry, 0), u"+82 (10) 1234-5678*#");
}

TEST(OverlayMacros, AllNumbersListsTheSlotsInUseInOrder) {
  EXPECT_EQ(Expand(u"%a", MobileAndHome(), 0), u" 휴대폰[010-1234-5678] 집[02-555-0101]");
  // The same for every number index, and with no number chosen at all.
  EXPECT_EQ(Expand(u"%a", MobileAndHome(), 7), u" 휴대폰[010-1234-5678] 집[02-555-0101]");
}

TEST(OverlayMacros, PercentWithOtherCharactersAndAtTheEnd) {
  const ContactEntry entry = MobileAndHome();
  EXPECT_EQ(Expand(u"100%%", entry, 0), u"100%");
  EXPECT_EQ(Expand(u"%%n", entry, 0), u"%n");
  // Case matters: %N and %T are no macros.
  EXPECT_EQ(Expand(u"%N%T%x% ", entry, 0), u"NTx ");
  // A "%" ending the text gives nothing.
  EXPECT_EQ(Expand(u"%", entry, 0), u"");
  EXPECT_EQ(Expand(u"call %p%", entry, 0), u"call 010-1234-5678");
  // A number index that is no slot in use gives no number or label, even
  // though the slots past NumberCount hold leftovers.
  for (uint32_t index : {2u, 8u, 0xFFFFFFFFu}) {
    EXPECT_EQ(Expand(u"[%p|%P|%t] %n", entry, index), u"[||] 홍길동") << index;
  }
}

TEST(OverlayMacros, DamagedNumberCountReadsNoMoreThanEightSlots) {
  ContactEntry entry = MakeEntry(u"A", {{u"x", u"1"}});
  entry.NumberCount = 200;
  std::u16string eightSlots = u" x[1]";
  for (int i = 1; i < 8; ++i) eightSlots += u" LEFTOVER[999999]";
  EXPECT_EQ(Expand(u"%a", entry, 100), eightSlots);
  // Fields without a terminator are read up to their capacity only, not on
  // into the field that follows.
  for (char16_t& unit : entry.DisplayName) unit = u'n';
  CopyText(entry.SpelledName, u"next");
  EXPECT_EQ(Expand(u"%n", entry, 0), std::u16string(kDisplayNameCapacity, u'n'));
}

// Eight numbers with the longest label and number texts: "%a" gives
// 8 x 49 = 392 units.
ContactEntry EightLongNumbers() {
  ContactEntry entry = MakeEntry(u"A", {});
  for (uint32_t i = 0; i < kMaxNumbersPerEntry; ++i) {
    CopyText(entry.Numbers[i].Label, u"LABEL-FIFTEEN-U");
    std::u16string number(kNumberCapacity - 1, static_cast<char16_t>(u'0' + i));
    CopyText(entry.Numbers[i].Number, number.c_str());
  }
  entry.NumberCount = kMaxNumbersPerEntry;
  return entry;
}

// The cut output is the start of the whole expansion, terminated in the
// buffer's last unit, and nothing after the buffer is touched.
void ExpectCutAtCapacity(const char16_t* text, size_t capacity) {
  const ContactEntry entry = EightLongNumbers();
  std::vector<char16_t> whole(8 * kCommandExpansionCapacity);
  const size_t wholeLength = ExpandMacros(whole.data(), whole.size(), text, entry, 0);
  ASSERT_GE(wholeLength, capacity) << "this case must not fit";

  constexpr size_t kGuardUnits = 64;
  constexpr char16_t kGuard = 0xBEEF;
  std::vector<char16_t> buffer(capacity + kGuardUnits, kGuard);
  const size_t length = ExpandMacros(buffer.data(), capacity, text, entry, 0);
  EXPECT_EQ(length, capacity - 1);
  EXPECT_EQ(buffer[capacity - 1], 0);
  EXPECT_EQ(std::u16string(buffer.data()), std::u16string(whole.data(), capacity - 1));
  for (size_t i = capacity; i < buffer.size(); ++i) {
    ASSERT_EQ(buffer[i], kGuard) << "unit " << i << " past a capacity of " << capacity;
  }
}

TEST(OverlayMacros, ExpansionIsCutAtTheCaptionAndCommandCapacities) {
  ExpectCutAtCapacity(u"%a", kCaptionExpansionCapacity);
  ExpectCutAtCapacity(u"x%a%a%a", kCommandExpansionCapacity);
  // A plain text longer than the buffer is cut the same way.
  const std::u16string plain(300, u'p');
  ExpectCutAtCapacity(plain.c_str(), kCaptionExpansionCapacity);
}

TEST(OverlayMacros, TinyBuffersStayTerminatedAndZeroCapacityIsUntouched) {
  const ContactEntry entry = MobileAndHome();
  char16_t one[2] = {u'#', u'#'};
  EXPECT_EQ(ExpandMacros(one, 1, u"%n", entry, 0), 0u);
  EXPECT_EQ(one[0], 0);
  EXPECT_EQ(one[1], u'#');
  char16_t none[1] = {u'#'};
  EXPECT_EQ(ExpandMacros(none, 0, u"%n", entry, 0), 0u);
  EXPECT_EQ(none[0], u'#');
}

}  // namespace
}  // namespace vostarel
