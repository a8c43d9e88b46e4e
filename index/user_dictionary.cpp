#include "user_dictionary.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vostarel {

namespace {

constexpr char16_t kLineFeed = 0x0A;
constexpr char16_t kReplacement = 0xFFFD;

bool StartsWithUtf8Mark(const unsigned char* in, size_t byteCount) {
  return byteCount >= 3 && in[0] == 0xEF && in[1] == 0xBB && in[2] == 0xBF;
}

// Decodes UTF-8 into `out` (null: only counts) and returns the number of
// UTF-16 units, never more than the number of bytes. A byte that does not
// start a complete sequence of its shortest form for a code point up to
// U+10FFFF outside the surrogates becomes U+FFFD and clears `valid`;
// decoding goes on with the next byte.
size_t DecodeUtf8(const unsigned char* in, size_t byteCount, char16_t* out, bool& valid) {
  size_t units = 0;
  auto put = [&](char32_t unit) {
    if (out != nullptr) out[units] = static_cast<char16_t>(unit);
    ++units;
  };
  valid = true;
  size_t i = 0;
  while (i < byteCount) {
    const unsigned lead = in[i];
    size_t extra = 0;
    char32_t point = 0;
    char32_t shortest = 0;
    if (lead < 0x80) {
      put(lead);
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1, point = lead & 0x1F, shortest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2, point = lead & 0x0F, shortest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3, point = lead & 0x07, shortest = 0x10000;
    }
    size_t length = 1;
    while (extra > 0 && length <= extra && i + length < byteCount &&
           (in[i + length] & 0xC0) == 0x80) {
      point = (point << 6) | (in[i + length] & 0x3F);
      ++length;
    }
    if (extra == 0 || length <= extra || point < shortest || point > 0x10FFFF ||
        (point >= 0xD800 && point <= 0xDFFF)) {
      valid = false;
      put(kReplacement);
      ++i;
      continue;
    }
    if (point >= 0x10000) {
      point -= 0x10000;
      put(0xD800 + (point >> 10));
      put(0xDC00 + (point & 0x3FF));
    } else {
      put(point);
    }
    i += length;
  }
  return units;
}

void DecodeUtf16Le(const unsigned char* in, size_t byteCount, char16_t* out) {
  for (size_t i = 0; i < (byteCount + 1) / 2; ++i) {
    const unsigned low = in[2 * i];
    const unsigned high = 2 * i + 1 < byteCount ? in[2 * i + 1] : 0;
    out[i] = static_cast<char16_t>(low | (high << 8));
  }
}

struct Encoding {
  bool Utf8;
  size_t Units;  // what the bytes decode to, without the terminating zero
};

// The encoding of the file: see UserDictionary::Load. A UTF-16 file holds
// a zero byte as soon as it holds any ASCII, so the UTF-8 check rarely
// reads far into one.
Encoding EncodingOf(const unsigned char* in, size_t byteCount) {
  bool valid = true;
  if (StartsWithUtf8Mark(in, byteCount)) return {true, DecodeUtf8(in, byteCount, nullptr, valid)};
  if (byteCount > 0 && std::memchr(in, 0, byteCount) == nullptr) {
    const size_t units = DecodeUtf8(in, byteCount, nullptr, valid);
    if (valid) return {true, units};
  }
  return {false, (byteCount + 1) / 2};
}

}  // namespace

void UserDictionary::Load(const void* bytes, size_t byteCount) {
  Free();
  if (bytes == nullptr) byteCount = 0;
  const auto* in = static_cast<const unsigned char*>(bytes);
  const Encoding encoding = EncodingOf(in, byteCount);
  // Line positions are kept in 32 bits; a larger file is not a dictionary.
  if (encoding.Units >= kNotFound) return;
  // Room for the decoded units plus the terminating zero unit.
  text_.reset(new (std::nothrow) char16_t[encoding.Units + 1]);
  if (!text_) return;

  if (encoding.Utf8) {
    bool valid = true;
    DecodeUtf8(in, byteCount, text_.get(), valid);
  } else {
    DecodeUtf16Le(in, byteCount, text_.get());
  }
  text_[encoding.Units] = 0;

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
