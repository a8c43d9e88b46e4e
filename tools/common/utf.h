// UTF-8 <-> UTF-16 conversion for the command-line tools, which take and
// print UTF-8 while the index works in UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace vostarel::cli {

// Invalid UTF-8 sequences become U+FFFD (and clear *valid when given); code
// points above U+FFFF become surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view text, bool* valid = nullptr);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace vostarel::cli
