// Line and field helpers shared by the device data file parsers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vostarel::device {

// Splits a text into lines at CR LF, LF or a lone CR; the terminators are
// not part of the lines. A terminator at the very end starts no extra line.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);

// Splits a line at every TAB.
std::vector<std::u16string_view> SplitFields(std::u16string_view line);

// Without leading and trailing spaces and TABs.
std::u16string_view TrimBlanks(std::u16string_view text);

// True when the text holds nothing but spaces and TABs.
bool IsBlank(std::u16string_view text);

// Compares with an ASCII text, folding only ASCII letters.
bool EqualsAsciiNoCase(std::u16string_view text, std::string_view ascii);
bool StartsWithAsciiNoCase(std::u16string_view text, std::string_view ascii);

// A decimal number of ASCII digits only (no sign, no blanks) that is at most
// `max`; nothing when the text is empty, holds anything else or is larger.
std::optional<uint32_t> ParseDecimal(std::u16string_view text, uint32_t max);

}  // namespace vostarel::device
