// Korean names as people write them in Latin letters: the spellings of a
// surname and of each given-name syllable, and the keypad keys of a
// syllable's initial consonant. Entries are spelled with these when they are
// stored; nothing here allocates or keeps state.
#pragma once

#include <cstdint>

#include "spelling_choices.h"

namespace vostarel {

// Units at the start of `name` that form its Korean surname: 2 for a known
// two-syllable surname (남궁, 황보, 제갈, 선우, ...) when at least one more
// Hangul syllable follows, 1 when the first unit is a Hangul syllable, else 0.
// A null name counts as empty.
int KoreanSurnameLength(const char16_t* name);

// The surname made of name[0..length): the spellings that a real share of
// its bearers use, most used first, then its Revised Romanization. A
// surname missing from the table gets the given-name choices of its
// syllable (two syllables: their romanizations together). Leaves `out`
// empty unless length is 1 or 2 and those units are Hangul syllables.
void SurnameChoices(const char16_t* name, int length, SpellingChoices& out);

// A syllable of a given name: Revised Romanization first, then the common
// variants, most used first. Empty for a unit that is not a Hangul syllable.
void GivenSyllableChoices(char16_t syllable, SpellingChoices& out);

// Korean keypad whose consonant keys find names. Stored as a registry DWORD:
// 0 = Cheonjiin (the default, so a missing value reads as 0), 1 = Naratgeul,
// 2 = off.
enum class KoreanKeypad : uint32_t { Cheonjiin = 0, Naratgeul = 1, Off = 2 };

// The key ('0'..'9') of the syllable's initial consonant on that keypad, 0
// when off (or any other value) or not a Hangul syllable. vostarel-dict
// writes its keypad dictionaries from the same tables.
char16_t ConsonantKey(KoreanKeypad keypad, char16_t syllable);

}  // namespace vostarel
