#include "name_alternates.h"

#include <new>

#include "hangul.h"
#include "korean_spelling.h"
#include "name_speller.h"
#include "pinyin_tables.h"
#include "surname_readings.h"
#include "text.h"

namespace vostarel {

namespace {

bool IsAsciiLetter(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
}

bool IsPlainKeyUnit(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9') || unit == u'*' ||
         unit == u'#';
}

struct Range {
  const char16_t* Begin = nullptr;
  const char16_t* End = nullptr;
};

// The speller's own spelling of a unit of U+0080 or above: its dictionary
// line's spelling, else an ideograph's syllable, else nothing.
Range OwnSpelling(const NameSpeller& speller, char16_t unit) {
  if (const char16_t* line = speller.Dictionary().FindLine(unit)) {
    return {line, DictionarySpellingEnd(line)};
  }
  if (IsIdeograph(unit)) {
    const char16_t* syllable = SyllableFor(speller.TTable, unit);
    return {syllable, syllable + TextLength(syllable)};
  }
  return {};
}

void AppendOwn(NameSegment& segment, Range spelling) {
  TextAppender::AtEnd(segment.Own, kSegmentSpellingCapacity).Append(spelling.Begin, spelling.End);
  if (spelling.Begin != spelling.End) {
    TextAppender::AtEnd(segment.OwnInitials, std::size(segment.OwnInitials))
        .Append(spelling.Begin[0]);
  }
}

// How many units from the start of the name its surname takes, with the
// surname's other spellings: Korean surnames as their bearers write them, a
// Chinese surname read as a surname. 1 when the name does not start with one.
int SpellSurname(const NameSpeller& speller, const char16_t* name, int length,
                 SpellingChoices& others) {
  if (IsHangulSyllable(name[0])) {
    const int span = KoreanSurnameLength(name) == 2 && length >= 2 ? 2 : 1;
    SurnameChoices(name, span, others);
    return span;
  }
  uint16_t rows[2] = {};
  const int span = IsIdeograph(name[0]) ? SurnameReadingRows(name, rows) : 0;
  if (span < 1 || span > 2 || span > length) return 1;
  char reading[kMaxChoiceLength + 1] = {};
  size_t used = 0;
  for (int i = 0; i < span; ++i) {
    const uint16_t row = rows[i] < kSyllableRowsPerTable ? rows[i] : 0;
    const int table = speller.TTable >= 0 && speller.TTable < kSyllableTableCount ? speller.TTable : 0;
    for (const char16_t* s = SyllableTables[table][row]; *s != 0 && used < kMaxChoiceLength; ++s) {
      reading[used++] = static_cast<char>(*s);
    }
  }
  others.Add(std::string_view(reading, used));
  return span;
}

// The segment of the spelled character(s) at `at`, or false when they spell
// as nothing.
bool SegmentSpelled(const NameSpeller& speller, const char16_t* name, int length, int at,
                    NameSegment& segment) {
  segment.Source = NameSegment::Kind::Spelled;
  const int span = at == 0 ? SpellSurname(speller, name, length, segment.Others) : 1;
  if (at != 0 && IsHangulSyllable(name[at])) GivenSyllableChoices(name[at], segment.Others);
  segment.Hangul = IsHangulSyllable(name[at]);
  segment.Begin = static_cast<uint8_t>(at);
  segment.End = static_cast<uint8_t>(at + span);
  for (int i = at; i < at + span; ++i) AppendOwn(segment, OwnSpelling(speller, name[i]));
  return segment.Own[0] != 0 || segment.Others.Count > 0;
}

// ---- The choices of one segment ---------------------------------------------

inline constexpr int kMaxKeyChoices = kMaxSpellingChoices + 2;

// The distinct spellings of a segment, in order, each in letters and in
// keys; a spelling on the same keys as an earlier one is not kept (matching
// asks only for keys).
struct KeyChoices {
  int Count = 0;
  // The first Count of each are set.
  uint8_t Keys[kMaxKeyChoices][kSegmentSpellingCapacity];
  char16_t Letters[kMaxKeyChoices][kSegmentSpellingCapacity];

  template <typename Unit>
  void Add(const Unit* begin, const Unit* end) {
    if (begin == end || Count == kMaxKeyChoices) return;
    uint8_t* keys = Keys[Count];
    char16_t* letters = Letters[Count];
    size_t length = 0;
    for (; begin != end && length + 1 < kSegmentSpellingCapacity; ++begin, ++length) {
      letters[length] = static_cast<char16_t>(*begin);
      keys[length] = LatticeKeyOf(letters[length]);
    }
    keys[length] = 0;
    letters[length] = 0;
    for (int i = 0; i < Count; ++i) {
      if (SameKeys(Keys[i], keys)) return;
    }
    ++Count;
  }
  void AddText(const char16_t* text) { Add(text, text + TextLength(text)); }
  void AddAscii(const char* text) {
    const char* end = text;
    while (*end != 0) ++end;
    Add(text, end);
  }
  void AddFirst(const char16_t* text) {
    if (text[0] != 0) Add(text, text + 1);
  }

  static bool SameKeys(const uint8_t* a, const uint8_t* b) {
    while (*a != 0 && *a == *b) ++a, ++b;
    return *a == *b;
  }
};

// Every spelling of the segment.
KeyChoices FullChoices(const NameSegment& segment) {
  KeyChoices choices;
  choices.AddText(segment.Own);
  for (int i = 0; i < segment.Others.Count; ++i) choices.AddAscii(segment.Others.Text[i]);
  return choices;
}

// What the segment adds to the initials: a word-starting letter or digit, a
// capital, every spelling of a character that ends the name, and the first
// unit of each spelling of one within it (for a two-syllable surname also
// the first letters of both syllables: 남궁 "ng").
KeyChoices InitialChoices(const NameSegment& segment, const char16_t* name, int nameLength) {
  KeyChoices choices;
  switch (segment.Source) {
    case NameSegment::Kind::Plain:
      if (segment.Initial) choices.AddText(segment.Own);
      return choices;
    case NameSegment::Kind::Capital:
      choices.AddText(segment.Own);
      return choices;
    case NameSegment::Kind::Spelled:
      break;
  }
  if (segment.End == nameLength) return FullChoices(segment);
  if (segment.End - segment.Begin > 1) {
    choices.AddText(segment.OwnInitials);
    if (segment.Hangul) {
      char16_t firsts[3] = {};
      int count = 0;
      for (int i = segment.Begin; i < segment.End && count < 2; ++i) {
        SpellingChoices syllable;
        GivenSyllableChoices(name[i], syllable);
        if (syllable.Count > 0) firsts[count++] = static_cast<char16_t>(syllable.Text[0][0]);
      }
      choices.AddText(firsts);
    }
  } else {
    choices.AddFirst(segment.Own);
  }
  for (int i = 0; i < segment.Others.Count; ++i) {
    const char16_t first = static_cast<char16_t>(segment.Others.Text[i][0]);
    choices.Add(&first, &first + 1);
  }
  return choices;
}

// Whether `other` is spelled on other keys than `own`.
bool OnOtherKeys(const char16_t* own, const char* other) {
  for (; *own != 0 && *other != 0; ++own, ++other) {
    if (LatticeKeyOf(*own) != LatticeKeyOf(static_cast<char16_t>(*other))) return true;
  }
  return *own != 0 || *other != 0;
}

// Whether some segment offers a spelling the speller's own does not.
bool OffersMore(const NameSegments& segments) {
  for (int i = 0; i < segments.Count; ++i) {
    const NameSegment& segment = segments.Items[i];
    for (int c = 0; c < segment.Others.Count; ++c) {
      if (OnOtherKeys(segment.Own, segment.Others.Text[c])) return true;
    }
  }
  return false;
}

// ---- Writing records ---------------------------------------------------------

// Writes records into a NameAlternates field, in keys (Unit uint8_t) or in
// letters for people to read (Unit char16_t). Both take the same room, so
// they are cut at the same places. Room for the record's zero and the list's
// end is always kept; a group that does not fit cuts the record there, and
// nothing is written after a cut. With `spans`, each written unit also gets
// the name units it spells (Spell() sets them before the units are added);
// group marks, kind bytes and zeros spell none.
template <typename Unit>
class RecordWriter {
 public:
  RecordWriter(Unit* out, UnitSpan* spans, size_t capacity)
      : out_(out), spans_(spans), capacity_(capacity) {
    Finish();
  }

  void Spell(int begin, int end) { span_ = {static_cast<uint8_t>(begin), static_cast<uint8_t>(end)}; }

  bool Begin(uint8_t kind) {
    if (cut_ || !Fits(2)) return false;
    recordStart_ = length_;
    Put(kind, false);
    return true;
  }
  // Writes a fixed run, or a group of the choices; false once cut.
  bool Add(const KeyChoices& choices) {
    if (cut_ || choices.Count == 0) return !cut_;
    size_t bytes = choices.Count > 1 ? choices.Count + 1 : 0;
    for (int i = 0; i < choices.Count; ++i) bytes += Length(choices.Keys[i]);
    if (!Fits(bytes)) {
      cut_ = true;
      return false;
    }
    if (choices.Count > 1) Put('{', false);
    for (int i = 0; i < choices.Count; ++i) {
      if (i > 0) Put('|', false);
      for (size_t k = 0; choices.Keys[i][k] != 0; ++k) Put(Choice(choices, i)[k], true);
    }
    if (choices.Count > 1) Put('}', false);
    return true;
  }
  void AddUnit(char16_t unit) {
    if (cut_ || !Fits(1)) {
      cut_ = true;
      return;
    }
    if constexpr (sizeof(Unit) == 1) {
      Put(LatticeKeyOf(unit), true);
    } else {
      Put(unit, true);
    }
  }
  // Closes the record; a record that stayed empty is taken back.
  void End() {
    if (length_ == recordStart_ + 1) {
      length_ = recordStart_;
    } else {
      Put(0, false);
    }
    Finish();
  }

 private:
  static const Unit* Choice(const KeyChoices& choices, int i) {
    if constexpr (sizeof(Unit) == 1) {
      return choices.Keys[i];
    } else {
      return choices.Letters[i];
    }
  }
  void Put(Unit unit, bool spells) {
    if (spans_ != nullptr) spans_[length_] = spells ? span_ : UnitSpan{};
    out_[length_++] = unit;
  }
  bool Fits(size_t units) const { return length_ + units + 2 <= capacity_; }
  void Finish() {
    if (capacity_ == 0) return;
    const size_t end = length_ < capacity_ ? length_ : capacity_ - 1;
    out_[end] = 0;
    if (spans_ != nullptr) spans_[end] = UnitSpan{};
  }
  static size_t Length(const uint8_t* keys) {
    size_t length = 0;
    while (keys[length] != 0) ++length;
    return length;
  }

  Unit* out_;
  UnitSpan* spans_;
  size_t capacity_;
  size_t length_ = 0;
  size_t recordStart_ = 0;
  bool cut_ = false;
  UnitSpan span_;
};

template <typename Unit>
void WriteKeypadForm(const NameSpeller& speller, const char16_t* name,
                     const NameSegments& segments, bool callLog, RecordWriter<Unit>& out) {
  if (!out.Begin(kAlternateSpelledName | kAlternateInitials)) return;
  for (int i = 0; i < segments.Count; ++i) {
    const NameSegment& segment = segments.Items[i];
    if (!segment.Hangul) {
      out.Spell(segment.Begin, segment.End);
      for (const char16_t* unit = segment.Own; *unit != 0; ++unit) out.AddUnit(*unit);
      continue;
    }
    // Each syllable's consonant key stands for that syllable alone, also
    // within a two-syllable surname.
    for (int unit = segment.Begin; unit < segment.End; ++unit) {
      const char16_t key = ConsonantKey(speller.Keypad, name[unit]);
      out.Spell(unit, unit + 1);
      if (key != 0) out.AddUnit(key);
    }
  }
  out.Spell(0, 0);
  if (callLog) out.AddUnit(u'#');
  out.End();
}

template <typename Unit>
void WriteInitials(const char16_t* name, const NameSegments& segments, RecordWriter<Unit>& out) {
  if (!out.Begin(kAlternateInitials)) return;
  for (int i = 0; i < segments.Count; ++i) {
    out.Spell(segments.Items[i].Begin, segments.Items[i].End);
    if (!out.Add(InitialChoices(segments.Items[i], name, segments.NameLength))) break;
  }
  out.End();
}

template <typename Unit>
void WriteFullName(const NameSegments& segments, bool callLog, RecordWriter<Unit>& out) {
  if (!out.Begin(kAlternateSpelledName)) return;
  for (int i = 0; i < segments.Count; ++i) {
    out.Spell(segments.Items[i].Begin, segments.Items[i].End);
    if (!out.Add(FullChoices(segments.Items[i]))) break;
  }
  out.Spell(0, 0);
  if (callLog) out.AddUnit(u'#');
  out.End();
}

bool HasHangul(const NameSegments& segments) {
  for (int i = 0; i < segments.Count; ++i) {
    if (segments.Items[i].Hangul) return true;
  }
  return false;
}

}  // namespace

void SegmentName(const NameSpeller& speller, const char16_t* name, NameSegments& segments) {
  segments.Count = 0;
  int length = 0;
  while (name != nullptr && length < kDisplayNameCapacity - 1 && name[length] != 0) ++length;
  segments.NameLength = length;

  for (int at = 0; at < length;) {
    NameSegment& segment = *new (&segments.Items[segments.Count]) NameSegment{};
    const char16_t unit = name[at];
    bool spells = true;
    if (IsPlainKeyUnit(unit)) {
      segment.Initial = at == 0 || !IsAsciiLetter(name[at - 1]);
      segment.Own[0] = unit;
    } else if (unit >= u'A' && unit <= u'Z') {
      segment.Source = NameSegment::Kind::Capital;
      segment.Own[0] = static_cast<char16_t>(unit + 32);
    } else if (unit < 0x80) {
      spells = false;  // spaces and punctuation spell as nothing
    } else {
      spells = SegmentSpelled(speller, name, length, at, segment);
    }
    if (segment.Source != NameSegment::Kind::Spelled) {
      segment.Begin = static_cast<uint8_t>(at);
      segment.End = static_cast<uint8_t>(at + 1);
    }
    at = segment.End > at ? segment.End : at + 1;
    if (spells) ++segments.Count;
  }
}

namespace {

template <typename Unit>
void WriteAlternates(const NameSpeller& speller, const char16_t* name, bool callLog, Unit* out,
                     UnitSpan* spans, size_t capacity) {
  RecordWriter<Unit> writer(out, spans, capacity);
  NameSegments segments;
  SegmentName(speller, name, segments);
  if (speller.Keypad != KoreanKeypad::Off && HasHangul(segments)) {
    WriteKeypadForm(speller, name, segments, callLog, writer);
  }
  if (OffersMore(segments)) {
    WriteInitials(name, segments, writer);
    WriteFullName(segments, callLog, writer);
  }
}

}  // namespace

void SpellAlternates(const NameSpeller& speller, const char16_t* name, bool callLog,
                     uint8_t* out, size_t capacity) {
  WriteAlternates(speller, name, callLog, out, nullptr, capacity);
}

void SpellAlternateSpans(const NameSpeller& speller, const char16_t* name, bool callLog,
                         uint8_t* out, UnitSpan* spans, size_t capacity) {
  WriteAlternates(speller, name, callLog, out, spans, capacity);
}

void SpellAlternateLetters(const NameSpeller& speller, const char16_t* name, bool callLog,
                           char16_t* out, size_t capacity) {
  WriteAlternates(speller, name, callLog, out, nullptr, capacity);
}

}  // namespace vostarel
