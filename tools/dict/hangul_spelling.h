// Spellings of the precomposed Hangul syllables (U+AC00..U+D7A3) for the
// user dictionary, in the three ways Korean phone users look names up:
//
// - Rr: the Revised Romanization of each syllable on its own, its final
//   consonant written as it sounds before a pause (김 "gim", 닭 "dak").
// - Cheonjiin, Naratgeul: the digit of the key that holds the syllable's
//   initial consonant on that Korean keypad, so typing a name's initial
//   consonants finds it (김민지: "409" and "157").
//
// A syllable is taken apart by the Unicode arithmetic: index = (initial * 21
// + medial) * 28 + final from U+AC00; no table of syllables is kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vostarel::dict {

inline constexpr char16_t kFirstSyllable = 0xAC00;
inline constexpr char16_t kLastSyllable = 0xD7A3;
inline constexpr int kInitialCount = 19;
inline constexpr int kMedialCount = 21;
inline constexpr int kFinalCount = 28;  // index 0: no final consonant
inline constexpr int kSyllableCount = kInitialCount * kMedialCount * kFinalCount;  // 11,172

enum class Scheme { Rr, Cheonjiin, Naratgeul };

// "rr", "cheonjiin" or "naratgeul".
std::optional<Scheme> SchemeNamed(std::string_view name);

struct Jamo {
  int Initial;  // 0..18: ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ
  int Medial;   // 0..20: ㅏ ㅐ ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ ㅗ ㅘ ㅙ ㅚ ㅛ ㅜ ㅝ ㅞ ㅟ ㅠ ㅡ ㅢ ㅣ
  int Final;    // 0..27: none, then ㄱ ㄲ ㄳ ㄴ ㄵ ㄶ ㄷ ㄹ ㄺ ㄻ ㄼ ㄽ ㄾ ㄿ ㅀ ㅁ ㅂ ㅄ ㅅ ㅆ ㅇ ㅈ ㅊ ㅋ ㅌ ㅍ ㅎ
};

inline bool IsHangulSyllable(char16_t unit) {
  return unit >= kFirstSyllable && unit <= kLastSyllable;
}

// The parts of a precomposed syllable; the caller checks IsHangulSyllable.
Jamo Decompose(char16_t syllable);

// The spelling of one syllable in a scheme: lower-case letters for Rr, one
// digit for the keypad schemes.
std::string SpellSyllable(Scheme scheme, char16_t syllable);

// The dictionary lines for every syllable: "spelling<TAB>syllables<CR><LF>",
// one line per spelling, each syllable exactly once, lines in the order of
// their first syllable and syllables in code order within a line.
std::u16string DictionaryLines(Scheme scheme);

}  // namespace vostarel::dict
