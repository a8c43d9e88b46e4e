// The three stores of indexed entries (address book, SIM, call log, always
// in this order), the spelling context that names are spelled with, the
// label texts the add operations write, and the result list of the last
// filter pass. The library's main object owns one ContactIndex.
#pragma once

#include <array>
#include <cstdint>

#include "call_counts.h"
#include "contact_entry.h"
#include "name_speller.h"

namespace vostarel {

// Texts the add operations put into records. They are user-interface texts,
// so they come from the caller (the library loads them from its string
// table); the index holds no text of its own.
enum class IndexText : int {
  Mobile,     // label of an address-book mobile number
  Home,       // label of the home and second home numbers
  Business,   // label of the business and second business numbers
  Car,        // label of the car number
  Radio,      // label of the radio number
  Assistant,  // label of the assistant's number
  CallLog,    // label of a call-log entry's number
  Sim,        // label of a SIM entry's number
  NoName,     // display name of a SIM or call-log entry without a name
  Count
};

struct IndexTexts {
  char16_t Text[static_cast<int>(IndexText::Count)][kDisplayNameCapacity] = {};

  const char16_t* operator[](IndexText which) const { return Text[static_cast<int>(which)]; }
  // Keeps at most kDisplayNameCapacity - 1 units of `text`.
  void Set(IndexText which, const char16_t* text);
};

// The kinds of number an address-book contact can have, in slot order.
enum class ContactNumberKind : int {
  Mobile, Home, Home2, Business, Business2, Car, Radio, Assistant, Count
};
using ContactNumbers = std::array<const char16_t*, static_cast<size_t>(ContactNumberKind::Count)>;

struct ContactIndex {
  NameSpeller Speller;
  IndexTexts Texts;
  ContactStore AddressBook;
  ContactStore Sim;
  ContactStore CallLog;
  ResultList Results;
  // The entries called most, for a pass that lists them first; counted
  // again whenever a store changed (call_counts.h).
  CallOrder Calls;

  // Empties the result list and releases all three stores.
  void ReleaseStores();
};

// Appends an address-book contact. Each present, non-empty number fills the
// next slot in the fixed kind order, so absent numbers leave no gap. A
// contact without any number is not added. Nothing is added when the store
// is full.
void AddContact(ContactIndex& index, int32_t contactId, const ContactNumbers& numbers,
                const char16_t* name);

// Appends a SIM phonebook entry with one number. A missing or empty name is
// shown as the no-name text and spelled as nothing.
void AddSimEntry(ContactIndex& index, const char16_t* name, const char16_t* number);

// Appends a call-log entry unless an entry with the same number is already in
// the store (the record read first wins, with its name; the entry counts the
// records of its number in LogRecords). The spelled name
// ends with "#", so typed "#" reaches call-log entries by name. A missing or
// empty name is shown as the no-name text and spelled as nothing (the
// spelled name is "#" alone).
void AddCallLogEntry(ContactIndex& index, const char16_t* name, const char16_t* number);

}  // namespace vostarel
