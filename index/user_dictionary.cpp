#include "user_dictionary.h"

#include <algorithm>
#include <new>

namespace vostarel {

namespace {

constexpr char16_t kLineFeed = 0x0A;

}  // namespace

void UserDictionary::Load(const void* bytes, size_t byteCount) {
  Free();
  if (bytes == nullptr) byteCount = 0;
  const size_t unitCount = (byteCount + 1) / 2;
  // Line positions are kept in 32 bits; a larger file is not a dictionary.
  if (unitCount >= kNotFound) return;
  // Room for the units read plus the terminating zero unit.
  text_.reset(new (std::nothrow) char16_t[unitCount + 1]);
  if (!text_) return;

  const auto* in = static_cast<const unsigned char*>(bytes);
  for (size_t i = 0; i < unitCount; ++i) {
    const unsigned low = in[2 * i];
    const unsigned high = 2 * i + 1 < byteCount ? in[2 * i + 1] : 0;
    text_[i] = static_cast<char16_t>(low | (high << 8));
  }
  text_[unitCount] = 0;

  for (char16_t* unit = text_.get(); *unit > u'z'; ++unit) *unit = kLineFeed;

  BuildIndex();
}

void UserDictionary::BuildIndex() {
  lineOfFirst_.reset(new (std::nothrow) uint32_t[kIndexEntries]);
  if (!lineOfFirst_) {
    // Without the lookup table the dictionary cannot be used; treat it as
    // absent, like a dictionary whose buffer could not be allocated.
    text_.reset();
    return;
  }
  std::fill_n(lineOfFirst_.get(), kIndexEntries, kNotFound);

  const char16_t* text = text_.get();
  uint32_t lineStart = 0;
  for (uint32_t i = 0; text[i] != 0; ++i) {
    const char16_t unit = text[i];
    if (unit == kLineFeed) {
      lineStart = i + 1;
    } else if (unit >= kFirstIndexedUnit) {
      uint32_t& slot = lineOfFirst_[unit - kFirstIndexedUnit];
      if (slot == kNotFound) slot = lineStart;
    }
  }
}

void UserDictionary::Free() {
  lineOfFirst_.reset();
  text_.reset();
}

const char16_t* UserDictionary::FindLine(char16_t unit) const {
  if (!lineOfFirst_ || unit < kFirstIndexedUnit) return nullptr;
  const uint32_t lineStart = lineOfFirst_[unit - kFirstIndexedUnit];
  return lineStart == kNotFound ? nullptr : text_.get() + lineStart;
}

size_t UserDictionary::IndexBytes() const {
  return lineOfFirst_ ? kIndexEntries * sizeof(uint32_t) : 0;
}

const char16_t* DictionarySpellingEnd(const char16_t* lineStart) {
  const char16_t* end = lineStart;
  while (*end != 0 && *end != u'\t' && *end != u' ') ++end;
  return end;
}

}  // namespace vostarel
