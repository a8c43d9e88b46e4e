#include "utf8.h"

#include <cstdint>

namespace vostarel::device {
namespace {

void AppendCodePoint(std::u16string& out, uint32_t codePoint) {
  if (codePoint < 0x10000) {
    out.push_back(static_cast<char16_t>(codePoint));
    return;
  }
  codePoint -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string& out, uint32_t codePoint) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

}  // namespace

std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  const size_t size = bytes.size();
  size_t at = 0;
  while (at < size) {
    const uint8_t lead = static_cast<uint8_t>(bytes[at]);
    if (lead < 0x80) {
      out.push_back(lead == 0 ? kReplacementCharacter : static_cast<char16_t>(lead));
      ++at;
      continue;
    }
    // The continuation bytes needed and the range the first of them must be
    // in; the narrowed ranges exclude overlong forms, surrogates and code
    // points above U+10FFFF.
    size_t needed = 0;
    uint32_t codePoint = 0;
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      needed = 1;
      codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      needed = 2;
      codePoint = lead & 0x0Fu;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      needed = 3;
      codePoint = lead & 0x07u;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      out.push_back(kReplacementCharacter);
      ++at;
      continue;
    }
    size_t next = at + 1;
    size_t taken = 0;
    while (taken < needed && next < size) {
      const uint8_t unit = static_cast<uint8_t>(bytes[next]);
      if (unit < low || unit > high) break;
      codePoint = (codePoint << 6) | (unit & 0x3Fu);
      low = 0x80;
      high = 0xBF;
      ++next;
      ++taken;
    }
    if (taken < needed) {
      // The bytes that were valid so far make one replacement; the byte that
      // broke the sequence starts the next one.
      out.push_back(kReplacementCharacter);
    } else {
      AppendCodePoint(out, codePoint);
    }
    at = next;
  }
  return out;
}

std::string EncodeUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size(); ++at) {
    const uint32_t unit = text[at];
    if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
        text[at + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[at + 1] - 0xDC00u));
      ++at;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(out, kReplacementCharacter);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::string_view SkipUtf8Bom(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  return bytes;
}

}  // namespace vostarel::device
