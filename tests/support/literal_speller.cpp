#include "literal_speller.h"

#include "name_speller.h"
#include "text.h"

namespace vostarel::testing {

const char16_t* LiteralFindLine(const char16_t* dictionary, char16_t unit) {
  if (dictionary == nullptr) return nullptr;
  for (const char16_t* at = dictionary; *at != 0; ++at) {
    if (*at != unit) continue;
    const char16_t* lineStart = at;
    while (lineStart > dictionary && lineStart[-1] != u'\n') --lineStart;
    return lineStart;
  }
  return nullptr;
}

void LiteralSpellName(const char16_t* dictionary, int32_t table, const char16_t* name,
                      char16_t* full, size_t fullCapacity, char16_t* initials,
                      size_t initialsCapacity) {
  TextAppender fullOut(full, fullCapacity);
  TextAppender initialsOut(initials, initialsCapacity);
  if (name == nullptr) return;
  auto isLetter = [](char16_t u) { return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z'); };
  for (size_t i = 0; name[i] != 0; ++i) {
    const char16_t u = name[i];
    const bool last = name[i + 1] == 0;
    const char16_t* spelling = nullptr;
    const char16_t* spellingEnd = nullptr;
    if ((u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'*' || u == u'#') {
      fullOut.Append(u);
      if (i == 0 || !isLetter(name[i - 1])) initialsOut.Append(u);
      continue;
    }
    if (u >= u'A' && u <= u'Z') {
      fullOut.Append(static_cast<char16_t>(u + 32));
      initialsOut.Append(static_cast<char16_t>(u + 32));
      continue;
    }
    if (u < 0x80) continue;
    if (const char16_t* line = LiteralFindLine(dictionary, u)) {
      spelling = line;
      spellingEnd = line;
      while (*spellingEnd != 0 && *spellingEnd != u'\t' && *spellingEnd != u' ') ++spellingEnd;
    } else if (u >= 0x4E00 && u <= 0x9FA5) {
      spelling = SyllableFor(table, u);
      spellingEnd = spelling + TextLength(spelling);
    } else {
      continue;
    }
    fullOut.Append(spelling, spellingEnd);
    if (last) {
      initialsOut.Append(spelling, spellingEnd);
    } else {
      initialsOut.Append(spelling[0]);
    }
  }
}

}  // namespace vostarel::testing
