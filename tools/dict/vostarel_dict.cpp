// vostarel-dict [--scheme rr|cheonjiin|naratgeul] [--prepend FILE] -o OUTPUT
//
// Writes a user dictionary that spells every precomposed Hangul syllable in
// one scheme (default rr), optionally after the lines of the user's own
// dictionary, whose spellings then win (the first occurrence of a character
// decides). Bad input: exit status 2 and one line on standard error; the
// output is written whole or not at all.
//
// Arguments and messages are UTF-8 inside. On Windows the program takes its
// wide command line, so file names in any language arrive whole (the ANSI
// command line turns what the PC's code page lacks into "?"), and prints
// its message to a console as UTF-16.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "dictionary_file.h"
#include "file_bytes.h"
#include "hangul_spelling.h"
#include "utf.h"

namespace {

constexpr int kFailure = 2;
constexpr char kUsage[] =
    "usage: vostarel-dict [--scheme rr|cheonjiin|naratgeul] [--prepend FILE] -o OUTPUT";

void PrintLine(std::FILE* stream, const std::string& line) {
#ifdef _WIN32
  // A console shows UTF-16 whatever its code page; a pipe or file gets the
  // UTF-8 bytes.
  HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    const std::u16string wide = vostarel::cli::Utf8ToUtf16(line + "\n");
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
#endif
  std::fprintf(stream, "%s\n", line.c_str());
}

int Fail(const std::string& message) {
  PrintLine(stderr, "vostarel-dict: " + message);
  return kFailure;
}

int Run(const std::vector<std::string>& args) {
  using namespace vostarel;
  dict::Scheme scheme = dict::Scheme::Rr;
  const std::string* prependPath = nullptr;
  const std::string* outputPath = nullptr;

  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") {
      PrintLine(stdout, kUsage);
      return 0;
    }
    if (arg != "--scheme" && arg != "--prepend" && arg != "-o") {
      return Fail("unknown argument '" + arg + "'; " + kUsage);
    }
    if (i + 1 >= args.size()) return Fail("missing value for " + arg);
    const std::string& value = args[++i];
    if (arg == "--scheme") {
      const auto named = dict::SchemeNamed(value);
      if (!named) return Fail("unknown scheme '" + value + "' (rr, cheonjiin, naratgeul)");
      scheme = *named;
    } else if (arg == "--prepend") {
      prependPath = &value;
    } else {
      outputPath = &value;
    }
  }
  if (outputPath == nullptr || outputPath->empty()) return Fail(std::string("no output; ") + kUsage);

  std::u16string text;
  if (prependPath != nullptr) {
    std::string bytes;
    if (!cli::ReadFileBytes(*prependPath, bytes)) return Fail("cannot read '" + *prependPath + "'");
    std::string error;
    if (!dict::DecodeUserLines(bytes, text, error)) {
      return Fail("cannot decode '" + *prependPath + "': " + error);
    }
  }
  text += dict::DictionaryLines(scheme);

  std::string error;
  if (!dict::WriteFileReplacing(*outputPath, dict::EncodeDictionaryFile(text), error)) {
    return Fail(error);
  }
  return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(vostarel::cli::Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  }
  return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
