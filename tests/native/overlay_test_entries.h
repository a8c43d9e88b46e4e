// Contact entries built by hand for the overlay tests. Slots past
// NumberCount are filled with leftovers, as a reused store array would hold,
// so a test sees it when they are read.
#pragma once

#include <cstring>
#include <initializer_list>
#include <utility>

#include "contact_entry.h"
#include "text.h"

namespace vostarel::testing {

using LabelledNumber = std::pair<const char16_t*, const char16_t*>;

inline ContactEntry MakeEntry(const char16_t* name,
                              std::initializer_list<LabelledNumber> numbers) {
  ContactEntry entry;
  std::memset(&entry, 0, sizeof entry);
  entry.EntryId = 42;
  for (NumberSlot& slot : entry.Numbers) {
    CopyText(slot.Label, u"LEFTOVER");
    CopyText(slot.Number, u"999999");
  }
  uint32_t count = 0;
  for (const LabelledNumber& number : numbers) {
    CopyText(entry.Numbers[count].Label, number.first);
    CopyText(entry.Numbers[count].Number, number.second);
    ++count;
  }
  entry.NumberCount = count;
  entry.SelectedNumber = 0;
  CopyText(entry.DisplayName, name);
  return entry;
}

// A contact with a mobile and a home number, as the address book gives it.
inline ContactEntry MobileAndHome() {
  ContactEntry entry = MakeEntry(u"홍길동", {{u"휴대폰", u"010-1234-5678"}, {u"집", u"02-555-0101"}});
  CopyText(entry.SpelledName, u"honggildong");
  CopyText(entry.NameInitials, u"hgd");
  return entry;
}

}  // namespace vostarel::testing
