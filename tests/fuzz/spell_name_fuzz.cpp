// Dictionary file bytes and a name into SpellName with random output
// capacities: no crash, no write past a capacity, and exactly the result of
// the literal dictionary scan.
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "literal_speller.h"
#include "name_speller.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);
  const size_t fullCapacity = input.Byte() % 130;
  const size_t initialsCapacity = input.Byte() % 60;
  const int32_t table = static_cast<int8_t>(input.Byte());
  const bool withDictionary = input.Byte() & 1;
  const std::u16string name = input.Text(input.Byte() % 64);
  const std::string dictionary = input.Bytes(input.Remaining());

  NameSpeller speller;
  speller.TTable = table;
  if (withDictionary) speller.LoadUserDictionaryBytes(dictionary.data(), dictionary.size());

  // Exactly sized buffers so AddressSanitizer sees any write past them.
  std::vector<char16_t> full(fullCapacity), initials(initialsCapacity);
  std::vector<char16_t> fullRef(fullCapacity), initialsRef(initialsCapacity);
  speller.SpellName(name.c_str(), full.data(), fullCapacity, initials.data(), initialsCapacity);
  testing::LiteralSpellName(speller.Dictionary().Text(), table, name.c_str(), fullRef.data(),
                            fullCapacity, initialsRef.data(), initialsCapacity);
  if (full != fullRef || initials != initialsRef) std::abort();
  return 0;
}
