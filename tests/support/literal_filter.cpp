#include "literal_filter.h"

#include <string>

#include "filter.h"
#include "matchers.h"
#include "name_lattice.h"

namespace vostarel::testing {

namespace {

// A slot's number as it is dialled at home, with and without the national
// prefix, written out from the slot's national form.
std::u16string NationalNumber(const NumberSlot& slot, bool withPrefix) {
  std::u16string text;
  if (slot.National.Start == 0) return text;
  for (int i = 0; withPrefix && i < kNationalPrefixCapacity && slot.National.Prefix[i] != 0; ++i) {
    text.push_back(static_cast<char16_t>(slot.National.Prefix[i]));
  }
  return text + (slot.Number + slot.National.Start);
}

bool NationalFits(const NumberSlot& slot, const char16_t* typed, bool anywhere) {
  if (slot.National.Start == 0) return false;
  const std::u16string national = NationalNumber(slot, true);
  if (anywhere) return MatchNumberAnywhere(national.c_str(), typed);
  return MatchNumberPrefix(national.c_str(), typed) ||
         MatchNumberPrefix(NationalNumber(slot, false).c_str(), typed);
}

// Whether the typed keys fit a spelling of the lattice that goes on from
// byte `at`, trying every choice of every group in turn (a failed try at a
// byte and key is remembered, so even a lattice of many groups is quick).
struct LatticeWalk {
  const uint8_t* lattice;
  const char16_t* typed;
  std::vector<bool> failed;

  bool From(size_t at, size_t key) {
    if (typed[key] == 0) return true;
    const size_t memo = at * 129 + key;
    if (failed[memo]) return false;
    const bool fits = Step(at, key);
    if (!fits) failed[memo] = true;
    return fits;
  }
  bool Step(size_t at, size_t key) {
    switch (lattice[at]) {
      case 0:
        return false;
      case '}':
        return From(at + 1, key);
      case '|': {  // a choice ends: the spelling goes on after its group
        size_t end = at;
        while (lattice[end] != '}' && lattice[end] != 0) ++end;
        return From(lattice[end] == 0 ? end : end + 1, key);
      }
      case '{':
        for (size_t choice = at + 1; lattice[choice - 1] != '}' && lattice[choice - 1] != 0;) {
          if (From(choice, key)) return true;
          while (lattice[choice] != '|' && lattice[choice] != '}' && lattice[choice] != 0) ++choice;
          ++choice;
        }
        return false;
      default:
        return IsLatticeKey(lattice[at]) && lattice[at] == typed[key] && From(at + 1, key + 1);
    }
  }
};

bool LatticeFits(const uint8_t* lattice, const char16_t* typed, bool anywhere) {
  size_t length = 0;
  while (lattice[length] != 0) ++length;
  size_t typedLength = 0;
  while (typed[typedLength] != 0) ++typedLength;
  if (typedLength > 128) return false;
  LatticeWalk walk{lattice, typed, std::vector<bool>((length + 1) * 129)};
  if (!anywhere) return walk.From(0, 0);
  if (length == 0) return false;
  for (size_t at = 0; at < length; ++at) {
    if (IsLatticeKey(lattice[at]) && walk.From(at, 0)) return true;
  }
  return typedLength == 0;
}

bool AlternateFits(const ContactEntry& entry, uint8_t kind, const char16_t* typed,
                   bool anywhere) {
  AlternateRecord record;
  for (const uint8_t* at = entry.NameAlternates; (at = NextAlternate(at, record)) != nullptr;) {
    if ((record.Kind & kind) != 0 && LatticeFits(record.Lattice, typed, anywhere)) return true;
  }
  return false;
}

}  // namespace

LiteralPass LiteralFilterStores(const std::vector<const ContactStore*>& stores,
                                const char16_t* typed, uint32_t flags) {
  using namespace SearchBits;
  LiteralPass pass;
  if (typed[0] == 0) {
    pass.selected = SelectedNumbers(stores);
    return pass;
  }
  for (const ContactStore* store : stores) {
    for (const ContactEntry& entry : *store) {
      if (pass.listed.size() >= kMaxResults) {
        pass.selected.push_back(entry.SelectedNumber);
        continue;
      }
      int32_t selected = -1;
      if (flags & kNumbers) {
        for (uint32_t j = 0; j < entry.NumberCount && selected < 0; ++j) {
          const bool fits = (flags & kNumbersAnywhere)
                                ? MatchNumberAnywhere(entry.Numbers[j].Number, typed)
                                : MatchNumberPrefix(entry.Numbers[j].Number, typed);
          if (fits) selected = static_cast<int32_t>(j);
        }
      }
      if (selected < 0 && (flags & kInitials)) {
        const bool fits = (flags & kInitialsAnywhere) ? MatchKeypadAnywhere(entry.NameInitials, typed)
                                                      : MatchKeypadPrefix(entry.NameInitials, typed);
        if (fits) selected = 0;
      }
      if (selected < 0 && (flags & kSpelledName)) {
        const bool fits = (flags & kSpelledAnywhere) ? MatchKeypadAnywhere(entry.SpelledName, typed)
                                                     : MatchKeypadPrefix(entry.SpelledName, typed);
        if (fits) selected = 0;
      }
      // The other forms, after the entry's own ones.
      if (selected < 0 && (flags & kNumbers)) {
        for (uint32_t j = 0; j < entry.NumberCount && selected < 0; ++j) {
          if (NationalFits(entry.Numbers[j], typed, flags & kNumbersAnywhere)) {
            selected = static_cast<int32_t>(j);
          }
        }
      }
      if (selected < 0 && (flags & kInitials) &&
          AlternateFits(entry, kAlternateInitials, typed, flags & kInitialsAnywhere)) {
        selected = 0;
      }
      if (selected < 0 && (flags & kSpelledName) &&
          AlternateFits(entry, kAlternateSpelledName, typed, flags & kSpelledAnywhere)) {
        selected = 0;
      }
      pass.selected.push_back(selected);
      if (selected >= 0) pass.listed.push_back(&entry);
    }
  }
  return pass;
}

std::vector<int32_t> SelectedNumbers(const std::vector<const ContactStore*>& stores) {
  std::vector<int32_t> selected;
  for (const ContactStore* store : stores) {
    for (const ContactEntry& entry : *store) selected.push_back(entry.SelectedNumber);
  }
  return selected;
}

}  // namespace vostarel::testing
