// Reading a whole file for the command-line tools.
#pragma once

#include <string>

namespace vostarel::cli {

// The file's bytes; false when it cannot be opened or read. `path` is UTF-8;
// on Windows it is opened by its UTF-16 name, so a file name in any
// language opens whatever the PC's code page.
bool ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace vostarel::cli
