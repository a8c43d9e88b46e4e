// Precomposed Hangul syllables (U+AC00..U+D7A3): taking one apart into its
// letters, the Revised Romanization of one syllable on its own, and the key
// that holds its initial consonant on the two Korean phone keypads. The
// library spells names with these and vostarel-dict writes its dictionaries
// from the same tables.
//
// A syllable is taken apart by the Unicode arithmetic: index = (initial * 21
// + medial) * 28 + final from U+AC00; no table of syllables is kept.
#pragma once

#include <cstddef>

namespace vostarel {

inline constexpr char16_t kFirstHangulSyllable = 0xAC00;
inline constexpr char16_t kLastHangulSyllable = 0xD7A3;
inline constexpr int kHangulInitialCount = 19;
inline constexpr int kHangulMedialCount = 21;
inline constexpr int kHangulFinalCount = 28;  // index 0: no final consonant
inline constexpr int kHangulSyllableCount =
    kHangulInitialCount * kHangulMedialCount * kHangulFinalCount;  // 11,172

// The longest Revised Romanization of one syllable: two letters of initial,
// three of vowel and two of final ("kkwaeng").
inline constexpr int kMaxRomanizedSyllableLength = 7;

struct HangulJamo {
  int Initial;  // 0..18: ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ
  int Medial;   // 0..20: ㅏ ㅐ ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ ㅗ ㅘ ㅙ ㅚ ㅛ ㅜ ㅝ ㅞ ㅟ ㅠ ㅡ ㅢ ㅣ
  int Final;    // 0..27: none, then ㄱ ㄲ ㄳ ㄴ ㄵ ㄶ ㄷ ㄹ ㄺ ㄻ ㄼ ㄽ ㄾ ㄿ ㅀ ㅁ ㅂ ㅄ ㅅ ㅆ ㅇ ㅈ ㅊ ㅋ ㅌ ㅍ ㅎ
};

inline bool IsHangulSyllable(char16_t unit) {
  return unit >= kFirstHangulSyllable && unit <= kLastHangulSyllable;
}

// The letters of a precomposed syllable; the caller checks IsHangulSyllable.
inline HangulJamo DecomposeHangul(char16_t syllable) {
  const int index = syllable - kFirstHangulSyllable;
  return {index / (kHangulMedialCount * kHangulFinalCount),
          index / kHangulFinalCount % kHangulMedialCount, index % kHangulFinalCount};
}

// Revised Romanization of each letter. The initial ㅇ is silent (""); a final
// is written as it sounds before a pause, so clusters and the stops fall
// together on seven sounds (ㄱ ㄲ ㅋ ㄳ ㄺ -> k, ㄷ ㅅ ㅆ ㅈ ㅊ ㅌ ㅎ -> t, ...).
const char* RrInitial(int initial);
const char* RrMedial(int medial);
const char* RrFinal(int final);

// Writes the Revised Romanization of a syllable on its own (김 "gim",
// 닭 "dak") into `out`, zero-terminated, and returns its length; `out`
// holds at least kMaxRomanizedSyllableLength + 1 chars. A unit that is not
// a Hangul syllable gives an empty text.
size_t RomanizeSyllable(char16_t syllable, char* out);

// The digit ('0'..'9') of the key that holds an initial consonant (0..18) on
// the Cheonjiin keypad: 4 ㄱㅋㄲ, 5 ㄴㄹ, 6 ㄷㅌㄸ, 7 ㅂㅍㅃ, 8 ㅅㅎㅆ,
// 9 ㅈㅊㅉ, 0 ㅇㅁ.
char CheonjiinKey(int initial);
// The same on the Naratgeul keypad, where each consonant is reached from the
// key of its base stroke: 1 ㄱㅋㄲ, 2 ㄴㄷㅌㄸ, 4 ㄹ, 5 ㅁㅂㅍㅃ,
// 7 ㅅㅈㅊㅆㅉ, 8 ㅇㅎ.
char NaratgeulKey(int initial);

}  // namespace vostarel
