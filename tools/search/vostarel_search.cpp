// vostarel-search DEVICE_DIR TYPED [--flags HEX] [--table N] [--keypad KEYPAD]
//                 [--dict FILE] [--front STORE:INDEX:SLOT]... [--all] [--entries]
//                 [--order-by-calls]
//
// Loads a device data folder (contacts.vcf, sim.txt, calllog.txt) the way the
// library loads the phone's address book, SIM and call log, filters it with
// the typed keys as the library does, and prints the result list, one row
// per line: position from 1, TAB, display name, TAB, selected number, TAB,
// its label. A missing data file is an empty source, as a missing source is
// on the phone; an unreadable folder or bad arguments give status 2.
//
// --table N, --keypad cheonjiin|naratgeul|off
//            spell as the Spelling page's choices do (defaults 0, cheonjiin)
// --front STORE:INDEX:SLOT  before filtering, moves the number in SLOT of
//            entry INDEX (from 0) of STORE (book, sim or log) to the front,
//            as a row command that used it does; in the order given
// --all      lists every matching entry, not only the first 999
// --order-by-calls  lists the people called most first, as the General
//            page's option does: by how often the call log holds their
//            numbers, ties in store order
// --entries  adds to each row: TAB, store, TAB, index in the store, TAB,
//            selected slot, TAB, the form that fitted (number, initials, name,
//            national, other-initials, other-name, keypad), then TAB, label,
//            TAB, number for every slot
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "calllog_file.h"
#include "contact_index.h"
#include "file_bytes.h"
#include "filter.h"
#include "index_texts.h"
#include "matched_entries.h"
#include "settings.h"
#include "sim_file.h"
#include "spelling_options.h"
#include "store_loading.h"
#include "utf.h"
#include "vcard.h"

namespace {

using namespace vostarel;

constexpr int kUsageError = 2;
constexpr char kUsage[] =
    "usage: vostarel-search DEVICE_DIR TYPED [--flags HEX] [--table N] [--keypad KEYPAD] "
    "[--dict FILE] [--front STORE:INDEX:SLOT]... [--all] [--entries] [--order-by-calls]";

int Fail(const std::string& message) {
  std::fprintf(stderr, "vostarel-search: %s\n", message.c_str());
  return kUsageError;
}

bool ParseHex(const char* text, uint32_t& value) {
  if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text += 2;
  if (*text == 0) return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long parsed = std::strtoul(text, &end, 16);
  if (*end != 0 || errno != 0 || parsed > 0xFFFFFFFFul || text[0] == '-' || text[0] == '+') {
    return false;
  }
  value = static_cast<uint32_t>(parsed);
  return true;
}

// A data file that is absent reads as empty; one that exists but cannot be
// read is reported.
bool ReadDataFile(const std::string& folder, const char* name, std::string& bytes) {
  const std::string path = folder + "/" + name;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 && errno == ENOENT) {
    bytes.clear();
    return true;
  }
  return cli::ReadFileBytes(path, bytes);
}

void LoadAddressBook(ContactIndex& index, const std::string& bytes) {
  const auto contacts = device::ParseVCards(bytes);
  if (!index.AddressBook.Reset(static_cast<uint32_t>(contacts.size()))) return;
  for (const auto& contact : contacts) {
    ContactNumbers numbers{};
    for (size_t kind = 0; kind < numbers.size(); ++kind) numbers[kind] = contact.Numbers[kind].c_str();
    AddContact(index, contact.Oid, numbers, contact.FileAs.c_str());
  }
}

void LoadSim(ContactIndex& index, const std::string& bytes) {
  const auto phonebook = device::ParseSimFile(bytes);
  FillSimStore(index, phonebook.UsedSlots(), phonebook.TotalSlots,
               [&](uint32_t slot, const char16_t*& name, const char16_t*& number) {
                 const device::SimSlot* used = phonebook.Find(slot);
                 if (used == nullptr) return false;
                 name = used->Name.c_str();
                 number = used->Number.c_str();
                 return true;
               });
}

void LoadCallLog(ContactIndex& index, const std::string& bytes) {
  const auto records = device::ParseCallLog(bytes);
  if (records.empty() || !index.CallLog.Reset(static_cast<uint32_t>(records.size()))) return;
  for (const auto& record : records) {
    if (!record.Number.empty()) AddCallLogEntry(index, record.Name.c_str(), record.Number.c_str());
  }
}

std::string Utf8(const char16_t* text) { return cli::Utf16ToUtf8(text); }

void PrintRow(size_t position, const cli::MatchedEntry& matched, const char16_t* typed,
              uint32_t flags, bool entries) {
  const ContactEntry& entry = matched.Entry;
  const NumberSlot& slot = entry.Numbers[entry.SelectedNumber];
  std::string line = std::to_string(position) + "\t" + Utf8(entry.DisplayName) + "\t" +
                     Utf8(slot.Number) + "\t" + Utf8(slot.Label);
  if (entries) {
    line += std::string("\t") + cli::StoreWord(matched.Store) + "\t" +
            std::to_string(matched.Index) + "\t" + std::to_string(entry.SelectedNumber) + "\t" +
            FormWord(FirstFittingForm(entry, typed, flags).Form);
    for (uint32_t i = 0; i < entry.NumberCount && i < kMaxNumbersPerEntry; ++i) {
      line += "\t" + Utf8(entry.Numbers[i].Label) + "\t" + Utf8(entry.Numbers[i].Number);
    }
  }
  std::printf("%s\n", line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<const char*> positional;
  uint32_t flags = SettingsFlags::kDefault;
  const char* dictionaryPath = nullptr;
  std::vector<cli::FrontMove> frontMoves;
  NameSpeller speller;
  bool all = false;
  bool entries = false;
  ListOrder order = ListOrder::Stores;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (cli::IsSpellingOption(option)) {
      if (i + 1 >= argc) return Fail("missing value for " + option);
      if (const auto error = cli::ApplySpellingOption(option, argv[++i], speller)) return Fail(*error);
    } else if (option == "--flags" || option == "--dict" || option == "--front") {
      if (i + 1 >= argc) return Fail("missing value for " + option);
      const std::string value = argv[++i];
      if (option == "--flags") {
        if (!ParseHex(value.c_str(), flags)) {
          return Fail("--flags takes a hexadecimal word, not '" + value + "'");
        }
      } else if (option == "--dict") {
        dictionaryPath = argv[i];
      } else {
        const auto move = cli::ParseFrontMove(value);
        if (!move) return Fail("--front takes STORE:INDEX:SLOT, not '" + value + "'");
        frontMoves.push_back(*move);
      }
    } else if (option == "--all") {
      all = true;
    } else if (option == "--entries") {
      entries = true;
    } else if (option == "--order-by-calls") {
      order = ListOrder::CalledMostFirst;
    } else if (argv[i][0] == '-' && argv[i][1] == '-') {
      return Fail(std::string("unknown option '") + argv[i] + "'");
    } else {
      positional.push_back(argv[i]);
    }
  }
  if (positional.size() != 2) return Fail(kUsage);
  const std::string folder = positional[0];

  struct stat info {};
  if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    return Fail("cannot read device folder '" + folder + "'");
  }

  ContactIndex index;
  cli::SetLibraryIndexTexts(index.Texts);
  index.Speller.TTable = speller.TTable;
  index.Speller.Keypad = speller.Keypad;
  if (dictionaryPath != nullptr) {
    std::string bytes;
    if (!cli::ReadFileBytes(dictionaryPath, bytes)) {
      return Fail(std::string("cannot read dictionary '") + dictionaryPath + "'");
    }
    index.Speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
  }

  struct Source {
    const char* file;
    uint32_t bit;
    void (*load)(ContactIndex&, const std::string&);
  };
  const Source sources[] = {{"contacts.vcf", SettingsFlags::kLoadAddressBook, LoadAddressBook},
                            {"sim.txt", SettingsFlags::kLoadSim, LoadSim},
                            {"calllog.txt", SettingsFlags::kLoadCallLog, LoadCallLog}};
  for (const Source& source : sources) {
    if (!(flags & source.bit)) continue;
    std::string bytes;
    if (!ReadDataFile(folder, source.file, bytes)) {
      return Fail("cannot read '" + folder + "/" + source.file + "'");
    }
    source.load(index, bytes);
  }

  // The list shows nothing while the overlay is switched off.
  char16_t typed[kTypedCapacity];
  CleanTypedText((flags & SettingsFlags::kOverlayOn) ? cli::Utf8ToUtf16(positional[1]).c_str() : u"",
                 typed);
  for (const cli::FrontMove& move : frontMoves) {
    if (!cli::ApplyFrontMove(index, move)) {
      return Fail(std::string("--front: ") + cli::StoreWord(move.Store) + " has no entry " +
                  std::to_string(move.Index) + " with a slot " + std::to_string(move.Slot));
    }
  }
  const std::vector<cli::MatchedEntry> matched = cli::MatchEntries(index, typed, flags, all, order);
  for (size_t i = 0; i < matched.size(); ++i) PrintRow(i + 1, matched[i], typed, flags, entries);
  return 0;
}
