#include "text_lines.h"

namespace vostarel::device {
namespace {

bool IsBlankUnit(char16_t unit) { return unit == u' ' || unit == u'\t'; }

char16_t FoldAscii(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

}  // namespace

std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  size_t start = 0;
  size_t at = 0;
  while (at < text.size()) {
    const char16_t unit = text[at];
    if (unit == u'\n' || unit == u'\r') {
      lines.push_back(text.substr(start, at - start));
      at += (unit == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ? 2 : 1;
      start = at;
    } else {
      ++at;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::u16string_view> SplitFields(std::u16string_view line) {
  std::vector<std::u16string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find(u'\t', start);
    if (tab == std::u16string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

std::u16string_view TrimBlanks(std::u16string_view text) {
  while (!text.empty() && IsBlankUnit(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankUnit(text.back())) text.remove_suffix(1);
  return text;
}

bool IsBlank(std::u16string_view text) { return TrimBlanks(text).empty(); }

bool EqualsAsciiNoCase(std::u16string_view text, std::string_view ascii) {
  return text.size() == ascii.size() && StartsWithAsciiNoCase(text, ascii);
}

bool StartsWithAsciiNoCase(std::u16string_view text, std::string_view ascii) {
  if (text.size() < ascii.size()) return false;
  for (size_t at = 0; at < ascii.size(); ++at) {
    const char16_t expected = static_cast<char16_t>(static_cast<unsigned char>(ascii[at]));
    if (FoldAscii(text[at]) != FoldAscii(expected)) return false;
  }
  return true;
}

std::optional<uint32_t> ParseDecimal(std::u16string_view text, uint32_t max) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(unit - u'0');
    if (value > max) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

}  // namespace vostarel::device
