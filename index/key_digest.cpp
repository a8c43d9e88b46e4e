#include "key_digest.h"

#include <bit>

#include "contact_entry.h"
#include "matchers.h"

namespace vostarel {

namespace {

constexpr int kNone = -1;
constexpr uint64_t kNeverSet = uint64_t{1} << 63;

// 0..9 for a digit, kNone for every other unit.
int DigitOf(char16_t unit) { return unit >= u'0' && unit <= u'9' ? unit - u'0' : kNone; }

// The KeySet bit of a unit as a number: 0..9 for its key, 10 "*", 11 "#",
// 12 any other unit.
int KeyCodeOf(char16_t unit) { return std::countr_zero(KeyOfTextUnit(unit)); }

uint64_t Bit(int index) { return uint64_t{1} << index; }

// Number words.
constexpr int kNumberStartBits = 10;
constexpr int kNumberPairBits = 20;

void AddNumberBit(uint64_t (&words)[2], int index) {
  words[index / 64] |= Bit(index % 64);
}

void AddDigitPair(uint64_t (&words)[2], int first, int second) {
  AddNumberBit(words, kNumberPairBits + first * 10 + second);
}

// Text word.
constexpr int kTextStartBits = 13;
constexpr int kTextPairBits = 26;
constexpr int kTextPairSlots = 37;

uint64_t TextPairBit(int first, int second) {
  return Bit(kTextPairBits + (first * 10 + second) % kTextPairSlots);
}

bool IsDigitCode(int code) { return code >= 0 && code <= 9; }

// The key and key-pair bits of a text word. Every text unit that fits a
// typed unit has that typed unit's key code, so a typed string needs the
// same bits of a text that fits it.
uint64_t KeysAndPairsOf(const char16_t* text) {
  uint64_t word = 0;
  int previous = kNone;
  for (; *text != 0; ++text) {
    const int code = KeyCodeOf(*text);
    word |= Bit(code);
    if (IsDigitCode(previous) && IsDigitCode(code)) word |= TextPairBit(previous, code);
    previous = code;
  }
  return word;
}

uint64_t StartOf(const char16_t* text) {
  return text[0] != 0 ? Bit(kTextStartBits + KeyCodeOf(text[0])) : 0;
}

// The text word of a key lattice: the keys of all its units, the first keys
// of its spellings, and the key pairs that stand side by side in one of them
// (across a group: each choice's last key with what follows the group).
uint64_t LatticeWord(const uint8_t* lattice) {
  uint64_t word = 0;
  // Key codes that may stand right before the current byte, and whether a
  // spelling may start there; the same before and after the open group.
  unsigned previous = 0;
  bool atStart = true;
  unsigned groupBefore = 0, groupAfter = 0;
  bool groupBeforeStart = false, groupAfterStart = false;
  for (; *lattice != 0; ++lattice) {
    switch (*lattice) {
      case '{':
        groupBefore = previous;
        groupBeforeStart = atStart;
        groupAfter = 0;
        groupAfterStart = false;
        break;
      case '|':
      case '}':
        groupAfter |= previous;
        groupAfterStart = groupAfterStart || atStart;
        previous = *lattice == '|' ? groupBefore : groupAfter;
        atStart = *lattice == '|' ? groupBeforeStart : groupAfterStart;
        break;
      default: {
        const int code = KeyCodeOf(*lattice);
        word |= Bit(code);
        if (atStart) word |= Bit(kTextStartBits + code);
        if (IsDigitCode(code)) {
          for (unsigned before = previous & 0x3FF; before != 0; before &= before - 1) {
            word |= TextPairBit(std::countr_zero(before), code);
          }
        }
        previous = 1u << code;
        atStart = false;
      }
    }
  }
  return word;
}

void AddNumber(uint64_t (&words)[2], const char16_t* number) {
  int previous = kNone;
  for (; *number != 0; ++number) {
    const int digit = DigitOf(*number);
    if (digit == kNone) continue;  // the matchers skip non-digits
    words[0] |= Bit(digit);
    if (previous == kNone) {
      words[0] |= Bit(kNumberStartBits + digit);
    } else {
      AddDigitPair(words, previous, digit);
    }
    previous = digit;
  }
}

// A typed digit is fitted by that digit and "*" by any digit, so the digits
// of a fitting number follow each other as the typed digits do, except
// across a "*". Any other typed unit fits no digit.
void NeedNumbers(const char16_t* typed, FormTest test, uint64_t (&words)[2]) {
  if (test == FormTest::kNone) {
    words[1] = kNeverSet;
    return;
  }
  const int first = DigitOf(typed[0]);
  if (test == FormTest::kFromStart && first != kNone) words[0] |= Bit(kNumberStartBits + first);
  int previous = kNone;
  for (; *typed != 0; ++typed) {
    const int digit = DigitOf(*typed);
    if (digit != kNone) {
      words[0] |= Bit(digit);
      if (previous != kNone) AddDigitPair(words, previous, digit);
    } else if (*typed != u'*') {
      words[1] = kNeverSet;
      return;
    }
    previous = digit;
  }
}

uint64_t NeedText(const char16_t* typed, FormTest test) {
  if (test == FormTest::kNone) return kNeverSet;
  return (test == FormTest::kFromStart ? StartOf(typed) : 0) | KeysAndPairsOf(typed);
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
  EntryDigest digest;
  const uint32_t count =
      entry.NumberCount < kMaxNumbersPerEntry ? entry.NumberCount : kMaxNumbersPerEntry;
  for (uint32_t slot = 0; slot < count; ++slot) {
    AddNumber(digest.Numbers, entry.Numbers[slot].Number);
    char16_t national[kNationalTextCapacity];
    const int nationalStart = NationalText(entry.Numbers[slot], national);
    if (nationalStart >= 0) {
      AddNumber(digest.Numbers, national);
      AddNumber(digest.Numbers, national + nationalStart);
    }
  }
  digest.Initials = StartOf(entry.NameInitials) | KeysAndPairsOf(entry.NameInitials);
  digest.SpelledName = StartOf(entry.SpelledName) | KeysAndPairsOf(entry.SpelledName);
  AlternateRecord record;
  for (const uint8_t* at = entry.NameAlternates; (at = NextAlternate(at, record)) != nullptr;) {
    const uint64_t word = LatticeWord(record.Lattice);
    if (record.Kind & kAlternateInitials) digest.AlternateInitials |= word;
    if (record.Kind & kAlternateSpelledName) digest.AlternateSpelledName |= word;
  }
  return digest;
}

DigestNeeds NeedsOf(const char16_t* typed, FormTest numbers, FormTest initials,
                    FormTest spelledName) {
  DigestNeeds needs;
  NeedNumbers(typed, numbers, needs.Numbers);
  needs.Initials = NeedText(typed, initials);
  needs.SpelledName = NeedText(typed, spelledName);
  return needs;
}

}  // namespace vostarel
