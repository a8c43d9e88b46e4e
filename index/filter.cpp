#include "filter.h"

#include "contact_index.h"
#include "key_digest.h"
#include "matchers.h"
#include "name_lattice.h"
#include "national_number.h"

namespace vostarel {

namespace {

using Matcher = bool (*)(const char16_t*, const char16_t*);

// Which tests of a pass run, the matcher each uses, and what the digests must
// hold for each; decided once per pass from the option bits and the typed
// string.
struct Tests {
  Matcher numbers = nullptr;   // null: numbers are not tested
  Matcher initials = nullptr;  // null: initials are not tested
  Matcher spelled = nullptr;   // null: the spelled name is not tested
  // Whether each form is matched at any position (numbers' national forms
  // and the alternate spellings are matched as their primary forms are).
  bool numbersAnywhere = false;
  bool initialsAnywhere = false;
  bool spelledAnywhere = false;
  DigestNeeds needs;
};

FormTest TestOf(uint32_t flags, uint32_t searchBit, uint32_t anywhereBit) {
  if ((flags & searchBit) == 0) return FormTest::kNone;
  return (flags & anywhereBit) != 0 ? FormTest::kAnywhere : FormTest::kFromStart;
}

Matcher NumberMatcher(FormTest test) {
  if (test == FormTest::kNone) return nullptr;
  return test == FormTest::kAnywhere ? MatchNumberAnywhere : MatchNumberPrefix;
}

Matcher KeypadMatcher(FormTest test) {
  if (test == FormTest::kNone) return nullptr;
  return test == FormTest::kAnywhere ? MatchKeypadAnywhere : MatchKeypadPrefix;
}

Tests TestsFor(const char16_t* typed, uint32_t flags) {
  using namespace SearchBits;
  const FormTest numbers = TestOf(flags, kNumbers, kNumbersAnywhere);
  const FormTest initials = TestOf(flags, kInitials, kInitialsAnywhere);
  const FormTest spelled = TestOf(flags, kSpelledName, kSpelledAnywhere);
  Tests tests;
  tests.numbers = NumberMatcher(numbers);
  tests.initials = KeypadMatcher(initials);
  tests.spelled = KeypadMatcher(spelled);
  tests.numbersAnywhere = numbers == FormTest::kAnywhere;
  tests.initialsAnywhere = initials == FormTest::kAnywhere;
  tests.spelledAnywhere = spelled == FormTest::kAnywhere;
  tests.needs = NeedsOf(typed, numbers, initials, spelled);
  return tests;
}

// The first slot whose number fits, or -1.
int32_t FirstMatchingNumber(const ContactEntry& entry, const char16_t* typed, Matcher match) {
  const uint32_t count = entry.NumberCount < kMaxNumbersPerEntry ? entry.NumberCount
                                                                 : kMaxNumbersPerEntry;
  for (uint32_t slot = 0; slot < count; ++slot) {
    if (match(entry.Numbers[slot].Number, typed)) return static_cast<int32_t>(slot);
  }
  return kNoSelectedNumber;
}

// The first slot whose number fits in its national form, or -1.
int32_t FirstMatchingNationalForm(const ContactEntry& entry, const char16_t* typed,
                                  bool anywhere) {
  const uint32_t count = entry.NumberCount < kMaxNumbersPerEntry ? entry.NumberCount
                                                                 : kMaxNumbersPerEntry;
  for (uint32_t slot = 0; slot < count; ++slot) {
    if (MatchNationalForm(entry.Numbers[slot], typed, anywhere)) return static_cast<int32_t>(slot);
  }
  return kNoSelectedNumber;
}

FormMatch AlternateMatch(uint8_t kind, MatchedForm alone) {
  if (kind == 0) return {};
  return {kind == (kAlternateInitials | kAlternateSpelledName) ? MatchedForm::KeypadKeys : alone, 0};
}

// The entry's other forms, tested only after its own numbers and spelled
// forms did not fit, so that every entry those find is found as before:
// numbers in their national form, then the alternate initials and spelled
// names.
FormMatch MatchOtherForms(const ContactEntry& entry, unsigned forms, const char16_t* typed,
                          const Tests& tests) {
  if (forms & kNumbersMayFit) {
    const int32_t slot = FirstMatchingNationalForm(entry, typed, tests.numbersAnywhere);
    if (slot != kNoSelectedNumber) return {MatchedForm::NationalNumber, slot};
  }
  if (forms & kAlternateInitialsMayFit) {
    const FormMatch match = AlternateMatch(
        MatchAlternates(entry.NameAlternates, kAlternateInitials, tests.initialsAnywhere, typed),
        MatchedForm::AlternateInitials);
    if (match.Form != MatchedForm::None) return match;
  }
  if (forms & kAlternateSpelledNameMayFit) {
    return AlternateMatch(
        MatchAlternates(entry.NameAlternates, kAlternateSpelledName, tests.spelledAnywhere, typed),
        MatchedForm::AlternateSpelledName);
  }
  return {};
}

// Which form fits, testing only the forms in `forms` (FormsThatMayFit).
// Numbers are tested first, so an entry that fits by number and by name
// shows the matching number.
FormMatch MatchForms(const ContactEntry& entry, unsigned forms, const char16_t* typed,
                     const Tests& tests) {
  if (forms & kNumbersMayFit) {
    const int32_t slot = FirstMatchingNumber(entry, typed, tests.numbers);
    if (slot != kNoSelectedNumber) return {MatchedForm::Number, slot};
  }
  if ((forms & kInitialsMayFit) && tests.initials(entry.NameInitials, typed)) {
    return {MatchedForm::Initials, 0};
  }
  if ((forms & kSpelledNameMayFit) && tests.spelled(entry.SpelledName, typed)) {
    return {MatchedForm::SpelledName, 0};
  }
  return MatchOtherForms(entry, forms, typed, tests);
}

// The number slot the entry's row shows, or -1 when the entry does not fit.
int32_t SelectNumber(const ContactEntry& entry, unsigned forms, const char16_t* typed,
                     const Tests& tests) {
  return MatchForms(entry, forms, typed, tests).Slot;
}

// The same, asking the digest about each form only when the forms before it
// did not fit; `read` tells whether any of the entry's texts was read.
int32_t SelectNumberLazily(const ContactEntry& entry, const EntryDigest& digest,
                           const char16_t* typed, const Tests& tests, bool& read) {
  read = false;
  const bool numbers = NumbersMayFit(digest, tests.needs);
  if (numbers) {
    read = true;
    const int32_t slot = FirstMatchingNumber(entry, typed, tests.numbers);
    if (slot != kNoSelectedNumber) return slot;
  }
  const bool initials = InitialsMayFit(digest, tests.needs);
  if (initials) {
    read = true;
    if (tests.initials(entry.NameInitials, typed)) return 0;
  }
  const bool spelled = SpelledNameMayFit(digest, tests.needs);
  if (spelled) {
    read = true;
    if (tests.spelled(entry.SpelledName, typed)) return 0;
  }
  const unsigned others =
      unsigned{numbers} * kNumbersMayFit |
      unsigned{initials && HasAlternateInitials(digest)} * kAlternateInitialsMayFit |
      unsigned{spelled && HasAlternateSpelledName(digest)} * kAlternateSpelledNameMayFit;
  if (others == 0) return kNoSelectedNumber;
  read = true;
  return MatchOtherForms(entry, others, typed, tests).Slot;
}

inline void Prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

// Asks early for the line the first test of `forms` reads first.
void PrefetchForms(const ContactEntry& entry, unsigned forms) {
  if (forms & kNumbersMayFit) {
    Prefetch(entry.Numbers[0].Number);
  } else if (forms & kInitialsMayFit) {
    Prefetch(entry.NameInitials);
  } else if (forms & kSpelledNameMayFit) {
    Prefetch(entry.SpelledName);
  } else {
    Prefetch(entry.NameAlternates);
  }
}

// Entries are far apart (each holds all its texts), so the line holding the
// selected number of an entry this many places ahead is asked for early.
constexpr uint32_t kPrefetchAhead = 32;

// Stores the entry's selected number and lists it when it fits. Most
// entries keep the value they have: leaving it unwritten keeps their line
// clean, so it need not be written back to memory. With kSkipCalled, an
// entry with calls is not listed: a pass that lists the called entries
// first has listed it already. Its count is on the line just read.
template <bool kSkipCalled>
void Settle(ContactStore& store, uint32_t i, int32_t selected, ResultList& results) {
  if (i + kPrefetchAhead < store.Count()) Prefetch(&store[i + kPrefetchAhead].SelectedNumber);
  ContactEntry& entry = store[i];
  if (entry.SelectedNumber != selected) entry.SelectedNumber = selected;
  if (selected == kNoSelectedNumber) return;
  if (kSkipCalled && entry.CallCount > 0) return;
  results.Items[results.Count++] = &entry;
}

// A store is filtered in blocks of entries. Where few entries of a block may
// fit, the digests of the whole block are read first, the lines of the
// entries that need their texts read are asked for at once, and then each
// entry is settled in order. Where most may fit (few keys typed), each entry
// is tested in turn, as the tests go. Either way stops at the cut.
constexpr uint32_t kBlock = 64;

// Both return how many entries needed their texts read.
template <bool kSkipCalled>
uint32_t FilterSparseBlock(ContactStore& store, uint32_t begin, uint32_t end,
                           const char16_t* typed, const Tests& tests, ResultList& results) {
  unsigned forms[kBlock];
  uint32_t read = 0;
  for (uint32_t i = begin; i < end; ++i) {
    forms[i - begin] = FormsThatMayFit(store.Digest(i), tests.needs);
    read += forms[i - begin] != 0;
  }
  for (uint32_t i = begin; i < end; ++i) {
    if (forms[i - begin] != 0) PrefetchForms(store[i], forms[i - begin]);
  }
  for (uint32_t i = begin; i < end && results.Count < kMaxResults; ++i) {
    const unsigned fit = forms[i - begin];
    Settle<kSkipCalled>(store, i,
                        fit != 0 ? SelectNumber(store[i], fit, typed, tests) : kNoSelectedNumber,
                        results);
  }
  return read;
}

template <bool kSkipCalled>
uint32_t FilterDenseBlock(ContactStore& store, uint32_t begin, uint32_t end,
                          const char16_t* typed, const Tests& tests, ResultList& results) {
  uint32_t read = 0;
  for (uint32_t i = begin; i < end && results.Count < kMaxResults; ++i) {
    bool textsRead = false;
    Settle<kSkipCalled>(store, i,
                        SelectNumberLazily(store[i], store.Digest(i), typed, tests, textsRead),
                        results);
    read += textsRead;
  }
  return read;
}

template <bool kSkipCalled>
void FilterStoreInBlocks(ContactStore& store, const char16_t* typed, const Tests& tests,
                         ResultList& results) {
  const uint32_t count = store.Count();
  bool dense = false;
  for (uint32_t begin = 0; begin < count && results.Count < kMaxResults; begin += kBlock) {
    const uint32_t end = count - begin < kBlock ? count : begin + kBlock;
    const uint32_t read =
        dense ? FilterDenseBlock<kSkipCalled>(store, begin, end, typed, tests, results)
              : FilterSparseBlock<kSkipCalled>(store, begin, end, typed, tests, results);
    dense = read * 2 > end - begin;
  }
}

ContactStore& StoreAt(ContactIndex& index, uint32_t store) {
  return store == 0 ? index.AddressBook : store == 1 ? index.Sim : index.CallLog;
}

// The called entries, most called first: each one's selected number set,
// and those that fit listed while there is room.
void FilterCalledEntries(ContactIndex& index, const char16_t* typed, const Tests& tests) {
  ResultList& results = index.Results;
  const CallOrder& order = index.Calls;
  for (uint32_t k = 0; k < order.Count(); ++k) {
    ContactStore& store = StoreAt(index, order[k].Store);
    const uint32_t i = order[k].Index;
    if (i >= store.Count()) continue;
    const unsigned forms = FormsThatMayFit(store.Digest(i), tests.needs);
    ContactEntry& entry = store[i];
    entry.SelectedNumber = forms != 0 ? SelectNumber(entry, forms, typed, tests) : kNoSelectedNumber;
    if (entry.SelectedNumber != kNoSelectedNumber && results.Count < kMaxResults) {
      results.Items[results.Count++] = &entry;
    }
  }
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
  FilterStoreInBlocks<false>(store, typed, TestsFor(typed, flags), results);
}

FormMatch FirstFittingForm(const ContactEntry& entry, const char16_t* typed, uint32_t flags) {
  if (typed == nullptr || typed[0] == 0) return {};
  const Tests tests = TestsFor(typed, flags);
  const unsigned tested =
      (tests.numbers ? kNumbersMayFit : 0u) |
      (tests.initials ? kInitialsMayFit | kAlternateInitialsMayFit : 0u) |
      (tests.spelled ? kSpelledNameMayFit | kAlternateSpelledNameMayFit : 0u);
  return MatchForms(entry, tested, typed, tests);
}

const char* FormWord(MatchedForm form) {
  switch (form) {
    case MatchedForm::Number: return "number";
    case MatchedForm::Initials: return "initials";
    case MatchedForm::SpelledName: return "name";
    case MatchedForm::NationalNumber: return "national";
    case MatchedForm::AlternateInitials: return "other-initials";
    case MatchedForm::AlternateSpelledName: return "other-name";
    case MatchedForm::KeypadKeys: return "keypad";
    case MatchedForm::None: break;
  }
  return "none";
}

void FilterStores(ContactIndex& index, const char16_t* typed, uint32_t flags, ListOrder order) {
  index.Results.Count = 0;
  if (typed == nullptr || typed[0] == 0) return;
  const Tests tests = TestsFor(typed, flags);
  if (order == ListOrder::CalledMostFirst) UpdateCallCounts(index);
  if (order == ListOrder::CalledMostFirst && index.Calls.Count() > 0) {
    FilterCalledEntries(index, typed, tests);
    for (ContactStore* store : {&index.AddressBook, &index.Sim, &index.CallLog}) {
      FilterStoreInBlocks<true>(*store, typed, tests, index.Results);
    }
    return;
  }
  for (ContactStore* store : {&index.AddressBook, &index.Sim, &index.CallLog}) {
    FilterStoreInBlocks<false>(*store, typed, tests, index.Results);
  }
}

}  // namespace vostarel
