#include "file_bytes.h"

#include <cstdio>
#include <memory>

#include "utf.h"

namespace vostarel::cli {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::FILE* OpenForReading(const std::string& path) {
#ifdef _WIN32
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  const std::u16string wide = Utf8ToUtf16(path);
  return _wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  const std::unique_ptr<std::FILE, FileCloser> file(OpenForReading(path));
  if (!file) return false;
  bytes.clear();
  char chunk[1 << 16];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.append(chunk, got);
  return std::ferror(file.get()) == 0;
}

}  // namespace vostarel::cli
