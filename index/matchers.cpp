#include "matchers.h"

namespace vostarel {

namespace {

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// The key of each lower-case letter on the phone keypad.
constexpr char16_t kKeyOfLetter[26] = {
    u'2', u'2', u'2', u'3', u'3', u'3', u'4', u'4', u'4', u'5', u'5', u'5', u'6',
    u'6', u'6', u'7', u'7', u'7', u'7', u'8', u'8', u'8', u'9', u'9', u'9', u'9',
};

char16_t FoldAsciiCase(char16_t unit) {
  return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
}

}  // namespace

char16_t KeyOfLetter(char16_t unit) {
  return unit >= u'a' && unit <= u'z' ? kKeyOfLetter[unit - u'a'] : 0;
}

bool KeyFits(char16_t unit, char16_t key) {
  if (unit == key) return true;
  // Only keys 2..9 carry letters; "0", "1", "*", "#" fit only themselves.
  return key >= u'2' && key <= u'9' && unit >= u'a' && unit <= u'z' &&
         kKeyOfLetter[unit - u'a'] == key;
}

bool MatchNumberPrefix(const char16_t* number, const char16_t* typed) {
  for (;; ++number) {
    if (*typed == 0) return true;
    if (*number == 0) return false;
    if (IsDigit(*number)) {
      if (*number != *typed && *typed != u'*') return false;
      ++typed;
    }
  }
}

bool MatchNumberAnywhere(const char16_t* number, const char16_t* typed) {
  if (*number == 0) return false;
  if (*typed == 0) return true;
  // Starting at a non-digit is the same as starting at the next digit, so
  // only digits that fit the first typed unit need to be tried.
  for (; *number != 0; ++number) {
    if (IsDigit(*number) && (*number == *typed || *typed == u'*') &&
        MatchNumberPrefix(number, typed)) {
      return true;
    }
  }
  return false;
}

bool MatchKeypadPrefix(const char16_t* text, const char16_t* typed) {
  for (;; ++text, ++typed) {
    if (*typed == 0) return true;
    if (*text == 0) return false;
    if (!KeyFits(*text, *typed)) return false;
  }
}

bool MatchKeypadAnywhere(const char16_t* text, const char16_t* typed) {
  if (*text == 0) return false;
  if (*typed == 0) return true;
  for (; *text != 0; ++text) {
    if (KeyFits(*text, *typed) && MatchKeypadPrefix(text + 1, typed + 1)) return true;
  }
  return false;
}

ptrdiff_t FindTextIgnoringAsciiCase(const char16_t* text, const char16_t* pattern) {
  for (ptrdiff_t start = 0; text[start] != 0; ++start) {
    const char16_t* t = text + start;
    const char16_t* p = pattern;
    while (*p != 0 && FoldAsciiCase(*t) == FoldAsciiCase(*p)) {
      ++t;
      ++p;
    }
    if (*p == 0) return start;
  }
  return -1;
}

}  // namespace vostarel
