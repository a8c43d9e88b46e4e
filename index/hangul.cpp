#include "hangul.h"

#include <cstring>
#include <initializer_list>

namespace vostarel {

namespace {

constexpr const char* kRrInitials[kHangulInitialCount] = {
    "g", "kk", "n", "d", "tt", "r", "m", "b", "pp", "s",
    "ss", "", "j", "jj", "ch", "k", "t", "p", "h",
};

constexpr const char* kRrMedials[kHangulMedialCount] = {
    "a", "ae", "ya", "yae", "eo", "e", "yeo", "ye", "o", "wa", "wae",
    "oe", "yo", "u", "wo", "we", "wi", "yu", "eu", "ui", "i",
};

constexpr const char* kRrFinals[kHangulFinalCount] = {
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

// Indexed by initial consonant, in the order of HangulJamo::Initial.
constexpr char kCheonjiinKeys[kHangulInitialCount + 1] = "4456650778809994678";
constexpr char kNaratgeulKeys[kHangulInitialCount + 1] = "1122245557787771258";

bool InRange(int index, int count) { return index >= 0 && index < count; }

}  // namespace

const char* RrInitial(int initial) {
  return InRange(initial, kHangulInitialCount) ? kRrInitials[initial] : "";
}

const char* RrMedial(int medial) {
  return InRange(medial, kHangulMedialCount) ? kRrMedials[medial] : "";
}

const char* RrFinal(int final) {
  return InRange(final, kHangulFinalCount) ? kRrFinals[final] : "";
}

size_t RomanizeSyllable(char16_t syllable, char* out) {
  size_t length = 0;
  if (IsHangulSyllable(syllable)) {
    const HangulJamo jamo = DecomposeHangul(syllable);
    for (const char* part :
         {kRrInitials[jamo.Initial], kRrMedials[jamo.Medial], kRrFinals[jamo.Final]}) {
      const size_t partLength = std::strlen(part);
      std::memcpy(out + length, part, partLength);
      length += partLength;
    }
  }
  out[length] = '\0';
  return length;
}

char CheonjiinKey(int initial) {
  return InRange(initial, kHangulInitialCount) ? kCheonjiinKeys[initial] : '\0';
}

char NaratgeulKey(int initial) {
  return InRange(initial, kHangulInitialCount) ? kNaratgeulKeys[initial] : '\0';
}

}  // namespace vostarel
