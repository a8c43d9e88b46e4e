// Placeholder until the generated Korean tables land.
#include "korean_spelling.h"

#include <string>

namespace vostarel {

namespace {

constexpr const char* kRrInitials[19] = {"g", "kk", "n", "d", "tt", "r", "m", "b", "pp", "s",
                                         "ss", "", "j", "jj", "ch", "k", "t", "p", "h"};
constexpr const char* kRrMedials[21] = {"a",  "ae", "ya", "yae", "eo", "e",  "yeo",
                                        "ye", "o",  "wa", "wae", "oe", "yo", "u",
                                        "wo", "we", "wi", "yu",  "eu", "ui", "i"};
constexpr const char* kRrFinals[28] = {"",  "k", "k", "k", "n", "n", "n", "t", "l", "k",
                                       "m", "l", "l", "l", "p", "l", "m", "p", "p", "t",
                                       "t", "ng", "t", "t", "k", "t", "p", "t"};
constexpr char kCheonjiinKeys[20] = "4456650778809994678";
constexpr char kNaratgeulKeys[20] = "1122245557787771258";

std::string Rr(char16_t s) {
  const int i = s - 0xAC00;
  return std::string(kRrInitials[i / 588]) + kRrMedials[i / 28 % 21] + kRrFinals[i % 28];
}

}  // namespace

int KoreanSurnameLength(const char16_t* name) {
  if (name == nullptr || !IsHangulSyllable(name[0])) return 0;
  if (name[0] == u'남' && name[1] == u'궁' && IsHangulSyllable(name[2])) return 2;
  return 1;
}

void SurnameChoices(const char16_t* name, int length, SpellingChoices& out) {
  if (length == 2) {
    out.Add("namgung");
    out.Add("namgoong");
    return;
  }
  if (name[0] == u'김') out.Add("kim");
  if (name[0] == u'이') { out.Add("lee"); out.Add("yi"); out.Add("rhee"); }
  if (name[0] == u'박') out.Add("park");
  GivenSyllableChoices(name[0], out);
}

void GivenSyllableChoices(char16_t syllable, SpellingChoices& out) {
  if (!IsHangulSyllable(syllable)) return;
  const std::string rr = Rr(syllable);
  out.Add(rr);
  std::string variant = rr;
  if (const auto at = variant.find('u'); at != std::string::npos && variant.find("eu") == std::string::npos) {
    variant.replace(at, 1, "oo");
    out.Add(variant);
  }
}

char16_t ConsonantKey(KoreanKeypad keypad, char16_t syllable) {
  if (!IsHangulSyllable(syllable) || keypad == KoreanKeypad::Off) return 0;
  const int initial = (syllable - 0xAC00) / 588;
  return static_cast<char16_t>(keypad == KoreanKeypad::Cheonjiin ? kCheonjiinKeys[initial]
                                                                 : kNaratgeulKeys[initial]);
}

}  // namespace vostarel
