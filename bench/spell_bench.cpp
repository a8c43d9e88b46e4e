// Spelling 10,000 mixed names (what loading a phone book costs), without a
// dictionary and with a 20,000-line dictionary, indexed against a literal
// scan of the dictionary text for every character; loading the shipped
// Hangul dictionary and spelling 10,000 Korean names with it.
#include <benchmark/benchmark.h>

#include "contact_entry.h"
#include "dictionary_file.h"
#include "hangul_spelling.h"
#include "literal_speller.h"
#include "name_speller.h"
#include "synthetic_data.h"
#include "utf.h"

namespace vostarel::bench {
namespace {

constexpr size_t kNames = 10000;
constexpr size_t kDictionaryLines = 20000;

const std::vector<std::u16string>& Names() {
  static const auto names = MakeNames(kNames, 11);
  return names;
}

const NameSpeller& SpellerWithDictionary() {
  static const NameSpeller speller = [] {
    NameSpeller s;
    const auto bytes = MakeDictionaryBytes(kDictionaryLines, 13);
    s.LoadUserDictionaryBytes(bytes.data(), bytes.size());
    return s;
  }();
  return speller;
}

void SpellAll(benchmark::State& state, const NameSpeller& speller) {
  char16_t full[kSpelledNameCapacity];
  char16_t initials[kNameInitialsCapacity];
  for (auto _ : state) {
    for (const auto& name : Names()) {
      speller.SpellName(name.c_str(), full, kSpelledNameCapacity, initials,
                        kNameInitialsCapacity);
      benchmark::DoNotOptimize(full[0]);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kNames));
}

void BM_SpellNoDictionary(benchmark::State& state) {
  const NameSpeller speller;
  SpellAll(state, speller);
}

void BM_SpellIndexedDictionary(benchmark::State& state) {
  SpellAll(state, SpellerWithDictionary());
  state.counters["index_bytes"] = static_cast<double>(SpellerWithDictionary().Dictionary().IndexBytes());
}

void BM_SpellLiteralDictionary(benchmark::State& state) {
  const char16_t* text = SpellerWithDictionary().Dictionary().Text();
  char16_t full[kSpelledNameCapacity];
  char16_t initials[kNameInitialsCapacity];
  for (auto _ : state) {
    for (const auto& name : Names()) {
      testing::LiteralSpellName(text, 0, name.c_str(), full, kSpelledNameCapacity, initials,
                                kNameInitialsCapacity);
      benchmark::DoNotOptimize(full[0]);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kNames));
}

void BM_LoadDictionary(benchmark::State& state) {
  const auto bytes = MakeDictionaryBytes(kDictionaryLines, 13);
  for (auto _ : state) {
    NameSpeller s;
    s.LoadUserDictionaryBytes(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(s.Dictionary().Text());
  }
  state.counters["text_bytes"] = static_cast<double>(bytes.size());
}

void BM_LoadHangulDictionary(benchmark::State& state) {
  const std::string& bytes = HangulDictionaryBytes();
  for (auto _ : state) {
    NameSpeller s;
    s.LoadUserDictionaryBytes(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(s.Dictionary().Text());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

// The same lines saved as UTF-8 without a mark, as a PC editor saves a
// user's own dictionary: checked as UTF-8, then decoded.
void BM_LoadHangulDictionaryUtf8(benchmark::State& state) {
  static const std::string bytes = cli::Utf16ToUtf8(dict::DictionaryLines(dict::Scheme::Rr));
  for (auto _ : state) {
    NameSpeller s;
    s.LoadUserDictionaryBytes(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(s.Dictionary().Text());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void BM_SpellHangulNames(benchmark::State& state) {
  static const auto names = MakeHangulNames(kNames, 17);
  NameSpeller speller;
  speller.LoadUserDictionaryBytes(HangulDictionaryBytes().data(), HangulDictionaryBytes().size());
  char16_t full[kSpelledNameCapacity];
  char16_t initials[kNameInitialsCapacity];
  for (auto _ : state) {
    for (const auto& name : names) {
      speller.SpellName(name.c_str(), full, kSpelledNameCapacity, initials,
                        kNameInitialsCapacity);
      benchmark::DoNotOptimize(full[0]);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kNames));
}

BENCHMARK(BM_SpellNoDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpellIndexedDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpellLiteralDictionary)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHangulDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHangulDictionaryUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpellHangulNames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vostarel::bench
