// The other spellings of a name, made once when its entry is stored.
//
// A name is taken apart into segments, each spelling one or two of its units
// with one or more choices: the speller's own spelling first (dictionary,
// pinyin table, the letter itself), then the spellings people also write
// (Korean surnames and syllables as they are commonly romanized, a Chinese
// surname's reading as a surname). From the segments come up to three key
// lattices (name_lattice.h): the Korean keypad's consonant keys, the initials
// and the full name.
#pragma once

#include <cstddef>
#include <cstdint>

#include "contact_entry.h"
#include "spelling_choices.h"

namespace vostarel {

class NameSpeller;

// Units of a segment's own spelling that are kept; longer spellings (a
// dictionary line without a separator runs on) are cut.
inline constexpr int kSegmentSpellingCapacity = 32;

struct NameSegment {
  enum class Kind : uint8_t {
    Plain,    // a-z, 0-9, "*", "#": itself
    Capital,  // A-Z: its lower-case letter, always an initial
    Spelled,  // a character spelled by the dictionary or the tables
  };
  Kind Source = Kind::Plain;
  bool Initial = false;  // a Plain unit that starts a word (it enters the initials)
  bool Hangul = false;   // Hangul syllables: the keypad form writes their consonant keys
  uint8_t Begin = 0;     // first unit of the name it spells
  uint8_t End = 0;       // one past its last unit
  // The speller's own spelling of the units, and its initials when the
  // segment spans two units (the first unit of each one's spelling).
  char16_t Own[kSegmentSpellingCapacity] = {};
  char16_t OwnInitials[3] = {};
  // Further spellings, lower-case ASCII.
  SpellingChoices Others;
};

// Only the first Count items are set (SegmentName makes each one afresh).
struct NameSegments {
  int Count = 0;
  int NameLength = 0;
  union {
    NameSegment Items[kDisplayNameCapacity];
  };
  NameSegments() {}
};

// Takes `name` apart as the speller spells it (at most kDisplayNameCapacity
// - 1 units are read). Units that spell as nothing have no segment.
void SegmentName(const NameSpeller& speller, const char16_t* name, NameSegments& segments);

// Writes the name's lattices into `out` (capacity bytes, at least 1) as a
// NameAlternates list: the keypad form when the name holds Hangul and a
// keypad is chosen, then the initials and the full name when some segment
// offers a spelling the speller's own does not. A call-log entry's full-name
// forms end with "#", as its spelled name does. What does not fit is cut at
// a segment boundary.
void SpellAlternates(const NameSpeller& speller, const char16_t* name, bool callLog,
                     uint8_t* out, size_t capacity);

// The units [Begin, End) of a name that one written lattice unit spells;
// Begin == End for the units that spell none (group marks, kind bytes, the
// zeros, a call-log entry's closing "#").
struct UnitSpan {
  uint8_t Begin = 0;
  uint8_t End = 0;
};

// SpellAlternates, also writing into `spans` (as long as `out`) the name
// units each written unit spells: a segment's units for its spellings and
// initials, a syllable's own unit for its consonant key.
void SpellAlternateSpans(const NameSpeller& speller, const char16_t* name, bool callLog,
                         uint8_t* out, UnitSpan* spans, size_t capacity);

// The same records in letters, for people to read: each a kind unit, the
// lattice ("{gim|kim}min{jun|joon}") and a zero; a zero kind ends the list.
// With the same capacity it is cut where the stored records are.
void SpellAlternateLetters(const NameSpeller& speller, const char16_t* name, bool callLog,
                           char16_t* out, size_t capacity);

}  // namespace vostarel
