// A name's units into the Korean spelling functions: the surname length is
// 0, 1 or 2 and never runs past the name; every list of choices is bounded,
// lower-case, free of repeats and led by the Revised Romanization where
// there is one; keys are digits or nothing.
#include <cstdlib>
#include <cstring>

#include "fuzz_input.h"
#include "hangul.h"
#include "korean_spelling.h"

namespace {

using namespace vostarel;

void CheckChoices(const SpellingChoices& choices) {
  if (choices.Count < 0 || choices.Count > kMaxSpellingChoices) std::abort();
  for (int i = 0; i < choices.Count; ++i) {
    const size_t length = strnlen(choices.Text[i], kMaxChoiceLength + 1);
    if (length == 0 || length > static_cast<size_t>(kMaxChoiceLength)) std::abort();
    for (size_t j = 0; j < length; ++j) {
      if (choices.Text[i][j] < 'a' || choices.Text[i][j] > 'z') std::abort();
    }
    for (int k = 0; k < i; ++k) {
      if (std::strcmp(choices.Text[i], choices.Text[k]) == 0) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const int askedLength = static_cast<int8_t>(input.Byte());
  const auto keypad = static_cast<KoreanKeypad>(input.Byte());
  const std::u16string name = input.Text(input.Remaining());

  const int length = KoreanSurnameLength(name.c_str());
  if (length < 0 || length > 2 || static_cast<size_t>(length) > name.size()) std::abort();
  SpellingChoices choices;
  SurnameChoices(name.c_str(), length, choices);
  CheckChoices(choices);
  if ((length == 0) != (choices.Count == 0)) std::abort();
  // Any length a caller might pass, within the name's own units.
  if (static_cast<size_t>(askedLength > 0 ? askedLength : 0) <= name.size()) {
    SurnameChoices(name.c_str(), askedLength, choices);
    CheckChoices(choices);
  }
  for (char16_t unit : name) {
    GivenSyllableChoices(unit, choices);
    CheckChoices(choices);
    if (IsHangulSyllable(unit)) {
      char rr[kMaxRomanizedSyllableLength + 1];
      RomanizeSyllable(unit, rr);
      if (choices.Count == 0 || std::strcmp(choices.Text[0], rr) != 0) std::abort();
    } else if (choices.Count != 0) {
      std::abort();
    }
    const char16_t key = ConsonantKey(keypad, unit);
    if (key != 0 && (key < u'0' || key > u'9')) std::abort();
    if (key != 0 && (!IsHangulSyllable(unit) || keypad == KoreanKeypad::Off)) std::abort();
  }
  return 0;
}
