// Stores built from fuzzed names and numbers, then a filter pass with fuzzed
// typed text and option bits: no crash, no write past a record field, and
// exactly the result of matching every entry in full (the filter skips
// entries by their key digests).
#include <cstdlib>
#include <string>
#include <vector>

#include "contact_index.h"
#include "filter.h"
#include "fuzz_input.h"
#include "literal_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);
  ContactIndex index;
  for (int i = 0; i < static_cast<int>(IndexText::Count); ++i) {
    index.Texts.Set(static_cast<IndexText>(i), input.Text(input.Byte() % 40).c_str());
  }
  const uint32_t flags = input.Byte() | (input.Byte() << 8);
  char16_t typed[kTypedCapacity];
  CleanTypedText(input.Text(input.Byte()).c_str(), typed);
  const std::string dictionary = input.Bytes(input.Byte() * 4u);
  if (!dictionary.empty()) index.Speller.LoadUserDictionaryBytes(dictionary.data(), dictionary.size());
  index.Speller.TTable = input.Byte() % 4;

  const uint32_t perStore = input.Byte() % 24;
  index.AddressBook.Reset(perStore);
  index.Sim.Reset(perStore);
  index.CallLog.Reset(perStore);
  while (input.Remaining() > 0) {
    const uint8_t kind = input.Byte() % 3;
    const std::u16string name = input.Text(input.Byte() % 48);
    if (kind == 0) {
      std::u16string numbers[8];
      ContactNumbers pointers{};
      const uint8_t present = input.Byte();
      for (int n = 0; n < 8; ++n) {
        numbers[n] = input.Text(input.Byte() % 48);
        if (present & (1u << n)) pointers[n] = numbers[n].c_str();
      }
      AddContact(index, static_cast<int32_t>(input.Byte()), pointers, name.c_str());
    } else {
      const std::u16string number = input.Text(input.Byte() % 48);
      if (kind == 1) {
        AddSimEntry(index, name.c_str(), number.c_str());
      } else {
        AddCallLogEntry(index, name.c_str(), number.c_str());
      }
    }
  }

  const std::vector<const ContactStore*> stores = {&index.AddressBook, &index.Sim, &index.CallLog};
  const auto expected = testing::LiteralFilterStores(stores, typed, flags, kNoSelectedNumber);
  FilterStores(index, typed, flags);
  if (index.Results.Count != expected.listed.size()) std::abort();
  for (uint32_t i = 0; i < index.Results.Count; ++i) {
    if (index.Results.Items[i] != expected.listed[i]) std::abort();
  }
  if (index.Results.Count > kMaxResults) std::abort();
  for (uint32_t i = 0; i < index.Results.Count; ++i) {
    const ContactEntry* entry = index.Results.Items[i];
    if (entry->SelectedNumber < 0 || static_cast<uint32_t>(entry->SelectedNumber) >= entry->NumberCount) {
      std::abort();
    }
  }
  for (const ContactStore* store : {&index.AddressBook, &index.Sim, &index.CallLog}) {
    for (const ContactEntry& entry : *store) {
      if (entry.NumberCount < 1 || entry.NumberCount > kMaxNumbersPerEntry) std::abort();
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
