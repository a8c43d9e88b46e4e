// Reading a whole file for the command-line tools.
#pragma once

#include <string>

namespace vostarel::cli {

// The file's bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace vostarel::cli
