#include "hangul_spelling.h"

#include <map>
#include <vector>

namespace vostarel::dict {

namespace {

constexpr const char* kRrInitials[kInitialCount] = {
    "g", "kk", "n", "d", "tt", "r", "m", "b", "pp", "s",
    "ss", "", "j", "jj", "ch", "k", "t", "p", "h",
};

constexpr const char* kRrMedials[kMedialCount] = {
    "a", "ae", "ya", "yae", "eo", "e", "yeo", "ye", "o", "wa", "wae",
    "oe", "yo", "u", "wo", "we", "wi", "yu", "eu", "ui", "i",
};

// A final consonant as it sounds before a pause: clusters and the stops
// fall together on seven sounds (ㄱ ㄲ ㅋ ㄳ ㄺ -> k, ㄷ ㅅ ㅆ ㅈ ㅊ ㅌ ㅎ -> t, ...).
constexpr const char* kRrFinals[kFinalCount] = {
    "",                              // none
    "k", "k", "k",                   // ㄱ ㄲ ㄳ
    "n", "n", "n",                   // ㄴ ㄵ ㄶ
    "t",                             // ㄷ
    "l", "k", "m", "l", "l", "l",    // ㄹ ㄺ ㄻ ㄼ ㄽ ㄾ
    "p", "l",                        // ㄿ ㅀ
    "m", "p", "p",                   // ㅁ ㅂ ㅄ
    "t", "t", "ng", "t", "t",        // ㅅ ㅆ ㅇ ㅈ ㅊ
    "k", "t", "p", "t",              // ㅋ ㅌ ㅍ ㅎ
};

// Key of each initial consonant on the Cheonjiin keypad: 4 ㄱㅋㄲ, 5 ㄴㄹ,
// 6 ㄷㅌㄸ, 7 ㅂㅍㅃ, 8 ㅅㅎㅆ, 9 ㅈㅊㅉ, 0 ㅇㅁ.
constexpr char kCheonjiinKeys[kInitialCount + 1] = "4456650778809994678";
// Key that holds each consonant's base stroke on the Naratgeul keypad:
// 1 ㄱㅋㄲ, 2 ㄴㄷㅌㄸ, 4 ㄹ, 5 ㅁㅂㅍㅃ, 7 ㅅㅈㅊㅆㅉ, 8 ㅇㅎ.
constexpr char kNaratgeulKeys[kInitialCount + 1] = "1122245557787771258";

}  // namespace

std::optional<Scheme> SchemeNamed(std::string_view name) {
  if (name == "rr") return Scheme::Rr;
  if (name == "cheonjiin") return Scheme::Cheonjiin;
  if (name == "naratgeul") return Scheme::Naratgeul;
  return std::nullopt;
}

Jamo Decompose(char16_t syllable) {
  const int index = syllable - kFirstSyllable;
  return {index / (kMedialCount * kFinalCount), index / kFinalCount % kMedialCount,
          index % kFinalCount};
}

std::string SpellSyllable(Scheme scheme, char16_t syllable) {
  const Jamo jamo = Decompose(syllable);
  switch (scheme) {
    case Scheme::Rr:
      return std::string(kRrInitials[jamo.Initial]) + kRrMedials[jamo.Medial] +
             kRrFinals[jamo.Final];
    case Scheme::Cheonjiin:
      return std::string(1, kCheonjiinKeys[jamo.Initial]);
    case Scheme::Naratgeul:
      return std::string(1, kNaratgeulKeys[jamo.Initial]);
  }
  return {};
}

std::u16string DictionaryLines(Scheme scheme) {
  // Spellings in the order of their first syllable, each with its syllables.
  std::vector<std::string> order;
  std::map<std::string, std::u16string> syllablesOf;
  for (char32_t unit = kFirstSyllable; unit <= kLastSyllable; ++unit) {
    const auto syllable = static_cast<char16_t>(unit);
    const std::string spelling = SpellSyllable(scheme, syllable);
    auto [it, isNew] = syllablesOf.try_emplace(spelling);
    if (isNew) order.push_back(spelling);
    it->second.push_back(syllable);
  }
  std::u16string lines;
  for (const std::string& spelling : order) {
    lines.append(spelling.begin(), spelling.end());  // ASCII
    lines.push_back(u'\t');
    lines += syllablesOf[spelling];
    lines += u"\r\n";
  }
  return lines;
}

}  // namespace vostarel::dict
