// A short list of ways to spell one part of a name: a Hangul syllable, a
// surname, an ideograph read as a surname. The first choice is the main one.
#pragma once

#include <cstring>
#include <string_view>

namespace vostarel {

// A Hangul syllable has at most 2 initial and 4 vowel spellings (경: g k
// times yeo you yu yo); a surname at most 7 listed spellings and its RR.
inline constexpr int kMaxSpellingChoices = 8;
// Longest choice in units, terminator excluded.
inline constexpr int kMaxChoiceLength = 12;

struct SpellingChoices {
  int Count = 0;
  char Text[kMaxSpellingChoices][kMaxChoiceLength + 1];  // the first Count are set

  // Adds a choice unless it is empty, too long, already present, or the list
  // is full.
  void Add(std::string_view text) {
    if (text.empty() || text.size() > kMaxChoiceLength || Count == kMaxSpellingChoices) return;
    for (int i = 0; i < Count; ++i) {
      if (text == Text[i]) return;
    }
    std::memcpy(Text[Count], text.data(), text.size());
    Text[Count][text.size()] = 0;
    ++Count;
  }
};

}  // namespace vostarel
