// Reading a user's own dictionary file and writing a dictionary file the
// library reads (UTF-16 little-endian with a byte-order mark, lines ending
// in CR LF).
#pragma once

#include <string>
#include <string_view>

namespace vostarel::dict {

// The text of a user's dictionary file given as UTF-16LE (with or without a
// byte-order mark) or UTF-8 (with or without one), with every line ended by
// CR LF whatever ending it had (CR LF, LF, CR or none on the last line), so
// nothing appended after it can run into its last line. A file without a
// byte-order mark is read as UTF-16LE when it holds a zero byte (any ASCII
// spelling has one in UTF-16) and as UTF-8 otherwise. Returns false with a
// reason in `error` for text that is not valid in its encoding, UTF-16
// big-endian, or a zero character (the library's text would end there and
// every line after it would be lost).
bool DecodeUserLines(std::string_view bytes, std::u16string& lines, std::string& error);

// The file's bytes: a byte-order mark, then `text` as UTF-16LE.
std::string EncodeDictionaryFile(std::u16string_view text);

// Writes `bytes` to `path` (UTF-8) through a temporary file in the same
// folder that is renamed over it, so `path` is never left half written.
// Returns false with a reason in `error`.
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace vostarel::dict
