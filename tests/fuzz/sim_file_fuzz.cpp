// Any bytes as sim.txt. The used slots must be unique, ascending, within
// 1..total, the total within the cap, and Find must agree with the list.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sim_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel::device;
  const SimPhonebook book =
      ParseSimFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (book.TotalSlots > kMaxSimSlots || book.UsedSlots() > book.TotalSlots) std::abort();
  uint32_t previous = 0;
  for (const SimSlot& slot : book.Slots) {
    if (slot.Index <= previous || slot.Index > book.TotalSlots) std::abort();
    if (book.Find(slot.Index) != &slot) std::abort();
    previous = slot.Index;
  }
  if (book.Find(0) != nullptr || book.Find(book.TotalSlots + 1) != nullptr) std::abort();
  return 0;
}
