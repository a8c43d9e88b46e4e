// What a result row marks as having fitted the typed keys: the digits of the
// number it shows, or the characters of the name whose spelling fitted.
//
// Worked out when a row is drawn, from the entry, the speller its spelled
// forms came from and the typed keys; a filter pass never does this work.
// The form that found the entry (the filter's order of forms) decides what
// is marked:
// - its number, or the number in national form: the stretch of the shown
//   number that the typed keys fitted, from the first digit they took to the
//   last, with the spaces and dashes between (of a national match, the
//   stored number's digits; a national prefix the number does not write has
//   none);
// - its spelled name or initials: the characters whose spelled letters took
//   part in the match (a Hangul syllable or an ideograph as a whole, a Latin
//   letter itself);
// - an alternate spelling or the Korean keypad's keys: the characters of
//   the segments one fitting spelling went through.
// An entry whose stored spelled forms are not what the speller spells now
// (the spelling options changed since it was stored, or it was stored
// without its name spelled) gets no name marks.
#pragma once

#include <cstdint>

#include "contact_entry.h"

namespace vostarel {

class NameSpeller;

struct MatchMarks {
  uint32_t Name = 0;    // bit i: unit i of DisplayName
  uint32_t Number = 0;  // bit i: unit i of the number the row shows
};
static_assert(kDisplayNameCapacity <= 32 && kNumberCapacity <= 32,
              "one bit for each unit of the marked texts");

inline bool operator==(const MatchMarks& a, const MatchMarks& b) {
  return a.Name == b.Name && a.Number == b.Number;
}

// The marks of `entry`'s row for the cleaned typed keys under the search
// bits `flags`. The shown number is the slot SelectedNumber names (none when
// it names no slot in use).
MatchMarks MarksOf(const ContactEntry& entry, const NameSpeller& speller, const char16_t* typed,
                   uint32_t flags);

}  // namespace vostarel
