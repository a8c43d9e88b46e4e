#include "literal_filter.h"

#include <algorithm>
#include <cstdint>
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

int32_t LiteralSelect(const ContactEntry& entry, const char16_t* typed, uint32_t flags) {
  using namespace SearchBits;
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
  return selected;
}

// The digits of a number from unit `from` on, or only those before unit
// `to` and outside brackets.
std::u16string Digits(const char16_t* number, size_t from, size_t to, bool skipBrackets) {
  std::u16string digits;
  int depth = 0;
  for (size_t i = from; i < to && number[i] != 0; ++i) {
    if (number[i] == u'(') ++depth;
    if (number[i] == u')' && depth > 0) --depth;
    if (number[i] >= u'0' && number[i] <= u'9' && !(skipBrackets && depth > 0)) digits += number[i];
  }
  return digits;
}

bool IsInternational(const NumberSlot& slot) { return slot.National.Start != 0; }

// Whether a domestic number's digits are one of an international number's
// national forms.
bool DomesticIsNationalForm(const NumberSlot& domestic, const NumberSlot& international) {
  const std::u16string digits = Digits(domestic.Number, 0, SIZE_MAX, false);
  if (digits.empty()) return false;
  std::u16string prefix;
  for (int i = 0; i < kNationalPrefixCapacity && international.National.Prefix[i] != 0; ++i) {
    prefix += static_cast<char16_t>(international.National.Prefix[i]);
  }
  const std::u16string national = Digits(international.Number, international.National.Start, SIZE_MAX, false);
  return digits == national || digits == prefix + national;
}

bool SameNumber(const NumberSlot& a, const NumberSlot& b) {
  if (!IsInternational(a) && !IsInternational(b)) {
    const std::u16string digits = Digits(a.Number, 0, SIZE_MAX, false);
    return !digits.empty() && digits == Digits(b.Number, 0, SIZE_MAX, false);
  }
  if (IsInternational(a) && IsInternational(b)) {
    return Digits(a.Number, 0, a.National.Start, true) + Digits(a.Number, a.National.Start, SIZE_MAX, false) ==
           Digits(b.Number, 0, b.National.Start, true) + Digits(b.Number, b.National.Start, SIZE_MAX, false);
  }
  return IsInternational(a) ? DomesticIsNationalForm(b, a) : DomesticIsNationalForm(a, b);
}

// Records of the call log (the call-log store's entries and their
// LogRecords) whose number is one of the entry's numbers.
uint32_t LiteralCalls(const ContactEntry& entry, const ContactStore& callLog) {
  uint32_t calls = 0;
  for (const ContactEntry& logged : callLog) {
    bool same = false;
    for (uint32_t j = 0; j < entry.NumberCount && !same; ++j) {
      same = SameNumber(entry.Numbers[j], logged.Numbers[0]);
    }
    if (same) calls += logged.LogRecords;
  }
  return calls;
}

}  // namespace

LiteralPass LiteralFilterStores(const std::vector<const ContactStore*>& stores,
                                const char16_t* typed, uint32_t flags, bool calledMostFirst) {
  LiteralPass pass;
  pass.selected = SelectedNumbers(stores);
  if (typed[0] == 0) return pass;
  // Every entry in store order, with its place in `selected` and its calls.
  struct Item {
    const ContactEntry* entry;
    size_t position;
    uint32_t calls;
  };
  std::vector<Item> items;
  for (const ContactStore* store : stores) {
    for (const ContactEntry& entry : *store) {
      const uint32_t calls = calledMostFirst ? LiteralCalls(entry, *stores.back()) : 0;
      items.push_back({&entry, items.size(), calls});
    }
  }
  // The called entries first, most called first, ties in store order: each
  // examined, the fitting ones listed while there is room.
  std::vector<Item> called;
  for (const Item& item : items) {
    if (item.calls > 0) called.push_back(item);
  }
  std::stable_sort(called.begin(), called.end(),
                   [](const Item& a, const Item& b) { return a.calls > b.calls; });
  for (const Item& item : called) {
    pass.selected[item.position] = LiteralSelect(*item.entry, typed, flags);
    if (pass.selected[item.position] >= 0 && pass.listed.size() < kMaxResults) {
      pass.listed.push_back(item.entry);
    }
  }
  // Then store order until the list is full; the called entries are listed
  // already.
  for (const Item& item : items) {
    if (pass.listed.size() >= kMaxResults) break;
    pass.selected[item.position] = LiteralSelect(*item.entry, typed, flags);
    if (pass.selected[item.position] >= 0 && item.calls == 0) pass.listed.push_back(item.entry);
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
