// A small summary of what an entry's texts can fit, used by the filter to
// pass over entries that cannot match without reading their texts.
//
// A filter pass runs on every keypress over every stored entry. The texts of
// one entry span many cache lines, so reading them all is what a pass costs on
// a large phone book. The digests of a store sit in one compact array beside
// the entries. A digest is four words of bits, one or two per form of the
// entry (its numbers, its initials, its spelled name), each bit saying that
// the form holds something: a key, a first key, two keys side by side. A
// typed string is turned into the same words, with the bits that every
// fitting form must hold; where an entry's word lacks one of them, that form
// cannot fit and is not read.
//
// The number words are a union over the entry's numbers and their national
// forms, so they do not depend on the order of the number slots (a row
// command moves a number to the front). The alternate words are a union over
// the entry's alternate spellings (name_lattice.h) of each kind.
#pragma once

#include <cstdint>

namespace vostarel {

struct ContactEntry;

// Bit k (0..9) for key "k", then "*", "#" and any other unit.
using KeySet = uint16_t;
inline constexpr KeySet kStarKey = 1u << 10;
inline constexpr KeySet kHashKey = 1u << 11;
inline constexpr KeySet kOtherKey = 1u << 12;

// The keys a unit of a spelled text fits: a letter the key it is printed on,
// a digit, "*" and "#" themselves; every other unit only an identical typed
// unit, which cleaned typed strings never hold.
KeySet KeyOfTextUnit(char16_t unit);

// Number words, over the digits of the numbers once their non-digits are
// skipped (as the matchers skip them):
//   word 0, bits 0..9:    digit d somewhere;
//   word 0, bits 10..19:  a number starts with digit d;
//   bits 20 + 10a + b:    digit b right after digit a (word 0 from bit 20
//                         on, then word 1 up to its bit 55).
// Text word, over the keys of the text's units:
//   bits 0..12:   a unit of key k (the KeySet bits above);
//   bits 13..25:  the first unit has key k;
//   bits 26..62:  two units of keys a and b (both 0..9) side by side, at
//                 bit 26 + (10a + b) mod 37; pairs share bits, which only
//                 lets more entries through to be read.
// Bit 63 is set in no digest word; a form that a pass does not test needs it.
struct EntryDigest {
  uint64_t Numbers[2] = {0, 0};
  uint64_t Initials = 0;
  uint64_t SpelledName = 0;
  uint64_t AlternateInitials = 0;
  uint64_t AlternateSpelledName = 0;
};

EntryDigest DigestOf(const ContactEntry& entry);

// How a pass tests one form of the entries.
enum class FormTest { kNone, kFromStart, kAnywhere };

// The bits each word of a digest must hold for a form to fit the typed
// string under the given tests, laid out as EntryDigest.
using DigestNeeds = EntryDigest;

DigestNeeds NeedsOf(const char16_t* typed, FormTest numbers, FormTest initials,
                    FormTest spelledName);

inline bool HasAll(uint64_t have, uint64_t needed) { return (have & needed) == needed; }

// Whether each form's words hold every needed bit.
inline bool NumbersMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  const uint64_t missing =
      (needed.Numbers[0] & ~have.Numbers[0]) | (needed.Numbers[1] & ~have.Numbers[1]);
  return missing == 0;
}
inline bool InitialsMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return HasAll(have.Initials, needed.Initials);
}
inline bool SpelledNameMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return HasAll(have.SpelledName, needed.SpelledName);
}
inline bool AlternateInitialsMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return HasAll(have.AlternateInitials, needed.Initials);
}
inline bool AlternateSpelledNameMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return HasAll(have.AlternateSpelledName, needed.SpelledName);
}

// The forms that may fit, as a set of these bits. Bitwise rather than
// short-circuit: asked of every entry of a store, a branch per form would
// often be mispredicted.
enum FormBit : unsigned {
  kNumbersMayFit = 1,
  kInitialsMayFit = 2,
  kSpelledNameMayFit = 4,
  kAlternateInitialsMayFit = 8,
  kAlternateSpelledNameMayFit = 16,
};

inline unsigned FormsThatMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return unsigned{NumbersMayFit(have, needed)} * kNumbersMayFit |
         unsigned{InitialsMayFit(have, needed)} * kInitialsMayFit |
         unsigned{SpelledNameMayFit(have, needed)} * kSpelledNameMayFit |
         unsigned{AlternateInitialsMayFit(have, needed)} * kAlternateInitialsMayFit |
         unsigned{AlternateSpelledNameMayFit(have, needed)} * kAlternateSpelledNameMayFit;
}

}  // namespace vostarel
