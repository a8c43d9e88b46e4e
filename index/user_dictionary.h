// The user dictionary: a text file of lines "spelling<TAB or
// space>characters...", in UTF-16LE or UTF-8. The whole file is kept as one
// zero-terminated UTF-16 text.
// For each character the first place where it occurs anywhere in the text
// selects its line, and the spelling runs from that line's start up to the
// first TAB, space or zero unit (it does not stop at line ends, so a line
// without a separator runs on into the next lines).
//
// Finding that first occurrence literally means scanning the whole text for
// every character of every name. Instead, Load() walks the text once and
// records, for each code unit from U+0080 up, the start of the line of its
// first occurrence. A lookup is then one array read. The table costs 4 bytes
// per code unit (256 KB) on top of the text, and only while a dictionary is
// loaded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vostarel {

class UserDictionary {
 public:
  // Takes the file's raw bytes and decodes them into the text; everything
  // after the decoding is the same for both encodings.
  //
  // The bytes are UTF-8 when they start with the UTF-8 byte-order mark, or
  // when they hold no zero byte and are valid UTF-8 throughout (editors on
  // a PC write that, and a UTF-16 file with any ASCII in it holds zero
  // bytes). UTF-8 with its mark may still hold broken sequences: each
  // becomes U+FFFD, which no name contains.
  //
  // Otherwise they are UTF-16LE: the bytes become little-endian units and an
  // odd last byte becomes the low byte of a final unit.
  //
  // Then a zero unit ends the text right after the decoded units (an
  // earlier zero unit ends it there), and the leading run of units above
  // U+007A ("z") is overwritten with line feeds (so a byte-order mark of
  // either encoding turns into a line feed). An empty byte range gives a
  // present but empty dictionary. When memory cannot be had the dictionary
  // is left absent.
  void Load(const void* bytes, size_t byteCount);
  void Free();

  bool Present() const { return text_ != nullptr; }
  // The zero-terminated dictionary text, or null when absent.
  const char16_t* Text() const { return text_.get(); }

  // Start of the line of the first occurrence of `unit` (U+0080 or above),
  // or null when the unit does not occur or no dictionary is loaded.
  const char16_t* FindLine(char16_t unit) const;

  // Bytes held by the lookup table (0 while absent).
  size_t IndexBytes() const;

 private:
  static constexpr uint32_t kNotFound = 0xFFFFFFFFu;
  static constexpr char16_t kFirstIndexedUnit = 0x80;
  static constexpr size_t kIndexEntries = 0x10000 - kFirstIndexedUnit;

  void BuildIndex();

  std::unique_ptr<char16_t[]> text_;
  std::unique_ptr<uint32_t[]> lineOfFirst_;
};

// Where a dictionary spelling starting at `lineStart` ends: the first TAB,
// space or zero unit.
const char16_t* DictionarySpellingEnd(const char16_t* lineStart);

}  // namespace vostarel
