// Matching typed keypad keys against numbers and spelled names.
//
// The typed string holds "0".."9", "*" and "#". Against a number, each typed
// unit must fit one digit of the number ("*" fits any digit, "#" none); the
// number's other units (+, spaces, dashes, "*", "#") are skipped. Against a
// spelled text, each typed unit must fit one unit of the text: "2".."9" fit
// their own digit and the lower-case letters on that key ("2abc" ...
// "9wxyz"); every other typed unit fits only itself.
//
// All matchers read their zero-terminated inputs up to the terminator only,
// allocate nothing and change nothing.
#pragma once

#include <cstddef>

namespace vostarel {

// The typed string fits the first digits of the number.
bool MatchNumberPrefix(const char16_t* number, const char16_t* typed);
// The typed string fits a run of consecutive digits anywhere in the number.
// An empty number never fits.
bool MatchNumberAnywhere(const char16_t* number, const char16_t* typed);
// The typed keys fit the first units of the spelled text.
bool MatchKeypadPrefix(const char16_t* text, const char16_t* typed);
// The typed keys fit the spelled text starting at any of its units. An empty
// text never fits.
bool MatchKeypadAnywhere(const char16_t* text, const char16_t* typed);

// Whether text unit `unit` fits the typed key `key`.
bool KeyFits(char16_t unit, char16_t key);

// The key ("2".."9") a lower-case letter "a".."z" is printed on; 0 for any
// other unit.
char16_t KeyOfLetter(char16_t unit);

// Position of the first occurrence of `pattern` in `text`, comparing with
// only "a".."z" folded onto "A".."Z", or -1. An empty text never contains
// anything; an empty pattern is found at 0 in any non-empty text.
ptrdiff_t FindTextIgnoringAsciiCase(const char16_t* text, const char16_t* pattern);

}  // namespace vostarel
