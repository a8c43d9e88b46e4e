#include "number_selection.h"

#include <utility>

#include "dialer_keys.h"

namespace vostarel {

uint32_t UsableNumberCount(const ContactEntry& entry) {
  return entry.NumberCount < kMaxNumbersPerEntry ? entry.NumberCount : kMaxNumbersPerEntry;
}

const NumberSlot* NumberSlotAt(const ContactEntry& entry, int64_t numberIndex) {
  if (numberIndex < 0 || numberIndex >= UsableNumberCount(entry)) return nullptr;
  return &entry.Numbers[numberIndex];
}

void MoveNumberToFront(ContactEntry& entry, int64_t numberIndex) {
  if (numberIndex == 0 || NumberSlotAt(entry, numberIndex) == nullptr) return;
  std::swap(entry.Numbers[0], entry.Numbers[numberIndex]);
  entry.SelectedNumber = 0;
}

std::optional<StepDirection> StepDirectionForKey(uint32_t virtualKey) {
  if (virtualKey == kVkLeft) return StepDirection::Left;
  if (virtualKey == kVkRight) return StepDirection::Right;
  return std::nullopt;
}

void StepSelectedNumber(ContactEntry& entry, StepDirection direction) {
  const int32_t count = static_cast<int32_t>(UsableNumberCount(entry));
  if (count <= 1) return;
  const int32_t last = count - 1;
  const int32_t selected = entry.SelectedNumber;
  const bool inRange = selected >= 0 && selected <= last;
  if (direction == StepDirection::Left) {
    entry.SelectedNumber = (inRange && selected > 0) ? selected - 1 : last;
  } else {
    entry.SelectedNumber = (inRange && selected < last) ? selected + 1 : 0;
  }
}

}  // namespace vostarel
