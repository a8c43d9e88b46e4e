// Data for spelling Korean names in Latin letters, generated into
// korean_tables.cpp by tools/gen_korean_tables.py from tools/korean/; the
// data files name their sources. korean_spelling.h is the interface.
#pragma once

#include <cstdint>

namespace vostarel {

// A surname of one or two Hangul syllables and its spellings.
struct KoreanSurnameRow {
  char16_t Syllables[2];    // the second is 0 for a one-syllable surname
  uint16_t FirstSpelling;   // index into KoreanSurnameSpellings
  uint8_t SpellingCount;    // most used first
};

// Sorted by the first syllable, then the second (0, the one-syllable
// surname, before any two-syllable one that starts with the same syllable).
extern const KoreanSurnameRow KoreanSurnames[];
extern const int KoreanSurnameCount;
extern const char* const KoreanSurnameSpellings[];

// A spelling of one letter besides its Revised Romanization, with the
// letters of the syllable it applies with: bit i of Initials stands for the
// initial consonant i of HangulJamo, and so on (bit 0 of Finals: no final).
struct KoreanJamoChoice {
  const char* Text;
  uint32_t Initials;
  uint32_t Medials;
  uint32_t Finals;
  bool DropsMedialY;  // the vowel's leading "y" is not written after it
};

// The choices of initial consonant i are KoreanInitialChoices[Start[i]] up to
// KoreanInitialChoices[Start[i + 1]], most used first; the same for vowels.
extern const KoreanJamoChoice KoreanInitialChoices[];
extern const uint8_t KoreanInitialChoicesStart[];
extern const KoreanJamoChoice KoreanMedialChoices[];
extern const uint8_t KoreanMedialChoicesStart[];

}  // namespace vostarel
