// One filter pass (what every keypress in the number field costs) over
// synthetic stores, for typed strings of 1 to 7 digits, under the default
// search bits and under every "anywhere" bit; over stores whose call log
// calls the address book's people, in the stores' order and with the people
// called most first; and counting those calls, as each load of the stores
// does when the rows are ordered by them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>

#include "contact_index.h"
#include "filter.h"
#include "synthetic_data.h"

namespace vostarel::bench {
namespace {

constexpr const char16_t* kTyped[] = {u"5", u"53", u"536", u"5364", u"53642", u"536427",
                                      u"5364279"};

void SetLabels(IndexTexts& texts) {
  for (int i = 0; i < static_cast<int>(IndexText::Count); ++i) {
    texts.Set(static_cast<IndexText>(i), u"label");
  }
}

// Stores the first `bookCount` contacts in the address book and the next
// `simCount` in the SIM.
void AddBookAndSim(ContactIndex& index, const std::vector<SyntheticContact>& contacts,
                   size_t bookCount, size_t simCount) {
  for (size_t i = 0; i < bookCount + simCount; ++i) {
    const SyntheticContact& c = contacts[i];
    if (i < bookCount) {
      ContactNumbers numbers{};
      for (size_t n = 0; n < c.numbers.size(); ++n) numbers[n * 2] = c.numbers[n].c_str();
      AddContact(index, static_cast<int32_t>(i), numbers, c.name.c_str());
    } else {
      AddSimEntry(index, c.name.c_str(), c.numbers[0].c_str());
    }
  }
}

// Address book, SIM and call log in the proportions 8:1:1, spelled as the
// installed library spells them (with its Hangul dictionary).
ContactIndex& IndexOf(size_t entries) {
  static std::map<size_t, std::unique_ptr<ContactIndex>> cache;
  auto& slot = cache[entries];
  if (slot) return *slot;
  slot = std::make_unique<ContactIndex>();
  ContactIndex& index = *slot;
  SetLabels(index.Texts);
  index.Speller.LoadUserDictionaryBytes(HangulDictionaryBytes().data(),
                                        HangulDictionaryBytes().size());
  const auto contacts = MakeContacts(entries, 7);
  const size_t bookCount = entries * 8 / 10;
  const size_t simCount = entries / 10;
  index.AddressBook.Reset(static_cast<uint32_t>(bookCount));
  index.Sim.Reset(static_cast<uint32_t>(simCount));
  index.CallLog.Reset(static_cast<uint32_t>(entries - bookCount - simCount));
  AddBookAndSim(index, contacts, bookCount, simCount);
  for (size_t i = bookCount + simCount; i < contacts.size(); ++i) {
    AddCallLogEntry(index, contacts[i].name.c_str(), contacts[i].numbers[0].c_str());
  }
  return index;
}

// The same proportions, but the call log's records call 300 of the address
// book's contacts (their first number): each of them once, and 60 of them
// again and again, as the log of a phone that calls the same people does.
ContactIndex& CalledIndexOf(size_t entries) {
  static std::map<size_t, std::unique_ptr<ContactIndex>> cache;
  auto& slot = cache[entries];
  if (slot) return *slot;
  slot = std::make_unique<ContactIndex>();
  ContactIndex& index = *slot;
  SetLabels(index.Texts);
  const auto contacts = MakeContacts(entries, 7);
  const size_t bookCount = entries * 8 / 10;
  const size_t simCount = entries / 10;
  const size_t logCount = entries - bookCount - simCount;
  index.AddressBook.Reset(static_cast<uint32_t>(bookCount));
  index.Sim.Reset(static_cast<uint32_t>(simCount));
  index.CallLog.Reset(static_cast<uint32_t>(logCount));
  AddBookAndSim(index, contacts, bookCount, simCount);
  for (size_t record = 0; record < logCount; ++record) {
    const size_t person = record < 300 ? record : record * 7 % 60;
    const SyntheticContact& called = contacts[person * (bookCount / 300)];
    AddCallLogEntry(index, called.name.c_str(), called.numbers[0].c_str());
  }
  UpdateCallCounts(index);
  return index;
}

void Filter(benchmark::State& state, uint32_t flags) {
  ContactIndex& index = IndexOf(static_cast<size_t>(state.range(0)));
  const char16_t* typed = kTyped[state.range(1) - 1];
  for (auto _ : state) {
    FilterStores(index, typed, flags);
    benchmark::DoNotOptimize(index.Results.Count);
  }
  state.counters["listed"] = index.Results.Count;
  state.counters["entries"] = static_cast<double>(index.AddressBook.Count() + index.Sim.Count() +
                                                  index.CallLog.Count());
  state.counters["bytes_per_entry"] =
      static_cast<double>(sizeof(ContactEntry) + sizeof(EntryDigest));
}

void BM_FilterDefaultBits(benchmark::State& state) { Filter(state, SearchBits::kDefault); }
void BM_FilterAllAnywhereBits(benchmark::State& state) {
  Filter(state, SearchBits::kDefault | SearchBits::kInitialsAnywhere |
                    SearchBits::kNumbersAnywhere);
}

void FilterCalled(benchmark::State& state, ListOrder order) {
  ContactIndex& index = CalledIndexOf(static_cast<size_t>(state.range(0)));
  const char16_t* typed = kTyped[state.range(1) - 1];
  for (auto _ : state) {
    FilterStores(index, typed, SearchBits::kDefault, order);
    benchmark::DoNotOptimize(index.Results.Count);
  }
  state.counters["listed"] = index.Results.Count;
  state.counters["called"] = index.Calls.Count();
}

void BM_FilterCallsInStoreOrder(benchmark::State& state) { FilterCalled(state, ListOrder::Stores); }
void BM_FilterCalledMostFirst(benchmark::State& state) {
  FilterCalled(state, ListOrder::CalledMostFirst);
}

// Counting the calls of every entry, once per load of the stores.
void BM_CountCalls(benchmark::State& state) {
  ContactIndex& index = CalledIndexOf(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    CountCalls(index);
    benchmark::DoNotOptimize(index.Calls.Count());
  }
  state.counters["called"] = index.Calls.Count();
}

// What any pass must touch: the digest of every entry and the line of the
// entry that holds its selected number. The pass over the same stores is
// compared with this.
void BM_FilterFloor(benchmark::State& state) {
  ContactIndex& index = IndexOf(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    uint64_t sum = 0;
    for (ContactStore* store : {&index.AddressBook, &index.Sim, &index.CallLog}) {
      const uint32_t count = store->Count();
      for (uint32_t i = 0; i < count; ++i) {
        if (i + 32 < count) __builtin_prefetch(&(*store)[i + 32].SelectedNumber);
        // The digest's first word, whatever its layout, so that revisions
        // with other digests build this benchmark too.
        uint64_t word = 0;
        std::memcpy(&word, &store->Digest(i), sizeof word);
        sum += word + static_cast<uint32_t>((*store)[i].SelectedNumber);
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}

// Storing the contacts of a load: what the loader thread spends spelling
// them (their own forms and their alternate spellings) and sealing their
// digests, besides reading them from the platform.
void BM_StoreContacts(benchmark::State& state) {
  const auto contacts = MakeContacts(static_cast<size_t>(state.range(0)), 7);
  ContactIndex index;
  SetLabels(index.Texts);
  index.Speller.LoadUserDictionaryBytes(HangulDictionaryBytes().data(),
                                        HangulDictionaryBytes().size());
  for (auto _ : state) {
    index.AddressBook.Reset(static_cast<uint32_t>(contacts.size()));
    for (size_t i = 0; i < contacts.size(); ++i) {
      ContactNumbers numbers{};
      for (size_t n = 0; n < contacts[i].numbers.size(); ++n) numbers[n * 2] = contacts[i].numbers[n].c_str();
      AddContact(index, static_cast<int32_t>(i), numbers, contacts[i].name.c_str());
    }
    benchmark::DoNotOptimize(index.AddressBook.Count());
  }
}

BENCHMARK(BM_StoreContacts)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterDefaultBits)
    ->ArgsProduct({{1000, 10000, 100000}, {1, 2, 3, 4, 5, 6, 7}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterAllAnywhereBits)
    ->ArgsProduct({{1000, 10000, 100000}, {1, 2, 3, 4, 5, 6, 7}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterCallsInStoreOrder)
    ->ArgsProduct({{10000}, {1, 2, 3, 4, 5, 6, 7}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterCalledMostFirst)
    ->ArgsProduct({{10000}, {1, 2, 3, 4, 5, 6, 7}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountCalls)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vostarel::bench
