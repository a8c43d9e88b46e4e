#include "korean_spelling.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "hangul.h"
#include "korean_tables.h"

namespace vostarel {

namespace {

// A letter's spelling with its rank: 0 for the Revised Romanization, then
// the table's respellings that apply in this syllable, in table order.
struct LetterSpelling {
  const char* Text;
  bool DropsMedialY;
};

constexpr int kMaxLetterSpellings = 6;

bool Applies(const KoreanJamoChoice& choice, const HangulJamo& jamo) {
  return (choice.Initials >> jamo.Initial & 1) && (choice.Medials >> jamo.Medial & 1) &&
         (choice.Finals >> jamo.Final & 1);
}

int LetterSpellings(const char* rr, const KoreanJamoChoice* choices, const uint8_t* start,
                    int letter, const HangulJamo& jamo, LetterSpelling (&out)[kMaxLetterSpellings]) {
  int count = 0;
  out[count++] = {rr, false};
  for (int i = start[letter]; i < start[letter + 1] && count < kMaxLetterSpellings; ++i) {
    if (Applies(choices[i], jamo)) out[count++] = {choices[i].Text, choices[i].DropsMedialY};
  }
  return count;
}

// Appends `part` to the zero-terminated text in `text`, which holds
// kMaxChoiceLength letters; returns false when it does not fit.
bool AppendPart(char* text, size_t& length, const char* part) {
  const size_t partLength = std::strlen(part);
  if (length + partLength > static_cast<size_t>(kMaxChoiceLength)) return false;
  std::memcpy(text + length, part, partLength + 1);
  length += partLength;
  return true;
}

const KoreanSurnameRow* FindSurname(char16_t first, char16_t second) {
  const KoreanSurnameRow* begin = KoreanSurnames;
  const KoreanSurnameRow* end = KoreanSurnames + KoreanSurnameCount;
  const KoreanSurnameRow* row = std::lower_bound(
      begin, end, std::make_pair(first, second),
      [](const KoreanSurnameRow& r, const std::pair<char16_t, char16_t>& key) {
        return std::make_pair(r.Syllables[0], r.Syllables[1]) < key;
      });
  return row != end && row->Syllables[0] == first && row->Syllables[1] == second ? row
                                                                                  : nullptr;
}

}  // namespace

int KoreanSurnameLength(const char16_t* name) {
  if (name == nullptr || !IsHangulSyllable(name[0])) return 0;
  if (IsHangulSyllable(name[1]) && IsHangulSyllable(name[2]) &&
      FindSurname(name[0], name[1]) != nullptr) {
    return 2;
  }
  return 1;
}

void SurnameChoices(const char16_t* name, int length, SpellingChoices& out) {
  out.Count = 0;
  if (name == nullptr || length < 1 || length > 2) return;
  for (int i = 0; i < length; ++i) {
    if (!IsHangulSyllable(name[i])) return;
  }
  const char16_t second = length == 2 ? name[1] : 0;
  const KoreanSurnameRow* row = FindSurname(name[0], second);
  if (row == nullptr && length == 1) {
    GivenSyllableChoices(name[0], out);
    return;
  }
  if (row != nullptr) {
    for (int i = 0; i < row->SpellingCount; ++i) {
      out.Add(KoreanSurnameSpellings[row->FirstSpelling + i]);
    }
  }
  char rr[2 * kMaxRomanizedSyllableLength + 1];
  size_t rrLength = RomanizeSyllable(name[0], rr);
  if (length == 2) rrLength += RomanizeSyllable(name[1], rr + rrLength);
  out.Add(std::string_view(rr, rrLength));
}

void GivenSyllableChoices(char16_t syllable, SpellingChoices& out) {
  out.Count = 0;
  if (!IsHangulSyllable(syllable)) return;
  const HangulJamo jamo = DecomposeHangul(syllable);
  LetterSpelling initials[kMaxLetterSpellings];
  LetterSpelling medials[kMaxLetterSpellings];
  const int initialCount = LetterSpellings(RrInitial(jamo.Initial), KoreanInitialChoices,
                                           KoreanInitialChoicesStart, jamo.Initial, jamo, initials);
  const int medialCount = LetterSpellings(RrMedial(jamo.Medial), KoreanMedialChoices,
                                          KoreanMedialChoicesStart, jamo.Medial, jamo, medials);
  const char* final = RrFinal(jamo.Final);
  // The best-ranked combinations first: by the sum of the two ranks, and
  // among equal sums the initial's better spelling first, so the Revised
  // Romanization leads and one respelled letter comes before two.
  for (int sum = 0; sum <= initialCount + medialCount - 2; ++sum) {
    for (int i = std::max(0, sum - medialCount + 1); i < initialCount && i <= sum; ++i) {
      const LetterSpelling& initial = initials[i];
      const char* medial = medials[sum - i].Text;
      if (initial.DropsMedialY && medial[0] == 'y') ++medial;
      char text[kMaxChoiceLength + 1] = {};
      size_t length = 0;
      if (AppendPart(text, length, initial.Text) && AppendPart(text, length, medial) &&
          AppendPart(text, length, final)) {
        out.Add(std::string_view(text, length));
      }
    }
  }
}

char16_t ConsonantKey(KoreanKeypad keypad, char16_t syllable) {
  if (!IsHangulSyllable(syllable)) return 0;
  const int initial = DecomposeHangul(syllable).Initial;
  switch (keypad) {
    case KoreanKeypad::Cheonjiin:
      return static_cast<char16_t>(CheonjiinKey(initial));
    case KoreanKeypad::Naratgeul:
      return static_cast<char16_t>(NaratgeulKey(initial));
    case KoreanKeypad::Off:
      break;
  }
  return 0;
}

}  // namespace vostarel
