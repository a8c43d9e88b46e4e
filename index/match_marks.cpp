#include "match_marks.h"

#include "filter.h"
#include "matchers.h"
#include "name_alternates.h"
#include "name_lattice.h"
#include "name_speller.h"
#include "national_number.h"
#include "text.h"

namespace vostarel {

namespace {

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

uint32_t Bit(size_t unit) { return unit < 32 ? uint32_t{1} << unit : 0; }

// Where the typed digits fit the number: 0 from the start, else the first
// unit a run of fitting digits starts at; -1 when they do not fit.
int NumberFitStart(const char16_t* number, const char16_t* typed, bool anywhere) {
  if (!anywhere) return MatchNumberPrefix(number, typed) ? 0 : -1;
  for (int i = 0; number[i] != 0; ++i) {
    if (IsDigit(number[i]) && (number[i] == typed[0] || typed[0] == u'*') &&
        MatchNumberPrefix(number + i, typed)) {
      return i;
    }
  }
  return -1;
}

// The same for typed keys and a spelled text.
int KeypadFitStart(const char16_t* text, const char16_t* typed, bool anywhere) {
  if (!anywhere) return MatchKeypadPrefix(text, typed) ? 0 : -1;
  for (int i = 0; text[i] != 0; ++i) {
    if (KeyFits(text[i], typed[0]) && MatchKeypadPrefix(text + i + 1, typed + 1)) return i;
  }
  return -1;
}

// The stretch of the stored number that the typed digits took, from `start`
// in `text` on, one digit each: from the first digit they took to the last,
// spaces and dashes between them included. Unit i of `text` stands for unit
// i + shift of the stored number when i >= first, and for none before (a
// national prefix the number does not write).
uint32_t FittedDigits(const char16_t* text, int start, const char16_t* typed, int first,
                      int shift) {
  int from = -1;
  int to = -1;
  for (int i = start; text[i] != 0 && *typed != 0; ++i) {
    if (!IsDigit(text[i])) continue;
    if (i >= first) {
      if (from < 0) from = i;
      to = i;
    }
    ++typed;
  }
  uint32_t bits = 0;
  for (int i = from; from >= 0 && i <= to; ++i) bits |= Bit(static_cast<size_t>(i + shift));
  return bits;
}

uint32_t NumberMarks(const ContactEntry& entry, const char16_t* typed, uint32_t flags) {
  const int32_t selected = entry.SelectedNumber;
  const uint32_t count = entry.NumberCount < kMaxNumbersPerEntry ? entry.NumberCount
                                                                 : kMaxNumbersPerEntry;
  if (selected < 0 || static_cast<uint32_t>(selected) >= count) return 0;
  const NumberSlot& slot = entry.Numbers[selected];
  const bool anywhere = (flags & SearchBits::kNumbersAnywhere) != 0;

  const int own = NumberFitStart(slot.Number, typed, anywhere);
  if (own >= 0) return FittedDigits(slot.Number, own, typed, 0, 0);

  // The national form: the prefix the number does not write, then the
  // stored units from slot.National.Start on.
  char16_t text[kNationalTextCapacity];
  const int nationalStart = NationalText(slot, text);
  if (nationalStart < 0) return 0;
  int start = NumberFitStart(text, typed, anywhere);
  if (start < 0 && !anywhere && MatchNumberPrefix(text + nationalStart, typed)) {
    start = nationalStart;
  }
  if (start < 0) return 0;
  return FittedDigits(text, start, typed, nationalStart, slot.National.Start - nationalStart);
}

bool IsCallLogEntry(const ContactEntry& entry) { return entry.EntryId == kCallLogEntryId; }

// The name's own spelled forms as the speller spells them now, with the
// name unit of each spelled unit; false when they are not the stored ones.
struct OwnForms {
  char16_t Full[kSpelledNameCapacity];
  uint16_t FullFrom[kSpelledNameCapacity];
  char16_t Initials[kNameInitialsCapacity];
  uint16_t InitialsFrom[kNameInitialsCapacity];
};

constexpr uint16_t kNoUnit = 0xFFFF;

bool SpellOwnForms(const ContactEntry& entry, const NameSpeller& speller, OwnForms& forms) {
  const bool callLog = IsCallLogEntry(entry);
  speller.SpellNameSources(entry.DisplayName, forms.Full, forms.FullFrom,
                           kSpelledNameCapacity - (callLog ? 1 : 0), forms.Initials,
                           forms.InitialsFrom, kNameInitialsCapacity);
  if (callLog) {
    const size_t end = TextLength(forms.Full);
    forms.Full[end] = u'#';
    forms.Full[end + 1] = 0;
    forms.FullFrom[end] = kNoUnit;
  }
  return TextEquals(forms.Full, entry.SpelledName) &&
         TextEquals(forms.Initials, entry.NameInitials);
}

uint32_t OwnNameMarks(const ContactEntry& entry, const NameSpeller& speller,
                      const char16_t* typed, bool initials, uint32_t flags) {
  OwnForms forms;
  if (!SpellOwnForms(entry, speller, forms)) return 0;
  const char16_t* text = initials ? forms.Initials : forms.Full;
  const uint16_t* from = initials ? forms.InitialsFrom : forms.FullFrom;
  const bool anywhere = (flags & (initials ? SearchBits::kInitialsAnywhere
                                           : SearchBits::kSpelledAnywhere)) != 0;
  const int start = KeypadFitStart(text, typed, anywhere);
  if (start < 0) return 0;
  uint32_t bits = 0;
  for (size_t k = 0; typed[k] != 0; ++k) bits |= Bit(from[static_cast<size_t>(start) + k]);
  return bits;
}

// Whether two NameAlternates lists hold the same records (what follows a
// list's end is not part of it).
bool SameAlternates(const uint8_t* a, const uint8_t* b) {
  AlternateRecord ra;
  AlternateRecord rb;
  for (;;) {
    a = NextAlternate(a, ra);
    b = NextAlternate(b, rb);
    if (a == nullptr || b == nullptr) return a == b;
    if (ra.Kind != rb.Kind) return false;
    size_t i = 0;
    while (ra.Lattice[i] != 0 && ra.Lattice[i] == rb.Lattice[i]) ++i;
    if (ra.Lattice[i] != rb.Lattice[i]) return false;
  }
}

// The first record of `kind` that the typed keys fit, as the filter finds
// it, marked along one fitting spelling; false when none fits.
bool MarkAlternate(const uint8_t* alternates, const UnitSpan* spans, AlternateKind kind,
                   bool anywhere, const char16_t* typed, uint32_t& bits) {
  uint16_t path[kMaxPathKeys];
  AlternateRecord record;
  for (const uint8_t* at = alternates; (at = NextAlternate(at, record)) != nullptr;) {
    if ((record.Kind & kind) == 0 || !FindLatticePath(record.Lattice, typed, anywhere, path)) {
      continue;
    }
    const size_t offset = static_cast<size_t>(record.Lattice - alternates);
    for (size_t k = 0; typed[k] != 0; ++k) {
      const UnitSpan span = spans[offset + path[k]];
      for (size_t unit = span.Begin; unit < span.End; ++unit) bits |= Bit(unit);
    }
    return true;
  }
  return false;
}

uint32_t AlternateNameMarks(const ContactEntry& entry, const NameSpeller& speller,
                            const char16_t* typed, uint32_t flags) {
  uint8_t alternates[kNameAlternatesCapacity];
  UnitSpan spans[kNameAlternatesCapacity];
  SpellAlternateSpans(speller, entry.DisplayName, IsCallLogEntry(entry), alternates, spans,
                      kNameAlternatesCapacity);
  if (!SameAlternates(alternates, entry.NameAlternates)) return 0;
  using namespace SearchBits;
  uint32_t bits = 0;
  // In the filter's order: the alternate initials, then the full names.
  if ((flags & kInitials) != 0 &&
      MarkAlternate(alternates, spans, kAlternateInitials, (flags & kInitialsAnywhere) != 0,
                    typed, bits)) {
    return bits;
  }
  if ((flags & kSpelledName) != 0) {
    MarkAlternate(alternates, spans, kAlternateSpelledName, (flags & kSpelledAnywhere) != 0,
                  typed, bits);
  }
  return bits;
}

}  // namespace

MatchMarks MarksOf(const ContactEntry& entry, const NameSpeller& speller, const char16_t* typed,
                   uint32_t flags) {
  MatchMarks marks;
  if (typed == nullptr) return marks;
  switch (FirstFittingForm(entry, typed, flags).Form) {
    case MatchedForm::None:
      break;
    case MatchedForm::Number:
    case MatchedForm::NationalNumber:
      marks.Number = NumberMarks(entry, typed, flags);
      break;
    case MatchedForm::Initials:
      marks.Name = OwnNameMarks(entry, speller, typed, true, flags);
      break;
    case MatchedForm::SpelledName:
      marks.Name = OwnNameMarks(entry, speller, typed, false, flags);
      break;
    case MatchedForm::AlternateInitials:
    case MatchedForm::AlternateSpelledName:
    case MatchedForm::KeypadKeys:
      marks.Name = AlternateNameMarks(entry, speller, typed, flags);
      break;
  }
  return marks;
}

}  // namespace vostarel
