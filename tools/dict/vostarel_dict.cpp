// vostarel-dict [--scheme rr|cheonjiin|naratgeul] [--prepend FILE] -o OUTPUT
//
// Writes a user dictionary that spells every precomposed Hangul syllable in
// one scheme (default rr), optionally after the lines of the user's own
// dictionary, whose spellings then win (the first occurrence of a character
// decides). Bad input: exit status 2 and one line on standard error; the
// output is written whole or not at all.
#include <cstdio>
#include <cstring>
#include <string>

#include "dictionary_file.h"
#include "file_bytes.h"
#include "hangul_spelling.h"

namespace {

constexpr int kFailure = 2;
constexpr char kUsage[] =
    "usage: vostarel-dict [--scheme rr|cheonjiin|naratgeul] [--prepend FILE] -o OUTPUT";

int Fail(const std::string& message) {
  std::fprintf(stderr, "vostarel-dict: %s\n", message.c_str());
  return kFailure;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vostarel;
  dict::Scheme scheme = dict::Scheme::Rr;
  const char* prependPath = nullptr;
  const char* outputPath = nullptr;

  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::printf("%s\n", kUsage);
      return 0;
    }
    if (arg != "--scheme" && arg != "--prepend" && arg != "-o") {
      return Fail("unknown argument '" + arg + "'; " + kUsage);
    }
    if (i + 1 >= argc) return Fail("missing value for " + arg);
    const char* value = argv[++i];
    if (arg == "--scheme") {
      const auto named = dict::SchemeNamed(value);
      if (!named) return Fail(std::string("unknown scheme '") + value + "' (rr, cheonjiin, naratgeul)");
      scheme = *named;
    } else if (arg == "--prepend") {
      prependPath = value;
    } else {
      outputPath = value;
    }
  }
  if (outputPath == nullptr || *outputPath == 0) return Fail(std::string("no output; ") + kUsage);

  std::u16string text;
  if (prependPath != nullptr) {
    std::string bytes;
    if (!cli::ReadFileBytes(prependPath, bytes)) {
      return Fail(std::string("cannot read '") + prependPath + "'");
    }
    std::string error;
    if (!dict::DecodeUserLines(bytes, text, error)) {
      return Fail(std::string("cannot decode '") + prependPath + "': " + error);
    }
  }
  text += dict::DictionaryLines(scheme);

  std::string error;
  if (!dict::WriteFileReplacing(outputPath, dict::EncodeDictionaryFile(text), error)) {
    return Fail(error);
  }
  return 0;
}
