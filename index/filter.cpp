#include "filter.h"

#include "contact_index.h"
#include "key_digest.h"
#include "matchers.h"

namespace vostarel {

namespace {

using Matcher = bool (*)(const char16_t*, const char16_t*);

// The first slot whose number fits, or -1.
int32_t FirstMatchingNumber(const ContactEntry& entry, const char16_t* typed, Matcher match) {
  const uint32_t count = entry.NumberCount < kMaxNumbersPerEntry ? entry.NumberCount
                                                                 : kMaxNumbersPerEntry;
  for (uint32_t slot = 0; slot < count; ++slot) {
    if (match(entry.Numbers[slot].Number, typed)) return static_cast<int32_t>(slot);
  }
  return kNoSelectedNumber;
}

// Which tests of a pass can run and which matcher each uses; decided once per
// pass from the option bits and the typed string.
struct Tests {
  Matcher numbers = nullptr;   // null: numbers are not tested
  Matcher initials = nullptr;  // null: initials are not tested
  Matcher spelled = nullptr;   // null: the spelled name is not tested
  TypedKeys needed;
};

Tests TestsFor(const char16_t* typed, uint32_t flags) {
  Tests tests;
  if (flags & SearchBits::kNumbers) {
    tests.numbers = (flags & SearchBits::kNumbersAnywhere) ? MatchNumberAnywhere : MatchNumberPrefix;
  }
  if (flags & SearchBits::kInitials) {
    tests.initials =
        (flags & SearchBits::kInitialsAnywhere) ? MatchKeypadAnywhere : MatchKeypadPrefix;
  }
  if (flags & SearchBits::kSpelledName) {
    tests.spelled = (flags & SearchBits::kSpelledAnywhere) ? MatchKeypadAnywhere : MatchKeypadPrefix;
  }
  tests.needed = KeysNeededBy(typed);
  return tests;
}

// The number slot the entry's row shows, or -1 when the entry does not fit.
// Numbers are tested first, so an entry that fits by number and by name
// shows the matching number. A form whose digest lacks a key the typed string
// needs cannot fit and is not read.
int32_t SelectNumber(const ContactEntry& entry, const EntryDigest& digest,
                     const char16_t* typed, const Tests& tests) {
  if (tests.numbers && tests.needed.NumbersCanFit &&
      HasAll(digest.NumberDigits, tests.needed.ForNumbers)) {
    const int32_t slot = FirstMatchingNumber(entry, typed, tests.numbers);
    if (slot != kNoSelectedNumber) return slot;
  }
  if (tests.initials && HasAll(digest.Initials, tests.needed.ForText) &&
      tests.initials(entry.NameInitials, typed)) {
    return 0;
  }
  if (tests.spelled && HasAll(digest.SpelledName, tests.needed.ForText) &&
      tests.spelled(entry.SpelledName, typed)) {
    return 0;
  }
  return kNoSelectedNumber;
}

bool IsTypedUnit(char16_t unit) {
  return (unit >= u'0' && unit <= u'9') || unit == u'*' || unit == u'#';
}

}  // namespace

void CleanTypedText(const char16_t* fieldText, char16_t (&typed)[kTypedCapacity]) {
  int length = 0;
  if (fieldText != nullptr) {
    for (; *fieldText != 0 && length < kTypedCapacity - 1; ++fieldText) {
      if (IsTypedUnit(*fieldText)) typed[length++] = *fieldText;
    }
  }
  typed[length] = 0;
}

void FilterStore(ContactStore& store, const char16_t* typed, uint32_t flags,
                 ResultList& results) {
  const Tests tests = TestsFor(typed, flags);
  for (uint32_t i = 0; i < store.Count(); ++i) {
    if (results.Count >= kMaxResults) return;
    ContactEntry& entry = store[i];
    entry.SelectedNumber = SelectNumber(entry, store.Digest(i), typed, tests);
    if (entry.SelectedNumber != kNoSelectedNumber) results.Items[results.Count++] = &entry;
  }
}

void FilterStores(ContactIndex& index, const char16_t* typed, uint32_t flags) {
  index.Results.Count = 0;
  if (typed == nullptr || typed[0] == 0) return;
  FilterStore(index.AddressBook, typed, flags, index.Results);
  FilterStore(index.Sim, typed, flags, index.Results);
  FilterStore(index.CallLog, typed, flags, index.Results);
}

}  // namespace vostarel
