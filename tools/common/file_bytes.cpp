#include "file_bytes.h"

#include <fstream>
#include <iterator>

namespace vostarel::cli {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

}  // namespace vostarel::cli
