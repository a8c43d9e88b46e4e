#include "national_number.h"

#include "calling_codes.h"
#include "contact_entry.h"
#include "matchers.h"

namespace vostarel {

namespace {

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// The longest calling code has three digits.
constexpr int kCodeDigits = 3;

// Skips a national prefix written in brackets right after the calling code,
// "(0)" in "+44 (0)20 7946 0958": returns where the number goes on, or `at`
// when there is none.
size_t AfterBracketedPrefix(const char16_t* number, size_t at, const char16_t* prefix) {
  size_t i = at;
  while (number[i] == u' ') ++i;
  if (number[i] != u'(' || prefix[0] == 0) return at;
  ++i;
  for (const char16_t* p = prefix; *p != 0; ++p, ++i) {
    if (number[i] != *p) return at;
  }
  return number[i] == u')' ? i + 1 : at;
}

}  // namespace

NationalForm NationalFormOf(const char16_t* number) {
  NationalForm form{};
  size_t at = 0;
  while (number[at] == u' ') ++at;
  if (number[at] != u'+') return form;

  // The first digits after the "+", and the unit after each.
  char16_t digits[kCodeDigits + 1] = {};
  size_t after[kCodeDigits] = {};
  int count = 0;
  for (size_t i = at + 1; number[i] != 0 && count < kCodeDigits; ++i) {
    if (!IsDigit(number[i])) continue;
    digits[count] = number[i];
    after[count++] = i + 1;
  }
  const char16_t* prefix = nullptr;
  const int codeLength = FindCallingCode(digits, prefix);
  if (codeLength <= 0 || codeLength > count || prefix == nullptr) return form;

  size_t start = AfterBracketedPrefix(number, after[codeLength - 1], prefix);
  if (start >= kNumberCapacity || start > UINT8_MAX) return form;
  // A number that ends with its calling code has no national form.
  bool hasDigit = false;
  for (size_t i = start; number[i] != 0; ++i) hasDigit = hasDigit || IsDigit(number[i]);
  if (!hasDigit) return form;

  form.Start = static_cast<uint8_t>(start);
  for (int i = 0; i < kNationalPrefixCapacity && prefix[i] != 0; ++i) {
    form.Prefix[i] = static_cast<char>(prefix[i]);
  }
  return form;
}

int NationalText(const NumberSlot& slot, char16_t (&text)[kNationalTextCapacity]) {
  size_t length = 0;
  text[0] = 0;
  const NationalForm& form = slot.National;
  if (form.Start == 0 || form.Start >= kNumberCapacity) return -1;
  for (int i = 0; i < kNationalPrefixCapacity && form.Prefix[i] != 0; ++i) {
    text[length++] = static_cast<char16_t>(form.Prefix[i]);
  }
  const int nationalStart = static_cast<int>(length);
  for (size_t i = form.Start; i < kNumberCapacity && slot.Number[i] != 0; ++i) {
    text[length++] = slot.Number[i];
  }
  text[length] = 0;
  return nationalStart;
}

bool MatchNationalForm(const NumberSlot& slot, const char16_t* typed, bool anywhere) {
  char16_t text[kNationalTextCapacity];
  const int nationalStart = NationalText(slot, text);
  if (nationalStart < 0) return false;
  if (anywhere) return MatchNumberAnywhere(text, typed);
  return MatchNumberPrefix(text, typed) || MatchNumberPrefix(text + nationalStart, typed);
}

}  // namespace vostarel
