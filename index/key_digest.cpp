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

// Text words.
using TextWords = uint64_t[2];
constexpr int kTextStartBits = 13;
constexpr int kTextPairBits = 26;
constexpr int kOtherCode = 12;  // a unit that fits no key
constexpr int kTrigramCodes = 12;  // "0".."9", "*", "#"
constexpr int kTrigramSlots = 127;

void SetBit(TextWords& words, int index) { words[index / 64] |= Bit(index % 64); }

bool IsDigitCode(int code) { return code >= 0 && code <= 9; }

int TrigramBit(int a, int b, int c) {
  const uint32_t triple = static_cast<uint32_t>((a * kTrigramCodes + b) * kTrigramCodes + c);
  return static_cast<int>(((triple * 2654435761u) >> 8) % kTrigramSlots);
}

// Sets the bits of one spelled form from its key codes in order. A lattice
// is walked with its groups: each choice starts from what stood before the
// group, and what follows the group may follow any choice. Kept: the codes
// that may stand right before the next unit, the pairs of codes that may
// stand right before it, and whether a spelling may start there.
class FormBits {
 public:
  FormBits(TextWords& words, TextWords& trigrams) : words_(words), trigrams_(trigrams) {}

  void Unit(int code) {
    SetBit(words_, code);
    if (now_.atStart) SetBit(words_, kTextStartBits + code);
    State next;
    next.atStart = false;
    if (code != kOtherCode) {
      for (unsigned before = now_.codes; before != 0; before &= before - 1) {
        const int a = std::countr_zero(before);
        if (IsDigitCode(a) && IsDigitCode(code)) SetBit(words_, kTextPairBits + a * 10 + code);
        if (a != kOtherCode) next.AddPair(a, code);
      }
      for (unsigned firsts = now_.pairFirsts; firsts != 0; firsts &= firsts - 1) {
        const int a = std::countr_zero(firsts);
        for (unsigned b = now_.pairs[a]; b != 0; b &= b - 1) {
          SetBit(trigrams_, TrigramBit(a, std::countr_zero(b), code));
        }
      }
      next.codes = 1u << code;
    }
    now_ = next;
  }
  void OpenGroup() {
    before_ = now_;
    after_ = State{};
    after_.atStart = false;
  }
  void EndChoice(bool lastChoice) {
    after_.codes |= now_.codes;
    after_.atStart = after_.atStart || now_.atStart;
    for (unsigned firsts = now_.pairFirsts; firsts != 0; firsts &= firsts - 1) {
      const int a = std::countr_zero(firsts);
      for (unsigned b = now_.pairs[a]; b != 0; b &= b - 1) after_.AddPair(a, std::countr_zero(b));
    }
    now_ = lastChoice ? after_ : before_;
  }

 private:
  struct State {
    unsigned codes = 0;       // bit per code
    unsigned pairFirsts = 0;  // bit a: pairs[a] holds the pairs that start with a
    unsigned pairs[kTrigramCodes];  // pairs[a] bit b: codes a, b in a row
    bool atStart = true;

    void AddPair(int a, int b) {
      if ((pairFirsts & (1u << a)) == 0) {
        pairFirsts |= 1u << a;
        pairs[a] = 0;
      }
      pairs[a] |= 1u << b;
    }
  };
  TextWords& words_;
  TextWords& trigrams_;
  State now_, before_, after_;
};

void AddText(TextWords& words, TextWords& trigrams, const char16_t* text) {
  FormBits bits(words, trigrams);
  for (; *text != 0; ++text) bits.Unit(KeyCodeOf(*text));
}

// The bits of a key lattice (name_lattice.h); it marks the entry as having
// alternate spellings of this kind.
void AddLattice(TextWords& words, TextWords& trigrams, const uint8_t* lattice) {
  FormBits bits(words, trigrams);
  for (; *lattice != 0; ++lattice) {
    switch (*lattice) {
      case '{': bits.OpenGroup(); break;
      case '|': bits.EndChoice(false); break;
      case '}': bits.EndChoice(true); break;
      default: bits.Unit(KeyCodeOf(*lattice));
    }
  }
  words[1] |= kHasAlternates;
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

// A typed string needs of a fitting text the bits it has itself: every
// typed unit is fitted by a unit of its own key code, side by side as typed.
void NeedText(const char16_t* typed, FormTest test, TextWords& words, TextWords* trigrams) {
  if (test == FormTest::kNone) {
    words[1] = kNeverSet;
    return;
  }
  TextWords unusedTrigrams = {0, 0};
  FormBits bits(words, trigrams != nullptr ? *trigrams : unusedTrigrams);
  for (; *typed != 0; ++typed) bits.Unit(KeyCodeOf(*typed));
  if (test == FormTest::kAnywhere) {
    // Any start: drop the start bits again.
    words[0] &= ~(((uint64_t{1} << 13) - 1) << kTextStartBits);
  }
}

}  // namespace

KeySet KeyOfTextUnit(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return KeySet(1u << (unit - u'0'));
  if (const char16_t key = KeyOfLetter(unit)) return KeySet(1u << (key - u'0'));
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
  TextWords noTrigrams = {0, 0};
  AddText(digest.Initials, noTrigrams, entry.NameInitials);
  AddText(digest.SpelledName, digest.SpelledTrigrams, entry.SpelledName);
  AlternateRecord record;
  for (const uint8_t* at = entry.NameAlternates; (at = NextAlternate(at, record)) != nullptr;) {
    if (record.Kind & kAlternateInitials) AddLattice(digest.Initials, noTrigrams, record.Lattice);
    if (record.Kind & kAlternateSpelledName) {
      AddLattice(digest.SpelledName, digest.SpelledTrigrams, record.Lattice);
    }
  }
  return digest;
}

DigestNeeds NeedsOf(const char16_t* typed, FormTest numbers, FormTest initials,
                    FormTest spelledName) {
  DigestNeeds needs;
  NeedNumbers(typed, numbers, needs.Numbers);
  NeedText(typed, initials, needs.Initials, nullptr);
  NeedText(typed, spelledName, needs.SpelledName, &needs.SpelledTrigrams);
  return needs;
}

}  // namespace vostarel
