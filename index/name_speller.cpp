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

// A spelled output form. `from` (may be null) gets, for each unit written,
// the unit of the name it was spelled from.
class SpelledOut {
 public:
  SpelledOut(char16_t* text, uint16_t* from, size_t capacity) : text_(text, capacity), from_(from) {}

  void Append(char16_t unit, size_t source) { Append(&unit, &unit + 1, source); }
  void Append(const char16_t* begin, const char16_t* end, size_t source) {
    const size_t before = text_.Length();
    text_.Append(begin, end);
    if (from_ == nullptr) return;
    for (size_t i = before; i < text_.Length(); ++i) from_[i] = static_cast<uint16_t>(source);
  }

 private:
  TextAppender text_;
  uint16_t* from_;
};

// A spelled character (dictionary spelling or ideograph syllable): in the
// middle of a name it adds `initial` to the initials form, as the last unit
// of the name it adds its whole spelling there. The full form always gets the
// whole spelling.
void AppendSpelling(const char16_t* begin, const char16_t* end, char16_t initial,
                    bool isLastUnit, size_t source, SpelledOut& full, SpelledOut& initials) {
  full.Append(begin, end, source);
  if (isLastUnit) {
    initials.Append(begin, end, source);
  } else {
    initials.Append(initial, source);
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
  SpellNameSources(name, full, nullptr, fullCapacity, initials, nullptr, initialsCapacity);
}

void NameSpeller::SpellNameSources(const char16_t* name, char16_t* full, uint16_t* fullFrom,
                                   size_t fullCapacity, char16_t* initials,
                                   uint16_t* initialsFrom, size_t initialsCapacity) const {
  SpelledOut fullOut(full, fullFrom, fullCapacity);
  SpelledOut initialsOut(initials, initialsFrom, initialsCapacity);
  if (name == nullptr) return;

  for (size_t i = 0; name[i] != 0; ++i) {
    const char16_t unit = name[i];
    const bool isFirstUnit = i == 0;
    const bool isLastUnit = name[i + 1] == 0;

    if (IsPlainKeyUnit(unit)) {
      fullOut.Append(unit, i);
      if (isFirstUnit || !IsAsciiLetter(name[i - 1])) initialsOut.Append(unit, i);
    } else if (unit >= u'A' && unit <= u'Z') {
      // Every capital counts as an initial: "McDonald" gives "md".
      const char16_t lower = static_cast<char16_t>(unit + 32);
      fullOut.Append(lower, i);
      initialsOut.Append(lower, i);
    } else if (unit < 0x80) {
      // Spaces, punctuation and control units spell as nothing.
    } else if (const char16_t* line = dictionary_.FindLine(unit)) {
      AppendSpelling(line, DictionarySpellingEnd(line), line[0], isLastUnit, i, fullOut,
                     initialsOut);
    } else if (IsIdeograph(unit)) {
      const char16_t* syllable = SyllableFor(TTable, unit);
      AppendSpelling(syllable, TextEnd(syllable), syllable[0], isLastUnit, i, fullOut,
                     initialsOut);
    }
    // Any other unit (Hangul, other scripts) spells as nothing.
  }
}

}  // namespace vostarel
