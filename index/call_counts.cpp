#include "call_counts.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "contact_index.h"

namespace vostarel {

namespace {

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// A number as a key: what kind of digits (below) and the digits themselves.
// A stored number has at most 31 units; a national prefix adds at most 3
// digits to what follows the calling code, which is at least two units in.
enum KeyTag : uint8_t {
  kDomestic = 1,       // a number not in international form: its digits
  kInternational = 2,  // calling code and national number
  kNationalForm = 3,   // an international number's national form
};
constexpr int kKeyDigits = 32;

struct NumberKey {
  uint8_t Tag = 0;
  uint8_t Length = 0;
  char Digits[kKeyDigits] = {};

  void Add(char16_t digit) {
    if (Length < kKeyDigits) Digits[Length++] = static_cast<char>(digit);
  }
  bool operator==(const NumberKey& other) const {
    return Tag == other.Tag && Length == other.Length &&
           std::memcmp(Digits, other.Digits, Length) == 0;
  }
  uint64_t Hash() const {
    uint64_t hash = 1469598103934665603ull ^ Tag;
    for (int i = 0; i < Length; ++i) hash = (hash ^ static_cast<uint8_t>(Digits[i])) * 1099511628211ull;
    return hash;
  }
};

// The keys a number is stored under (as a call-log number) or looked up by
// (as an entry's number), so that the same numbers meet: a domestic number
// meets domestic numbers of the same digits and the national forms of
// international ones; an international number meets international numbers
// of the same code and national number.
enum class KeySide { Stored, Looked };
constexpr int kMaxKeys = 3;

int KeysOf(const NumberSlot& slot, KeySide side, NumberKey (&keys)[kMaxKeys]) {
  const char16_t* number = slot.Number;
  const size_t start = slot.National.Start;
  if (start == 0 || start >= kNumberCapacity) {
    NumberKey digits{kDomestic};
    for (size_t i = 0; i < kNumberCapacity && number[i] != 0; ++i) {
      if (IsDigit(number[i])) digits.Add(number[i]);
    }
    if (digits.Length == 0) return 0;
    keys[0] = digits;
    if (side == KeySide::Stored) return 1;
    keys[1] = digits;
    keys[1].Tag = kNationalForm;
    return 2;
  }
  // The calling code: the digits before the national number, but for a
  // national prefix written in brackets ("+44 (0)20").
  NumberKey international{kInternational};
  bool bracket = false;
  for (size_t i = 0; i < start; ++i) {
    if (number[i] == u'(') bracket = true;
    if (number[i] == u')') bracket = false;
    if (!bracket && IsDigit(number[i])) international.Add(number[i]);
  }
  const uint8_t looked = side == KeySide::Stored ? kNationalForm : kDomestic;
  NumberKey withPrefix{looked};
  for (int i = 0; i < kNationalPrefixCapacity && slot.National.Prefix[i] != 0; ++i) {
    withPrefix.Add(static_cast<char16_t>(slot.National.Prefix[i]));
  }
  NumberKey national{looked};
  for (size_t i = start; i < kNumberCapacity && number[i] != 0; ++i) {
    if (!IsDigit(number[i])) continue;
    international.Add(number[i]);
    withPrefix.Add(number[i]);
    national.Add(number[i]);
  }
  keys[0] = international;
  keys[1] = national;
  if (withPrefix == national) return 2;  // no national prefix
  keys[2] = withPrefix;
  return 3;
}

// The call-log entries by the keys of their numbers: open addressing, one
// slot per key (several entries can have the same key: "010-1234" and
// "0101234" are two entries of the log).
class KeyTable {
 public:
  explicit KeyTable(uint32_t keys) {
    size_t capacity = 16;
    while (capacity < size_t{2} * keys) capacity *= 2;
    slots_ = new (std::nothrow) Slot[capacity];
    if (slots_ != nullptr) mask_ = capacity - 1;
  }
  KeyTable(const KeyTable&) = delete;
  KeyTable& operator=(const KeyTable&) = delete;
  ~KeyTable() { delete[] slots_; }

  bool Valid() const { return slots_ != nullptr; }

  void Insert(const NumberKey& key, uint32_t entry) {
    for (size_t at = Home(key);; at = (at + 1) & mask_) {
      if (slots_[at].Used) continue;
      slots_[at] = {key, entry, true};
      return;
    }
  }

  template <typename Visit>
  void ForEach(const NumberKey& key, Visit visit) const {
    for (size_t at = Home(key); slots_[at].Used; at = (at + 1) & mask_) {
      if (slots_[at].Key == key) visit(slots_[at].Entry);
    }
  }

 private:
  size_t Home(const NumberKey& key) const { return static_cast<size_t>(key.Hash() & mask_); }

  struct Slot {
    NumberKey Key;
    uint32_t Entry = 0;
    bool Used = false;
  };
  Slot* slots_ = nullptr;
  size_t mask_ = 0;
};

ContactStore& StoreAt(ContactIndex& index, uint32_t store) {
  return store == 0 ? index.AddressBook : store == 1 ? index.Sim : index.CallLog;
}

// Sets every entry's CallCount; returns how many entries have calls, or
// -1 when memory could not be had.
int64_t CountEntries(ContactIndex& index) {
  const ContactStore& log = index.CallLog;
  KeyTable table(log.Count() * kMaxKeys);
  // The serial of the entry last counted with each call-log entry, so that a
  // call-log entry that several numbers or keys of one entry meet counts
  // once.
  uint32_t* counted = new (std::nothrow) uint32_t[log.Count() + 1]();
  if (!table.Valid() || counted == nullptr) {
    delete[] counted;
    return -1;
  }
  for (uint32_t i = 0; i < log.Count(); ++i) {
    NumberKey keys[kMaxKeys];
    const int count = KeysOf(log[i].Numbers[0], KeySide::Stored, keys);
    for (int k = 0; k < count; ++k) table.Insert(keys[k], i);
  }
  int64_t called = 0;
  uint32_t serial = 0;
  for (uint32_t store = 0; store < 3; ++store) {
    for (ContactEntry& entry : StoreAt(index, store)) {
      ++serial;
      uint32_t calls = 0;
      const uint32_t numbers = std::min(entry.NumberCount, kMaxNumbersPerEntry);
      for (uint32_t n = 0; n < numbers; ++n) {
        NumberKey keys[kMaxKeys];
        const int count = KeysOf(entry.Numbers[n], KeySide::Looked, keys);
        for (int k = 0; k < count; ++k) {
          table.ForEach(keys[k], [&](uint32_t logEntry) {
            if (counted[logEntry] == serial) return;
            counted[logEntry] = serial;
            calls += log[logEntry].LogRecords;
          });
        }
      }
      entry.CallCount = calls;
      called += calls > 0;
    }
  }
  delete[] counted;
  return called;
}

}  // namespace

CallOrder::~CallOrder() { Clear(); }

void CallOrder::Clear() {
  ::operator delete(items_);
  items_ = nullptr;
  count_ = 0;
  counted_ = false;
}

bool CallOrder::IsCurrent(const ContactIndex& index) const {
  return counted_ && generations_[0] == index.AddressBook.Generation() &&
         generations_[1] == index.Sim.Generation() &&
         generations_[2] == index.CallLog.Generation();
}

void CountCalls(ContactIndex& index) {
  CallOrder& order = index.Calls;
  order.Clear();
  const int64_t called = CountEntries(index);
  if (called > 0) {
    order.items_ = static_cast<CalledEntry*>(
        ::operator new(static_cast<size_t>(called) * sizeof(CalledEntry), std::nothrow));
  }
  if (called < 0 || (called > 0 && order.items_ == nullptr)) {
    for (uint32_t store = 0; store < 3; ++store) {
      for (ContactEntry& entry : StoreAt(index, store)) entry.CallCount = 0;
    }
  } else {
    for (uint32_t store = 0; store < 3; ++store) {
      const ContactStore& entries = StoreAt(index, store);
      for (uint32_t i = 0; i < entries.Count(); ++i) {
        if (entries[i].CallCount > 0) order.items_[order.count_++] = {entries[i].CallCount, store, i};
      }
    }
    std::sort(order.items_, order.items_ + order.count_, [](const CalledEntry& a, const CalledEntry& b) {
      if (a.Calls != b.Calls) return a.Calls > b.Calls;
      return a.Store != b.Store ? a.Store < b.Store : a.Index < b.Index;
    });
  }
  order.counted_ = true;
  order.generations_[0] = index.AddressBook.Generation();
  order.generations_[1] = index.Sim.Generation();
  order.generations_[2] = index.CallLog.Generation();
}

void UpdateCallCounts(ContactIndex& index) {
  if (!index.Calls.IsCurrent(index)) CountCalls(index);
}

}  // namespace vostarel
