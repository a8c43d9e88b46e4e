#include "name_speller.h"

#include "pinyin_tables.h"
#include "text.h"

namespace vostarel {

namespace {

bool IsAsciiLetter(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
}

// Units that keep their own value in both spelled forms.
bool IsPlainKeyUnit(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9') ||
         unit == u'*' || unit == u'#';
}

// A spelled character (dictionary spelling or ideograph syllable): in the
// middle of a name it adds `initial` to the initials form, as the last unit
// of the name it adds its whole spelling there. The full form always gets the
// whole spelling.
void AppendSpelling(const char16_t* begin, const char16_t* end, char16_t initial,
                    bool isLastUnit, TextAppender& full, TextAppender& initials) {
  full.Append(begin, end);
  if (isLastUnit) {
    initials.Append(begin, end);
  } else {
    initials.Append(initial);
  }
}

const char16_t* TextEnd(const char16_t* text) {
  while (*text != 0) ++text;
  return text;
}

}  // namespace

const char16_t* SyllableFor(int32_t table, char16_t ideograph) {
  // One ideograph index serves every table.
  if (table < 0 || table >= kSyllableTableCount) table = 0;
  const uint16_t row = IdeographIndex[ideograph - kFirstIdeograph];
  return SyllableTables[table][row < kSyllableRowsPerTable ? row : 0];
}

void NameSpeller::SpellName(const char16_t* name, char16_t* full, size_t fullCapacity,
                            char16_t* initials, size_t initialsCapacity) const {
  TextAppender fullOut(full, fullCapacity);
  TextAppender initialsOut(initials, initialsCapacity);
  if (name == nullptr) return;

  for (size_t i = 0; name[i] != 0; ++i) {
    const char16_t unit = name[i];
    const bool isFirstUnit = i == 0;
    const bool isLastUnit = name[i + 1] == 0;

    if (IsPlainKeyUnit(unit)) {
      fullOut.Append(unit);
      if (isFirstUnit || !IsAsciiLetter(name[i - 1])) initialsOut.Append(unit);
    } else if (unit >= u'A' && unit <= u'Z') {
      // Every capital counts as an initial: "McDonald" gives "md".
      const char16_t lower = static_cast<char16_t>(unit + 32);
      fullOut.Append(lower);
      initialsOut.Append(lower);
    } else if (unit < 0x80) {
      // Spaces, punctuation and control units spell as nothing.
    } else if (const char16_t* line = dictionary_.FindLine(unit)) {
      AppendSpelling(line, DictionarySpellingEnd(line), line[0], isLastUnit, fullOut,
                     initialsOut);
    } else if (IsIdeograph(unit)) {
      const char16_t* syllable = SyllableFor(TTable, unit);
      AppendSpelling(syllable, TextEnd(syllable), syllable[0], isLastUnit, fullOut,
                     initialsOut);
    }
    // Any other unit (Hangul, other scripts) spells as nothing.
  }
}

}  // namespace vostarel
