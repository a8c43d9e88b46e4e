// UTF-8 <-> UTF-16 for the device data files, which are UTF-8 text while
// the platform hands out UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace vostarel::device {

inline constexpr char16_t kReplacementCharacter = 0xFFFD;

// Decodes UTF-8. Each maximal invalid or truncated sequence (a stray
// continuation byte, an overlong form, an encoded surrogate, a code point
// above U+10FFFF, a sequence cut short) becomes one U+FFFD, and decoding goes
// on after it. A zero byte also becomes U+FFFD: no text in a data file holds
// one, and kept it would cut the text short once handed out as a
// zero-terminated string. Code points above U+FFFF become surrogate pairs.
std::u16string DecodeUtf8(std::string_view bytes);

// Encodes UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

// The bytes after a leading UTF-8 byte-order mark, or all of them.
std::string_view SkipUtf8Bom(std::string_view bytes);

}  // namespace vostarel::device
