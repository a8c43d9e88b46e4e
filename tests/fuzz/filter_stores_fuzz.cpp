// Stores built from fuzzed names and numbers (repeated, so that stores are
// large enough for the cut at 999; texts either raw UTF-16 or, so that
// matches are common, one unit a byte from the keypad's alphabet), then two filter passes with fuzzed typed
// text and option bits, the second with more keys typed, as a user types
// them, after row commands changed selections and moved numbers: no crash,
// no write past a record field, and exactly the result of matching every
// entry in full (the filter skips entries by their digests and leaves
// selections it would not change unwritten). Bit 0x8000 of the fuzzed
// option word (a bit the filter does not read) lists the entries the call
// log holds most first, compared with the literal order of that too. Each
// listed row's marks stay within its name and number.
//
// Seeds (corpus/filter_stores_fuzz/, in the input layout read below, texts
// from the alphabet): cut_at_999.bin fills the address book and the SIM
// store with entries of which every other pair fits "2", so the cut falls
// inside a run of entries mostly passed over by their digests;
// number_before_initials.bin fills the address book with an entry that
// fits "2" by its second number and by its initials, under every
// "anywhere" bit, so that every entry of a run may fit.
#include <algorithm>
#include <iterator>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "contact_index.h"
#include "filter.h"
#include "fuzz_input.h"
#include "literal_filter.h"
#include "match_marks.h"
#include "name_lattice.h"

namespace {

using namespace vostarel;

// Texts of one input: raw UTF-16 units, or one byte a unit from a small
// alphabet of digits, keys, letters on them and a few others.
class TextSource {
 public:
  TextSource(fuzz::FuzzInput& input, bool raw) : input_(input), raw_(raw) {}

  std::u16string Text(size_t maxUnits) {
    if (raw_) return input_.Text(maxUnits);
    // Hangul and Chinese surnames with other spellings, brackets for "+44
    // (0)20 ...".
    static constexpr char16_t kAlphabet[] = u"0123456789*#+- abcdmnwxyz\u738B\uAC00김이单长孙()";
    std::u16string text(input_.Byte() % (maxUnits + 1), u'0');
    for (char16_t& unit : text) unit = kAlphabet[input_.Byte() % (std::size(kAlphabet) - 1)];
    return text;
  }

 private:
  fuzz::FuzzInput& input_;
  bool raw_;
};

struct EntrySpec {
  uint8_t kind = 0;  // 0 address book, 1 SIM, 2 call log
  std::u16string name;
  std::u16string numbers[8];
  uint8_t present = 0;  // address book: which of the numbers are given
  int32_t id = 0;
};

EntrySpec ReadEntry(fuzz::FuzzInput& input, TextSource& texts) {
  EntrySpec spec;
  spec.kind = input.Byte() % 3;
  spec.name = texts.Text(input.Byte() % 48);
  if (spec.kind == 0) {
    spec.present = input.Byte();
    for (auto& number : spec.numbers) number = texts.Text(input.Byte() % 48);
    spec.id = input.Byte();
  } else {
    spec.numbers[0] = texts.Text(input.Byte() % 48);
  }
  return spec;
}

void Add(ContactIndex& index, const EntrySpec& spec) {
  if (spec.kind == 0) {
    ContactNumbers pointers{};
    for (int n = 0; n < 8; ++n) {
      if (spec.present & (1u << n)) pointers[n] = spec.numbers[n].c_str();
    }
    AddContact(index, spec.id, pointers, spec.name.c_str());
  } else if (spec.kind == 1) {
    AddSimEntry(index, spec.name.c_str(), spec.numbers[0].c_str());
  } else {
    AddCallLogEntry(index, spec.name.c_str(), spec.numbers[0].c_str());
  }
}

// The alternate spellings stay inside their field: records of a kind byte,
// a lattice of keys and "{|}" groups that are closed, not nested and hold no
// empty choice, and a zero; the list ends with a zero byte within the field.
void CheckAlternates(const ContactEntry& entry) {
  const uint8_t* bytes = entry.NameAlternates;
  size_t at = 0;
  while (at < kNameAlternatesCapacity && bytes[at] != 0) {
    const uint8_t kind = bytes[at++];
    if (kind < 1 || kind > 3) std::abort();
    bool inGroup = false;
    uint8_t previous = 0;
    for (; at < kNameAlternatesCapacity && bytes[at] != 0; previous = bytes[at++]) {
      const uint8_t b = bytes[at];
      if (b == '{') {
        if (inGroup) std::abort();
        inGroup = true;
      } else if (b == '|' || b == '}') {
        if (!inGroup || previous == '{' || previous == '|') std::abort();
        inGroup = b == '|';
      } else if (!IsLatticeKey(b) && b != '?') {
        std::abort();
      }
    }
    if (inGroup || at >= kNameAlternatesCapacity) std::abort();
    ++at;
  }
  if (at >= kNameAlternatesCapacity) std::abort();
}

// No mark past the end of the text it marks.
void CheckMarks(const ContactIndex& index, const char16_t* typed, uint32_t flags) {
  for (uint32_t i = 0; i < index.Results.Count && i < 64; ++i) {
    const ContactEntry& entry = *index.Results.Items[i];
    const MatchMarks marks = MarksOf(entry, index.Speller, typed, flags);
    const size_t name = std::char_traits<char16_t>::length(entry.DisplayName);
    const size_t number = std::char_traits<char16_t>::length(entry.Numbers[entry.SelectedNumber].Number);
    if (name < 32 && (marks.Name >> name) != 0) std::abort();
    if (number < 32 && (marks.Number >> number) != 0) std::abort();
  }
}

void CheckPassAgainstLiteral(ContactIndex& index, const char16_t* typed, uint32_t flags) {
  const std::vector<const ContactStore*> stores = {&index.AddressBook, &index.Sim, &index.CallLog};
  const bool calledFirst = (flags & 0x8000) != 0;
  const auto expected = testing::LiteralFilterStores(stores, typed, flags, calledFirst);
  FilterStores(index, typed, flags, calledFirst ? ListOrder::CalledMostFirst : ListOrder::Stores);
  if (index.Results.Count != expected.listed.size()) std::abort();
  for (uint32_t i = 0; i < index.Results.Count; ++i) {
    if (index.Results.Items[i] != expected.listed[i]) std::abort();
  }
  if (testing::SelectedNumbers(stores) != expected.selected) std::abort();
  if (index.Results.Count > kMaxResults) std::abort();
  for (uint32_t i = 0; i < index.Results.Count; ++i) {
    const ContactEntry* entry = index.Results.Items[i];
    if (entry->SelectedNumber < 0 || static_cast<uint32_t>(entry->SelectedNumber) >= entry->NumberCount) {
      std::abort();
    }
  }
  CheckMarks(index, typed, flags);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  TextSource texts(input, (input.Byte() & 1) != 0);
  ContactIndex index;
  for (int i = 0; i < static_cast<int>(IndexText::Count); ++i) {
    index.Texts.Set(static_cast<IndexText>(i), input.Text(input.Byte() % 40).c_str());
  }
  const uint32_t flags = input.Byte() | (input.Byte() << 8);
  char16_t typed[kTypedCapacity];
  CleanTypedText(texts.Text(input.Byte()).c_str(), typed);
  char16_t more[kTypedCapacity];
  CleanTypedText(texts.Text(input.Byte() % 8).c_str(), more);
  const std::string dictionary = input.Bytes(input.Byte() * 4u);
  if (!dictionary.empty()) index.Speller.LoadUserDictionaryBytes(dictionary.data(), dictionary.size());
  index.Speller.TTable = input.Byte() % 4;
  index.Speller.Keypad = static_cast<KoreanKeypad>(input.Byte() % 4);

  // Half the inputs fill each store to its capacity by adding their entries
  // over and over: large enough for the cut at 999 and for runs of entries
  // that may all fit.
  const uint32_t perStore = input.Byte() % 24;
  const uint8_t repeat = input.Byte();
  const uint32_t capacity = (repeat & 0x80) != 0 ? perStore * (1 + repeat % 48) : perStore;
  std::vector<EntrySpec> specs;
  while (input.Remaining() > 0 && specs.size() < 64) specs.push_back(ReadEntry(input, texts));
  index.AddressBook.Reset(capacity);
  index.Sim.Reset(capacity);
  index.CallLog.Reset(capacity);
  const size_t adds = (repeat & 0x80) != 0 ? size_t{3} * capacity : specs.size();
  for (size_t n = 0; n < adds && !specs.empty(); ++n) Add(index, specs[n % specs.size()]);

  CheckPassAgainstLiteral(index, typed, flags);

  // Row commands on some listed entries: the selection stepped to another
  // number, a number moved to the front.
  for (uint32_t i = 0; i < index.Results.Count; ++i) {
    ContactEntry& entry = *index.Results.Items[i];
    if (i % 4 == 1) entry.SelectedNumber = static_cast<int32_t>(i % entry.NumberCount);
    if (i % 5 == 2 && entry.NumberCount > 1) std::swap(entry.Numbers[0], entry.Numbers[entry.NumberCount - 1]);
  }
  std::u16string longer = std::u16string(typed) + more;
  longer.resize(std::min<size_t>(longer.size(), kTypedCapacity - 1));
  CheckPassAgainstLiteral(index, longer.c_str(), flags);

  for (const ContactStore* store : {&index.AddressBook, &index.Sim, &index.CallLog}) {
    for (const ContactEntry& entry : *store) {
      if (entry.NumberCount < 1 || entry.NumberCount > kMaxNumbersPerEntry) std::abort();
      CheckAlternates(entry);
      if (std::char_traits<char16_t>::length(entry.SpelledName) >= kSpelledNameCapacity) std::abort();
      if (std::char_traits<char16_t>::length(entry.NameInitials) >= kNameInitialsCapacity) std::abort();
      if (entry.EntryId == kCallLogEntryId &&
          entry.SpelledName[std::char_traits<char16_t>::length(entry.SpelledName) - 1] != u'#') {
        std::abort();
      }
    }
  }
  return 0;
}
