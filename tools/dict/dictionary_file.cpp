#include "dictionary_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "utf.h"

namespace vostarel::dict {

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

bool DecodeUtf16Le(std::string_view bytes, std::u16string& text, std::string& error) {
  if (bytes.size() % 2 != 0) {
    error = "odd number of bytes for UTF-16";
    return false;
  }
  text.clear();
  for (size_t i = 0; i < bytes.size(); i += 2) {
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool lead = unit >= 0xD800 && unit <= 0xDBFF;
    const bool trail = unit >= 0xDC00 && unit <= 0xDFFF;
    if (lead && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (lead || trail) {
      error = "unpaired UTF-16 surrogate";
      return false;
    }
  }
  return true;
}

bool DecodeText(std::string_view bytes, std::u16string& text, std::string& error) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  else if (StartsWith(bytes, "\xFF\xFE")) return DecodeUtf16Le(bytes.substr(2), text, error);
  else if (StartsWith(bytes, "\xFE\xFF")) {
    error = "UTF-16 big-endian is not supported; save it as UTF-16LE or UTF-8";
    return false;
  } else if (bytes.find('\0') != std::string_view::npos) {
    return DecodeUtf16Le(bytes, text, error);
  }
  bool valid = true;
  text = cli::Utf8ToUtf16(bytes, &valid);
  if (!valid) error = "neither UTF-8 nor UTF-16LE";
  return valid;
}

}  // namespace

bool DecodeUserLines(std::string_view bytes, std::u16string& lines, std::string& error) {
  std::u16string text;
  if (!DecodeText(bytes, text, error)) return false;
  if (text.find(u'\0') != std::u16string::npos) {
    error = "holds a zero character";
    return false;
  }
  lines.clear();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(u"\r\n", start);
    lines.append(text, start, end == std::u16string::npos ? std::u16string::npos : end - start);
    lines += u"\r\n";
    if (end == std::u16string::npos) break;
    start = end + (text.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
  }
  return true;
}

std::string EncodeDictionaryFile(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  bytes.reserve(2 + 2 * text.size());
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

#ifdef _WIN32
// The Windows build (the release's tools/vostarel-dict.exe, run on a PC):
// the same write through a temporary file, which then replaces the target
// in one step. The UTF-8 path is used by its UTF-16 name, so a file name in
// any language works whatever the PC's code page.
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  const std::string temporary = path + ".tmp" + std::to_string(GetCurrentProcessId());
  const std::u16string widePath = cli::Utf8ToUtf16(path);
  const std::u16string wideTemporary = cli::Utf8ToUtf16(temporary);
  const auto* target = reinterpret_cast<const wchar_t*>(widePath.c_str());
  const auto* staged = reinterpret_cast<const wchar_t*>(wideTemporary.c_str());
  const HANDLE file =
      CreateFileW(staged, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = "cannot create a file beside '" + path + "' (error " +
            std::to_string(GetLastError()) + ")";
    return false;
  }
  size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1u << 20));
    DWORD n = 0;
    if (!WriteFile(file, bytes.data() + written, chunk, &n, nullptr) || n == 0) break;
    written += n;
  }
  const bool complete = written == bytes.size() && FlushFileBuffers(file);
  const DWORD writeError = GetLastError();
  if (!CloseHandle(file) || !complete) {
    error = "cannot write '" + temporary + "' (error " +
            std::to_string(complete ? GetLastError() : writeError) + ")";
    DeleteFileW(staged);
    return false;
  }
  if (!MoveFileExW(staged, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = "cannot replace '" + path + "' (error " + std::to_string(GetLastError()) + ")";
    DeleteFileW(staged);
    return false;
  }
  return true;
}
#else
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error) {
  std::string temporary = path + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    error = "cannot create a file beside '" + path + "': " + std::strerror(errno);
    return false;
  }
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  // mkstemp makes the file readable by its owner only; give it the mode a
  // newly created file gets, since a dictionary is not secret.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  const bool complete = written == bytes.size() && fsync(fd) == 0;
  const int writeErrno = errno;
  if (close(fd) != 0 || !complete) {
    error = "cannot write '" + temporary + "': " + std::strerror(complete ? errno : writeErrno);
    unlink(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = "cannot replace '" + path + "': " + std::strerror(errno);
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

#endif

}  // namespace vostarel::dict
