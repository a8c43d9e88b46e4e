// Spellings of the precomposed Hangul syllables (U+AC00..U+D7A3) for the
// user dictionary, in the three ways Korean phone users look names up:
//
// - Rr: the Revised Romanization of each syllable on its own, its final
//   consonant written as it sounds before a pause (김 "gim", 닭 "dak").
// - Cheonjiin, Naratgeul: the digit of the key that holds the syllable's
//   initial consonant on that Korean keypad, so typing a name's initial
//   consonants finds it (김민지: "409" and "157").
//
// The letters, their romanization and the keys come from the library's own
// tables (index/hangul.h), so the dictionaries and the library agree.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hangul.h"

namespace vostarel::dict {

enum class Scheme { Rr, Cheonjiin, Naratgeul };

// "rr", "cheonjiin" or "naratgeul".
std::optional<Scheme> SchemeNamed(std::string_view name);

// The spelling of one syllable in a scheme: lower-case letters for Rr, one
// digit for the keypad schemes. The caller checks IsHangulSyllable.
std::string SpellSyllable(Scheme scheme, char16_t syllable);

// The dictionary lines for every syllable: "spelling<TAB>syllables<CR><LF>",
// one line per spelling, each syllable exactly once, lines in the order of
// their first syllable and syllables in code order within a line.
std::u16string DictionaryLines(Scheme scheme);

}  // namespace vostarel::dict
