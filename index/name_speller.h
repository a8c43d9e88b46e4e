// Turns a display name into the two spelled forms that typed keypad digits
// are matched against: the full form (the whole name spelled, punctuation and
// spaces removed) and the initials form (first letters of words, upper-case
// letters, digits not following a letter, and the first letter of each
// ideograph's syllable).
#pragma once

#include <cstddef>
#include <cstdint>

#include "korean_spelling.h"
#include "pinyin_tables.h"
#include "user_dictionary.h"

namespace vostarel {

// Number of spelling tables the settings offer: 0 pinyin, 1 Wade-Giles,
// 2 pinyin with u-umlaut as "yu".
inline constexpr int32_t kSpellingTableCount = kSyllableTableCount;

// The syllable of an ideograph (U+4E00..U+9FA5) in the given spelling
// table, zero-terminated. A choice outside 0..2 reads table 0.
const char16_t* SyllableFor(int32_t table, char16_t ideograph);

inline bool IsIdeograph(char16_t unit) { return unit >= 0x4E00 && unit <= 0x9FA5; }

class NameSpeller {
 public:
  // Which syllable table spells ideographs: 0, 1 or 2. Read by every
  // SpellName call, so a change applies to the next name spelled.
  int32_t TTable = 0;
  // Which Korean keypad's consonant keys also find a Hangul name (the
  // entries' alternate spellings); read when an entry is stored.
  KoreanKeypad Keypad = KoreanKeypad::Cheonjiin;

  // Loads the dictionary from the raw bytes of the dictionary file.
  void LoadUserDictionaryBytes(const void* bytes, size_t byteCount) {
    dictionary_.Load(bytes, byteCount);
  }
  void FreeUserDictionary() { dictionary_.Free(); }
  const UserDictionary& Dictionary() const { return dictionary_; }

  // Spells `name` into `full` and `initials`, buffers of `fullCapacity` and
  // `initialsCapacity` units including the terminator. Output that does not
  // fit is cut unit by unit at the capacity, keeping the beginning of each
  // form (the part that prefix matching looks at); both outputs are always
  // zero-terminated when their capacity is at least 1. A null name spells as
  // an empty one.
  void SpellName(const char16_t* name, char16_t* full, size_t fullCapacity,
                 char16_t* initials, size_t initialsCapacity) const;
  // The same, also writing for each unit of the two forms the index of the
  // name's unit it was spelled from into `fullFrom` and `initialsFrom`
  // (each null, or as long as its form's capacity). A highlighted row uses
  // it to tell which characters a match on a spelled form went through.
  void SpellNameSources(const char16_t* name, char16_t* full, uint16_t* fullFrom,
                        size_t fullCapacity, char16_t* initials, uint16_t* initialsFrom,
                        size_t initialsCapacity) const;

 private:
  UserDictionary dictionary_;
};

}  // namespace vostarel
