#include <cstddef>
#include <cstdint>
#include <new>

#include "contact_entry.h"

namespace vostarel {

namespace {

constexpr size_t kBytesPerEntry = sizeof(ContactEntry) + sizeof(EntryDigest);
static_assert(sizeof(ContactEntry) % alignof(EntryDigest) == 0,
              "the digests follow the entries in the same allocation");

}  // namespace

bool ContactStore::Reset(uint32_t capacity) {
  Release();
  if (capacity == 0) return true;
  // Only a 32-bit size_t can overflow here.
  if constexpr (SIZE_MAX / kBytesPerEntry < UINT32_MAX) {
    if (capacity > SIZE_MAX / kBytesPerEntry) return false;
  }
  // One block: the entries, then their digests. Both are written in full when
  // an entry is appended, so the block is not cleared.
  void* block = ::operator new(capacity * kBytesPerEntry, std::nothrow);
  if (block == nullptr) return false;
  entries_ = static_cast<ContactEntry*>(block);
  digests_ = reinterpret_cast<EntryDigest*>(static_cast<unsigned char*>(block) +
                                            capacity * sizeof(ContactEntry));
  capacity_ = capacity;
  return true;
}

void ContactStore::Release() {
  ++generation_;
  ::operator delete(entries_);
  entries_ = nullptr;
  digests_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}

ContactEntry* ContactStore::Append() {
  if (count_ >= capacity_) return nullptr;
  return &entries_[count_++];
}

void ContactStore::Seal(const ContactEntry& entry) {
  const auto index = static_cast<uint32_t>(&entry - entries_);
  if (index < count_) digests_[index] = DigestOf(entry);
  ++generation_;
}

}  // namespace vostarel
