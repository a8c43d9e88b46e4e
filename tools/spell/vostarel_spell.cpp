// vostarel-spell [--table N] [--keypad KEYPAD] [--dict FILE] NAME...
//
// Prints, for each NAME, its full spelled form, a TAB and its initials form,
// spelled exactly as the library spells a contact's display name: the name is
// first cut to the display-name field, and both forms are bounded by their
// record fields. Then, for each alternate spelling the library keeps for the
// name, a TAB and the spelling in letters after a word for what it stands
// for: "keypad" (a Korean keypad's consonant keys, tested as the name and as
// its initials), "initials" or "name"; "{gim|kim}" offers a choice. --dict
// reads a user dictionary file the way the library does, so users can check
// their own dictionary; --table and --keypad choose as the Spelling page does
// (defaults 0 and cheonjiin).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "contact_entry.h"
#include "file_bytes.h"
#include "name_alternates.h"
#include "name_speller.h"
#include "spelling_options.h"
#include "text.h"
#include "utf.h"

namespace {

using namespace vostarel;

constexpr int kUsageError = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "vostarel-spell: %s\n", message.c_str());
  return kUsageError;
}

const char* KindWord(char16_t kind) {
  if (kind == (kAlternateInitials | kAlternateSpelledName)) return "keypad";
  return kind == kAlternateInitials ? "initials" : "name";
}

// The name's alternate spellings, each after a TAB.
std::string Alternates(const NameSpeller& speller, const char16_t* name) {
  char16_t letters[kNameAlternatesCapacity];
  SpellAlternateLetters(speller, name, false, letters, kNameAlternatesCapacity);
  std::string out;
  for (const char16_t* record = letters; *record != 0; record += TextLength(record) + 1) {
    out += std::string("\t") + KindWord(record[0]) + " " + cli::Utf16ToUtf8(record + 1);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  NameSpeller speller;
  std::vector<const char*> names;

  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (cli::IsSpellingOption(arg) || arg == "--dict") {
      if (i + 1 >= argc) return Fail("missing value for " + arg);
      const char* value = argv[++i];
      if (arg != "--dict") {
        if (const auto error = cli::ApplySpellingOption(arg, value, speller)) return Fail(*error);
        continue;
      }
      std::string bytes;
      if (!cli::ReadFileBytes(value, bytes)) {
        return Fail(std::string("cannot read dictionary '") + value + "'");
      }
      speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
    } else if (arg == "--") {
      names.insert(names.end(), argv + i + 1, argv + argc);
      break;
    } else if (arg.rfind("--", 0) == 0) {
      return Fail("unknown option '" + arg + "'");
    } else {
      names.push_back(argv[i]);
    }
  }
  if (names.empty()) {
    return Fail("usage: vostarel-spell [--table N] [--keypad KEYPAD] [--dict FILE] NAME...");
  }

  for (const char* name : names) {
    char16_t displayName[kDisplayNameCapacity];
    CopyText(displayName, cli::Utf8ToUtf16(name).c_str());
    char16_t full[kSpelledNameCapacity];
    char16_t initials[kNameInitialsCapacity];
    speller.SpellName(displayName, full, kSpelledNameCapacity, initials, kNameInitialsCapacity);
    std::printf("%s\t%s%s\n", cli::Utf16ToUtf8(full).c_str(), cli::Utf16ToUtf8(initials).c_str(),
                Alternates(speller, displayName).c_str());
  }
  return 0;
}
