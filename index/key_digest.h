// A small summary of what an entry's texts can fit, used by the filter to
// pass over entries that cannot match without reading their texts.
//
// A filter pass runs on every keypress over every stored entry. The texts of
// one entry span many cache lines, so reading them all is what a pass costs on
// a large phone book. The digests of a store sit in one compact array beside
// the entries. A digest is eight words of bits, two per form of the entry (its
// numbers, its initials, its spelled name) and two more for its spelled name, each bit saying that the form
// holds something: a key, a first key, two keys side by side. A typed string
// is turned into the same words, with the bits that every fitting form must
// hold; where an entry's words lack one of them, that form cannot fit and is
// not read.
//
// The number words are a union over the entry's numbers and their national
// forms, so they do not depend on the order of the number slots (a row
// command moves a number to the front). The initials and spelled-name words
// are a union over the entry's own form and its alternate spellings of that
// kind (name_lattice.h), which mostly repeat the keys of its own form.
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
// Text words, over the keys of the text's units:
//   bits 0..12:    a unit of key k (the KeySet bits above);
//   bits 13..25:   the first unit has key k;
//   bits 26 + 10a + b (word 0 from bit 26 on, then word 1 up to its bit 61):
//                  units of keys a and b (both 0..9) side by side;
//   word 1, bit 62: the entry has alternate spellings of this kind.
// Trigram words, for the spelled name only: a bloom of the triples of key
// codes (0..9, "*", "#") that stand side by side, one bit of 0..126 each.
// The Korean spellings offer many choices per syllable, so their key pairs
// say little; their triples still tell most names apart.
// Bit 63 of word 1 is set in no digest; a form that a pass does not test
// needs it.
struct EntryDigest {
  uint64_t Numbers[2] = {0, 0};
  uint64_t Initials[2] = {0, 0};
  uint64_t SpelledName[2] = {0, 0};
  uint64_t SpelledTrigrams[2] = {0, 0};
};

inline constexpr uint64_t kHasAlternates = uint64_t{1} << 62;

EntryDigest DigestOf(const ContactEntry& entry);

// How a pass tests one form of the entries.
enum class FormTest { kNone, kFromStart, kAnywhere };

// The bits each word of a digest must hold for a form to fit the typed
// string under the given tests, laid out as EntryDigest.
using DigestNeeds = EntryDigest;

DigestNeeds NeedsOf(const char16_t* typed, FormTest numbers, FormTest initials,
                    FormTest spelledName);

// Whether two words hold every needed bit.
inline bool HasAll(const uint64_t (&have)[2], const uint64_t (&needed)[2]) {
  return ((needed[0] & ~have[0]) | (needed[1] & ~have[1])) == 0;
}

// Whether each form's words hold every needed bit.
inline bool NumbersMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return HasAll(have.Numbers, needed.Numbers);
}
inline bool InitialsMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return HasAll(have.Initials, needed.Initials);
}
inline bool SpelledNameMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  return HasAll(have.SpelledName, needed.SpelledName) &&
         HasAll(have.SpelledTrigrams, needed.SpelledTrigrams);
}
inline bool HasAlternateInitials(const EntryDigest& have) {
  return (have.Initials[1] & kHasAlternates) != 0;
}
inline bool HasAlternateSpelledName(const EntryDigest& have) {
  return (have.SpelledName[1] & kHasAlternates) != 0;
}

// The forms that may fit, as a set of these bits. Bitwise rather than
// short-circuit: asked of every entry of a store, a branch per form would
// often be mispredicted.
// The alternate forms may fit where the union does and the entry has some.
enum FormBit : unsigned {
  kNumbersMayFit = 1,
  kInitialsMayFit = 2,
  kSpelledNameMayFit = 4,
  kAlternateInitialsMayFit = 8,
  kAlternateSpelledNameMayFit = 16,
};

inline unsigned FormsThatMayFit(const EntryDigest& have, const DigestNeeds& needed) {
  const bool initials = InitialsMayFit(have, needed);
  const bool spelled = SpelledNameMayFit(have, needed);
  return unsigned{NumbersMayFit(have, needed)} * kNumbersMayFit |
         unsigned{initials} * kInitialsMayFit | unsigned{spelled} * kSpelledNameMayFit |
         unsigned{initials && HasAlternateInitials(have)} * kAlternateInitialsMayFit |
         unsigned{spelled && HasAlternateSpelledName(have)} * kAlternateSpelledNameMayFit;
}

}  // namespace vostarel
