// Dictionary file bytes and a name into SpellName with random output
// capacities: no crash, no write past a capacity, and exactly the result of
// the literal dictionary scan. The name's alternate spellings, in keys and
// in letters, into exactly sized buffers: no write past them.
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "literal_speller.h"
#include "name_alternates.h"
#include "name_speller.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);
  const size_t fullCapacity = input.Byte() % 130;
  const size_t initialsCapacity = input.Byte() % 60;
  const int32_t table = static_cast<int8_t>(input.Byte());
  const bool withDictionary = input.Byte() & 1;
  const size_t alternatesCapacity = 1 + input.Byte() % 200;
  const auto keypad = static_cast<KoreanKeypad>(input.Byte() % 4);
  const bool callLog = input.Byte() & 1;
  const std::u16string name = input.Text(input.Byte() % 64);
  const std::string dictionary = input.Bytes(input.Remaining());

  NameSpeller speller;
  speller.TTable = table;
  speller.Keypad = keypad;
  if (withDictionary) speller.LoadUserDictionaryBytes(dictionary.data(), dictionary.size());

  // Exactly sized buffers so AddressSanitizer sees any write past them.
  std::vector<char16_t> full(fullCapacity), initials(initialsCapacity);
  std::vector<char16_t> fullRef(fullCapacity), initialsRef(initialsCapacity);
  speller.SpellName(name.c_str(), full.data(), fullCapacity, initials.data(), initialsCapacity);
  testing::LiteralSpellName(speller.Dictionary().Text(), table, name.c_str(), fullRef.data(),
                            fullCapacity, initialsRef.data(), initialsCapacity);
  if (full != fullRef || initials != initialsRef) std::abort();

  std::vector<uint8_t> keys(alternatesCapacity);
  std::vector<char16_t> letters(alternatesCapacity);
  SpellAlternates(speller, name.c_str(), callLog, keys.data(), alternatesCapacity);
  SpellAlternateLetters(speller, name.c_str(), callLog, letters.data(), alternatesCapacity);
  // Both end with an empty record inside their buffers, at the same place.
  size_t at = 0;
  while (at < alternatesCapacity && keys[at] != 0) {
    while (at < alternatesCapacity && keys[at] != 0) ++at;
    ++at;
  }
  if (at >= alternatesCapacity || letters[at] != 0) std::abort();
  return 0;
}
