// The indexed record of one address-book contact, SIM phonebook entry or
// call-log entry, and the stores that hold them. Every text lives inline in a
// fixed-capacity field, so a store is one contiguous allocation and the
// filter walks it without chasing pointers.
#pragma once

#include <cstdint>

#include "key_digest.h"
#include "name_lattice.h"
#include "national_number.h"

namespace vostarel {

inline constexpr uint32_t kMaxNumbersPerEntry = 8;
inline constexpr int32_t kSimEntryId = -1;
inline constexpr int32_t kCallLogEntryId = -2;
inline constexpr int32_t kNoSelectedNumber = -1;

// Field capacities in UTF-16 units, terminator included.
inline constexpr int kLabelCapacity = 16;
inline constexpr int kNumberCapacity = 32;
inline constexpr int kDisplayNameCapacity = 32;
inline constexpr int kSpelledNameCapacity = 96;
inline constexpr int kNameInitialsCapacity = 38;

struct NumberSlot {
  char16_t Label[kLabelCapacity];    // kind of number ("휴대폰", "SIM", ...)
  char16_t Number[kNumberCapacity];  // as the source gave it, "+", spaces and dashes kept
  // How the number is dialled at home when it is written in international
  // form; moves with the slot when a row command reorders the numbers.
  NationalForm National;
};

struct ContactEntry {
  // Address-book object id of the contact, kSimEntryId or kCallLogEntryId.
  int32_t EntryId;
  // Slot the entry's row shows and acts on; -1 until a filter pass sets it.
  int32_t SelectedNumber;
  // Slots in use, 1..8; slots from NumberCount on hold nothing meaningful.
  uint32_t NumberCount;
  // How many records of the call log have one of the entry's numbers (a
  // number and its national form count as the same); written by CountCalls
  // (call_counts.h), 0 until then. Beside SelectedNumber, which every pass
  // touches, so that ordering by it reads no other line.
  uint32_t CallCount;
  // A call-log entry: how many records of the log have exactly its number
  // (the store keeps one entry per number). 0 in the other stores.
  uint32_t LogRecords;
  NumberSlot Numbers[kMaxNumbersPerEntry];
  char16_t DisplayName[kDisplayNameCapacity];
  char16_t SpelledName[kSpelledNameCapacity];  // a call-log entry's ends with "#"
  char16_t NameInitials[kNameInitialsCapacity];
  // Other spellings of DisplayName (surname spellings, syllable variants,
  // Korean keypad consonant keys) as key lattices; see name_lattice.h.
  uint8_t NameAlternates[kNameAlternatesCapacity];
};

// One store: an array whose capacity is fixed when a load starts and never
// grows, and the count of entries in use. Entries are appended one by one
// and never removed singly; a reload releases the whole array. The same
// allocation holds a key digest per entry (see key_digest.h) for the filter.
class ContactStore {
 public:
  ContactStore() = default;
  ContactStore(const ContactStore&) = delete;
  ContactStore& operator=(const ContactStore&) = delete;
  ~ContactStore() { Release(); }

  // Releases the current array and allocates room for `capacity` entries.
  // Returns false (and leaves the store empty) when memory cannot be had.
  // A capacity of 0 gives the empty store without an array.
  bool Reset(uint32_t capacity);
  // Frees the array; the store is empty afterwards.
  void Release();

  // The next free entry, counted in, or null when the store is full. Once the
  // caller has filled it, Seal() records its digest.
  ContactEntry* Append();
  void Seal(const ContactEntry& entry);

  uint32_t Count() const { return count_; }
  uint32_t Capacity() const { return capacity_; }
  // Changes whenever entries come or go or are sealed: what was worked out
  // from the store (call counts) is stale when its generation differs.
  uint32_t Generation() const { return generation_; }
  ContactEntry* begin() { return entries_; }
  ContactEntry* end() { return entries_ + count_; }
  const ContactEntry* begin() const { return entries_; }
  const ContactEntry* end() const { return entries_ + count_; }
  ContactEntry& operator[](uint32_t index) { return entries_[index]; }
  const ContactEntry& operator[](uint32_t index) const { return entries_[index]; }
  const EntryDigest& Digest(uint32_t index) const { return digests_[index]; }

 private:
  ContactEntry* entries_ = nullptr;
  EntryDigest* digests_ = nullptr;  // inside the entries' allocation
  uint32_t count_ = 0;
  uint32_t capacity_ = 0;
  uint32_t generation_ = 0;
};

// At most this many entries are listed by one filter pass.
inline constexpr uint32_t kMaxResults = 999;

// Entries matched by the last filter pass, in store order. The pointers are
// borrowed from the store arrays: whoever reloads or releases a store sets
// Count to 0 before the list is read again.
struct ResultList {
  uint32_t Count = 0;
  ContactEntry* Items[kMaxResults] = {};
};

}  // namespace vostarel
