// vostarel-spell [--table N] [--dict FILE] NAME...
//
// Prints, for each NAME, its full spelled form, a TAB and its initials form,
// spelled exactly as the library spells a contact's display name: the name is
// first cut to the display-name field, and both forms are bounded by their
// record fields. --dict reads a user dictionary file the way the library does,
// so users can check their own dictionary.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "contact_entry.h"
#include "file_bytes.h"
#include "name_speller.h"
#include "text.h"
#include "utf.h"

namespace {

constexpr int kUsageError = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "vostarel-spell: %s\n", message.c_str());
  return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vostarel;
  NameSpeller speller;
  std::vector<const char*> names;

  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--table") == 0 || std::strcmp(arg, "--dict") == 0) {
      if (i + 1 >= argc) return Fail(std::string("missing value for ") + arg);
      const char* value = argv[++i];
      if (arg[2] == 't') {
        if (std::strlen(value) != 1 || value[0] < '0' || value[0] >= '0' + kSpellingTableCount) {
          return Fail(std::string("--table takes 0, 1 or 2, not '") + value + "'");
        }
        speller.TTable = value[0] - '0';
      } else {
        std::string bytes;
        if (!cli::ReadFileBytes(value, bytes)) {
          return Fail(std::string("cannot read dictionary '") + value + "'");
        }
        speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
      }
    } else if (std::strcmp(arg, "--") == 0) {
      names.insert(names.end(), argv + i + 1, argv + argc);
      break;
    } else if (arg[0] == '-' && arg[1] == '-') {
      return Fail(std::string("unknown option '") + arg + "'");
    } else {
      names.push_back(arg);
    }
  }
  if (names.empty()) {
    return Fail("usage: vostarel-spell [--table N] [--dict FILE] NAME...");
  }

  for (const char* name : names) {
    char16_t displayName[kDisplayNameCapacity];
    CopyText(displayName, cli::Utf8ToUtf16(name).c_str());
    char16_t full[kSpelledNameCapacity];
    char16_t initials[kNameInitialsCapacity];
    speller.SpellName(displayName, full, kSpelledNameCapacity, initials, kNameInitialsCapacity);
    std::printf("%s\t%s\n", cli::Utf16ToUtf8(full).c_str(), cli::Utf16ToUtf8(initials).c_str());
  }
  return 0;
}
