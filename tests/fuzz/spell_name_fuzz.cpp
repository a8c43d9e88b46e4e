// Dictionary file bytes and a name into SpellName with random output
// capacities: no crash, no write past a capacity, and exactly the result of
// the literal dictionary scan.
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
#include "name_speller.h"

namespace {

enum Form : uint8_t { kRawBytes, kUtf16, kUtf16Marked, kUtf8, kUtf8Marked, kFormCount };

// `units` with every unpaired surrogate made U+FFFD, so that both encodings
// can hold it.
std::u16string Paired(const std::u16string& units) {
  std::u16string text = units;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool lead = text[i] >= 0xD800 && text[i] <= 0xDBFF;
    const bool trail = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
    if (lead && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (lead || trail) {
      text[i] = 0xFFFD;
    }
  }
  return text;
}

std::string Utf16Bytes(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::string Utf8Bytes(const std::u16string& text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t point = text[i];
    if (point >= 0xD800 && point <= 0xDBFF) {
      point = 0x10000 + ((point - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (point < 0x80) {
      bytes.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
      bytes.push_back(static_cast<char>(0xC0 | (point >> 6)));
      bytes.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
      bytes.push_back(static_cast<char>(0xE0 | (point >> 12)));
      bytes.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
      bytes.push_back(static_cast<char>(0xF0 | (point >> 18)));
      bytes.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
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

  // The file, and for a written text what loading it must give: the text
  // (a mark read as U+FEFF) with its leading units above "z" made line feeds.
  std::string file;
  std::u16string expected;
  if (form == kRawBytes) {
    file = input.Bytes(input.Remaining());
  } else {
    const std::u16string text = Paired(input.Text(input.Remaining()));
    const bool marked = form == kUtf16Marked || form == kUtf8Marked;
    if (form == kUtf16 || form == kUtf16Marked) {
      file = (marked ? std::string("\xFF\xFE") : std::string()) + Utf16Bytes(text);
    } else {
      file = (marked ? std::string("\xEF\xBB\xBF") : std::string()) + Utf8Bytes(text);
    }
    expected = (marked ? u"\uFEFF" : u"") + text;
    for (char16_t& unit : expected) {
      if (unit <= u'z') break;
      unit = u'\n';
    }
  }

  NameSpeller speller;
  speller.TTable = table;
  if (withDictionary) speller.LoadUserDictionaryBytes(file.data(), file.size());
  // UTF-16LE without a mark is read as UTF-8 when its bytes happen to be
  // zero-free UTF-8 (no ASCII in it); any other written text must come back.
  const bool comesBack = form == kUtf16 ? file.find('\0') != std::string::npos
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
  return 0;
}
