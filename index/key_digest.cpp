#include "key_digest.h"

#include "contact_entry.h"
#include "matchers.h"

namespace vostarel {

namespace {

KeySet KeysOfText(const char16_t* text) {
  KeySet keys = 0;
  for (; *text != 0; ++text) keys |= KeyOfTextUnit(*text);
  return keys;
}

KeySet DigitsOf(const char16_t* number) {
  KeySet digits = 0;
  for (; *number != 0; ++number) {
    if (*number >= u'0' && *number <= u'9') digits |= KeySet(1u << (*number - u'0'));
  }
  return digits;
}

}  // namespace

KeySet KeyOfTextUnit(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return KeySet(1u << (unit - u'0'));
  if (unit >= u'a' && unit <= u'z') {
    for (char16_t key = u'2'; key <= u'9'; ++key) {
      if (KeyFits(unit, key)) return KeySet(1u << (key - u'0'));
    }
  }
  if (unit == u'*') return kStarKey;
  if (unit == u'#') return kHashKey;
  return kOtherKey;
}

EntryDigest DigestOf(const ContactEntry& entry) {
  EntryDigest digest{0, KeysOfText(entry.NameInitials), KeysOfText(entry.SpelledName)};
  const uint32_t count =
      entry.NumberCount < kMaxNumbersPerEntry ? entry.NumberCount : kMaxNumbersPerEntry;
  for (uint32_t slot = 0; slot < count; ++slot) {
    digest.NumberDigits |= DigitsOf(entry.Numbers[slot].Number);
  }
  return digest;
}

TypedKeys KeysNeededBy(const char16_t* typed) {
  TypedKeys needed{0, true, 0};
  for (; *typed != 0; ++typed) {
    const char16_t unit = *typed;
    // Every text unit that fits a typed unit has that typed unit's key.
    needed.ForText |= KeyOfTextUnit(unit);
    if (unit >= u'0' && unit <= u'9') {
      needed.ForNumbers |= KeySet(1u << (unit - u'0'));
    } else if (unit != u'*') {
      needed.NumbersCanFit = false;  // only digits and "*" fit a digit
    }
  }
  return needed;
}

}  // namespace vostarel
