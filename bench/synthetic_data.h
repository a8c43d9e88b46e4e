// Deterministic synthetic contacts and dictionaries for the benchmarks.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vostarel::bench {

struct SyntheticContact {
  std::u16string name;
  std::vector<std::u16string> numbers;  // 1..4
};

// A mix of Hangul names (half of them), Latin names ("Alice Smith"), Chinese
// names of two or three ideographs and number-only names, with one to four
// numbers in the forms a phone book holds ("010-1234-5678", "(02) 555-0100",
// and one in five in international form: "+82 10-1234-5678", "+44 20 ...").
std::vector<SyntheticContact> MakeContacts(size_t count, uint32_t seed);

// Names as they reach the speller: the display names of MakeContacts.
std::vector<std::u16string> MakeNames(size_t count, uint32_t seed);

// Korean names of two to four Hangul syllables, any syllable of the block
// (the first one from common surnames).
std::vector<std::u16string> MakeHangulNames(size_t count, uint32_t seed);

// A user dictionary of `lines` lines "spelling<TAB>characters", covering
// Hangul syllables and ideographs, as UTF-16LE file bytes with a byte-order
// mark.
std::vector<unsigned char> MakeDictionaryBytes(size_t lines, uint32_t seed);

// The file the library reads beside itself as installed: the Revised
// Romanization dictionary as vostarel-dict writes it.
const std::string& HangulDictionaryBytes();

}  // namespace vostarel::bench
