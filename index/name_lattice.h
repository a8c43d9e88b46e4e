// Other ways to spell a name, kept beside its spelled forms, and how typed
// keys are matched against them.
//
// A name often has more than one spelling that people type: 김 is "gim" in the
// Revised Romanization and "kim" on most business cards, 单 is "dan" in the
// pinyin table and "shan" as a surname. Listing every whole spelling would
// multiply (each syllable of 이정훈 has two or three), so the choices are kept
// as a lattice: fixed runs, and groups "{a|b}" of which a spelling takes one
// choice each. "{gim|kim}min{jun|joon}" spells gimminjun, kimminjun,
// gimminjoon and kimminjoon.
//
// A stored lattice holds keys, not letters: matching only asks which key a
// unit is on, and choices on the same keys are one choice. "{gim|kim}" is
// kept as "{446|546}". Its bytes:
//   '0'..'9' '*' '#'  the key a unit fits (a letter: the key it is printed on);
//   '?'               a unit that fits no key (a capital, punctuation, ...);
//   '{' '|' '}'       around the choices of a group. Groups are not nested
//                     and hold no empty choice.
//
// An entry keeps its lattices in one fixed field (NameAlternates): records of
// a kind byte (the search bits that test it), the lattice and a zero byte; a
// zero kind byte ends the list. Most Latin names have none.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vostarel {

// Bytes of an entry's NameAlternates field, the end-of-list byte included.
inline constexpr size_t kNameAlternatesCapacity = 160;

// What a record stands for: another full spelled name (tested where the
// spelled name is), other initials (tested where the initials are), or both
// (the consonant keys of a Korean keypad, which are a name's whole spelling
// and its initials at once).
enum AlternateKind : uint8_t {
  kAlternateSpelledName = 1,
  kAlternateInitials = 2,
};

// Whether `byte` is a key byte that a typed unit can fit.
inline bool IsLatticeKey(uint8_t byte) {
  return (byte >= '0' && byte <= '9') || byte == '*' || byte == '#';
}

// The lattice byte of a spelled unit: its key, or '?' when it fits none.
uint8_t LatticeKeyOf(char16_t unit);

// One record of a NameAlternates field.
struct AlternateRecord {
  uint8_t Kind = 0;
  const uint8_t* Lattice = nullptr;  // zero-terminated
};

// Reads the record at `at` into `record` and returns where the next one
// starts, or null (leaving `record` untouched) at the end of the list.
const uint8_t* NextAlternate(const uint8_t* at, AlternateRecord& record);

// The typed keys fit the first units of one of the lattice's spellings.
bool MatchLatticePrefix(const uint8_t* lattice, const char16_t* typed);
// The typed keys fit one of its spellings starting at any unit. An empty
// lattice never fits.
bool MatchLatticeAnywhere(const uint8_t* lattice, const char16_t* typed);

// Longest typed string a path is found for.
inline constexpr size_t kMaxPathKeys = 127;

// One spelling of the lattice that the typed keys fit (from its start, or
// anywhere): for typed unit i, path[i] is the offset of the key byte it
// fitted. `path` holds kMaxPathKeys entries. False, with `path` unspecified,
// when no spelling fits or the typed keys are longer than kMaxPathKeys.
// Depth-first with a memo of the (offset, typed unit) pairs that failed, so
// it stays quick however many groups the lattice has.
bool FindLatticePath(const uint8_t* lattice, const char16_t* typed, bool anywhere,
                     uint16_t* path);

// The kind of the first record whose kind includes `kind` and that fits the
// typed keys, or 0 when none fits.
uint8_t MatchAlternates(const uint8_t* alternates, AlternateKind kind, bool anywhere,
                        const char16_t* typed);

}  // namespace vostarel
