// A small summary of which keypad keys an entry's texts can fit, used by the
// filter to pass over entries that cannot match without reading their texts.
//
// A filter pass runs on every keypress over every stored entry. The texts of
// one entry span many cache lines, so reading them all is what a pass costs on
// a large phone book. The digests of a store sit in one compact array beside
// the entries; when the typed string needs a key that an entry's texts lack,
// the entry cannot match and only its selected number is written.
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

struct EntryDigest {
  KeySet NumberDigits;  // digits found in any of the entry's numbers
  KeySet Initials;      // keys of the units of NameInitials
  KeySet SpelledName;   // keys of the units of SpelledName
};

EntryDigest DigestOf(const ContactEntry& entry);

// What a typed string needs of an entry's texts for any match to be possible.
struct TypedKeys {
  KeySet ForNumbers;     // digits every fitting number must hold
  bool NumbersCanFit;    // false when the typed string holds a unit no digit fits
  KeySet ForText;        // keys every fitting spelled text must hold
};

TypedKeys KeysNeededBy(const char16_t* typed);

inline bool HasAll(KeySet have, KeySet needed) { return (have & needed) == needed; }

}  // namespace vostarel
