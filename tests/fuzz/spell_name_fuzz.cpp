// Dictionary file bytes and a name into SpellName with random output
// capacities: no crash, no write past a capacity, and exactly the result of
// the literal dictionary scan. The name's alternate spellings, in keys and
// in letters, into exactly sized buffers: no write past them.
//
// The file is either the input's raw bytes or a text of the input written
// in one of the encodings a user's file comes in (UTF-16LE or UTF-8, with or
// without its byte-order mark); then the loaded text must be exactly that
// text, read the same whichever way it was written.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "literal_speller.h"
#include "name_alternates.h"
#include "name_speller.h"
#include "utf.h"

namespace {

enum Form : uint8_t { kRawBytes, kUtf16, kUtf16Marked, kUtf8, kUtf8Marked, kFormCount };

std::string Utf16Bytes(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);
  const size_t fullCapacity = input.Byte() % 130;
  const size_t initialsCapacity = input.Byte() % 60;
  const int32_t table = static_cast<int8_t>(input.Byte());
  const uint8_t dictionaryByte = input.Byte();
  const bool withDictionary = dictionaryByte & 1;
  const auto form = static_cast<Form>((dictionaryByte >> 1) % kFormCount);
  const std::u16string name = input.Text(input.Byte() % 64);
  // The alternates' parameters come from bytes read above, so that the
  // corpus keeps its layout.
  const size_t alternatesCapacity = 1 + (fullCapacity * 7 + initialsCapacity) % 200;
  const auto keypad = static_cast<KoreanKeypad>((static_cast<uint8_t>(table) >> 4) & 3);
  const bool callLog = (table & 0x40) != 0;

  // The file, and for a written text what loading it must give: the text
  // (a mark read as U+FEFF) with its leading units above "z" made line feeds.
  std::string file;
  std::u16string expected;
  if (form == kRawBytes) {
    file = input.Bytes(input.Remaining());
  } else {
    // Unpaired surrogates made U+FFFD, so that both encodings hold the text.
    const std::string utf8 = cli::Utf16ToUtf8(input.Text(input.Remaining()));
    const std::u16string text = cli::Utf8ToUtf16(utf8);
    const bool marked = form == kUtf16Marked || form == kUtf8Marked;
    if (form == kUtf16 || form == kUtf16Marked) {
      file = (marked ? std::string("\xFF\xFE") : std::string()) + Utf16Bytes(text);
    } else {
      file = (marked ? std::string("\xEF\xBB\xBF") : std::string()) + utf8;
    }
    expected = (marked ? u"\uFEFF" : u"") + text;
    for (char16_t& unit : expected) {
      if (unit <= u'z') break;
      unit = u'\n';
    }
  }

  NameSpeller speller;
  speller.TTable = table;
  speller.Keypad = keypad;
  if (withDictionary) speller.LoadUserDictionaryBytes(file.data(), file.size());
  // UTF-16LE without a mark is read as UTF-8 when its bytes happen to start
  // as UTF-8's mark or to be zero-free UTF-8 (no ASCII in it); any other
  // written text must come back.
  const bool comesBack =
      form == kUtf16 ? file.find('\0') != std::string::npos && file.rfind("\xEF\xBB\xBF", 0) != 0
                     : form != kRawBytes;
  if (withDictionary && comesBack && speller.Dictionary().Present() &&
      speller.Dictionary().Text() != expected) {
    std::abort();
  }

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
