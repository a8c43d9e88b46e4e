// The filter pass: which stored entries fit the typed keys, and which of
// their numbers each row shows.
#pragma once

#include <cstdint>

#include "contact_entry.h"

namespace vostarel {

struct ContactIndex;

// Option bits that steer matching. Each "anywhere" bit acts only together
// with its search bit.
namespace SearchBits {
inline constexpr uint32_t kSpelledName = 0x10;      // test SpelledName
inline constexpr uint32_t kInitials = 0x20;         // test NameInitials
inline constexpr uint32_t kNumbers = 0x40;          // test the numbers
inline constexpr uint32_t kSpelledAnywhere = 0x100; // SpelledName at any position
inline constexpr uint32_t kInitialsAnywhere = 0x200;
inline constexpr uint32_t kNumbersAnywhere = 0x400;
inline constexpr uint32_t kDefault = kSpelledName | kInitials | kNumbers | kSpelledAnywhere;
}  // namespace SearchBits

// Longest typed string, terminator excluded.
inline constexpr int kTypedCapacity = 128;

// Keeps the units "0".."9", "*" and "#" of `fieldText`, in order, and drops
// every other unit. `typed` holds kTypedCapacity units; at most 127 are kept.
void CleanTypedText(const char16_t* fieldText, char16_t (&typed)[kTypedCapacity]);

// Examines the store's entries in order and appends those that fit to
// `results`, setting every examined entry's SelectedNumber: the first
// matching number slot, 0 for a match by name, -1 for no match. Stops as soon
// as `results` holds kMaxResults entries; entries not examined keep their
// SelectedNumber.
void FilterStore(ContactStore& store, const char16_t* typed, uint32_t flags,
                 ResultList& results);

// The order of the listed entries.
enum class ListOrder : uint8_t {
  Stores,          // store order: address book, SIM, call log
  CalledMostFirst, // the entries the call log holds most often first
};

// Empties the result list, then, for a non-empty typed string, filters the
// address-book, SIM and call-log stores in that order.
//
// CalledMostFirst: the entries with calls (call_counts.h, counted again
// first when a store changed since) are examined first, most called first,
// ties in store order, every one of them, and those that fit are listed;
// then the stores are filtered as above, listing only entries without
// calls. The cut at kMaxResults applies to the whole list, so it falls
// after the called entries; entries a store pass did not reach keep their
// SelectedNumber, as in store order.
void FilterStores(ContactIndex& index, const char16_t* typed, uint32_t flags,
                  ListOrder order = ListOrder::Stores);

// The forms of an entry that the typed keys can fit, in the order a pass
// tests them: its own numbers, initials and spelled name, then its numbers in
// national form and its alternate spellings (the Korean keypad's consonant
// keys are alternate initials and spelled name at once).
enum class MatchedForm : uint8_t {
  None,
  Number,
  Initials,
  SpelledName,
  NationalNumber,
  AlternateInitials,
  AlternateSpelledName,
  KeypadKeys,
};

struct FormMatch {
  MatchedForm Form = MatchedForm::None;
  int32_t Slot = kNoSelectedNumber;  // the slot the row shows; -1 for None
};

// Which form of the entry a pass would find it by, and the slot its row
// would show. Changes nothing.
FormMatch FirstFittingForm(const ContactEntry& entry, const char16_t* typed, uint32_t flags);

// "number", "initials", "name", "national", "other-initials", "other-name",
// "keypad", or "none".
const char* FormWord(MatchedForm form);

}  // namespace vostarel
