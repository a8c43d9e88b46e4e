// Placeholder until the generated Korean tables land.
#pragma once

#include <cstdint>

#include "spelling_choices.h"

namespace vostarel {

inline bool IsHangulSyllable(char16_t unit) { return unit >= 0xAC00 && unit <= 0xD7A3; }

int KoreanSurnameLength(const char16_t* name);
void SurnameChoices(const char16_t* name, int length, SpellingChoices& out);
void GivenSyllableChoices(char16_t syllable, SpellingChoices& out);

enum class KoreanKeypad : uint32_t { Cheonjiin = 0, Naratgeul = 1, Off = 2 };
char16_t ConsonantKey(KoreanKeypad keypad, char16_t syllable);

}  // namespace vostarel
