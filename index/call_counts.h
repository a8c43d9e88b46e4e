// How often the call log holds each stored entry's numbers, for listing the
// people called most first.
//
// An entry's count is the number of call-log records whose number is one of
// the entry's numbers, where a number written in international form is the
// same number as its national form, with or without the national prefix
// ("+82 10-2345-6789" is "010-2345-6789" and "10 2345 6789"). Two numbers
// are otherwise the same when their digits are (spaces, dashes and brackets
// do not count); two international numbers, when their calling codes and
// national numbers are.
//
// The counts are worked out once per load of the stores, never by a filter
// pass: a pass that orders by them counts again only when a store changed
// since (each store's generation tells).
#pragma once

#include <cstdint>

namespace vostarel {

struct ContactIndex;

// One entry with calls: its count, the store (0 address book, 1 SIM, 2 call
// log) and its index there.
struct CalledEntry {
  uint32_t Calls;
  uint32_t Store;
  uint32_t Index;
};

// The entries with at least one call, most called first, ties in store
// order (address book, SIM, call log, each in index order).
class CallOrder {
 public:
  CallOrder() = default;
  CallOrder(const CallOrder&) = delete;
  CallOrder& operator=(const CallOrder&) = delete;
  ~CallOrder();

  uint32_t Count() const { return count_; }
  const CalledEntry& operator[](uint32_t i) const { return items_[i]; }
  // Whether the order was counted from the stores as they are now.
  bool IsCurrent(const ContactIndex& index) const;

 private:
  friend void CountCalls(ContactIndex& index);
  void Clear();

  CalledEntry* items_ = nullptr;
  uint32_t count_ = 0;
  bool counted_ = false;
  uint32_t generations_[3] = {};
};

// Writes every entry's CallCount from the call-log store's entries (their
// LogRecords) and makes index.Calls the order of the entries with calls.
// When memory cannot be had, every count is 0 and the order is empty.
void CountCalls(ContactIndex& index);

// CountCalls, unless index.Calls is current.
void UpdateCallCounts(ContactIndex& index);

}  // namespace vostarel
