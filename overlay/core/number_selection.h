// Which of an entry's numbers its row shows and its commands act on: the
// number slots in use, the selected slot, stepping through the numbers with
// the left and right keys, and moving a used number to the front.
#pragma once

#include <cstdint>
#include <optional>

#include "contact_entry.h"

namespace vostarel {

// The slots that hold numbers: NumberCount, but never more than the eight
// slots an entry has, so a damaged count cannot lead a reader past them.
uint32_t UsableNumberCount(const ContactEntry& entry);

// The slot at `numberIndex`, or null when the index is not a slot in use
// (a negative SelectedNumber included).
const NumberSlot* NumberSlotAt(const ContactEntry& entry, int64_t numberIndex);

// Exchanges the whole slot at `numberIndex` (label and number) with slot 0
// and sets SelectedNumber to 0, so the number just used comes first until the
// store is reloaded. Index 0 or an index that is not a slot in use changes
// nothing, SelectedNumber included.
void MoveNumberToFront(ContactEntry& entry, int64_t numberIndex);

enum class StepDirection { Left, Right };

// The direction for a list key: VK_LEFT (0x25) and VK_RIGHT (0x27); other
// keys step nothing.
std::optional<StepDirection> StepDirectionForKey(uint32_t virtualKey);

// Moves SelectedNumber one slot, wrapping: left from 0 goes to the last
// slot, right from the last goes to 0. An entry with at most one number is
// left as it is. A SelectedNumber that is not a slot in use (never so for a
// listed entry, but a stepped value is used as an index when the row is
// drawn) goes to the last slot on left and to slot 0 on right, so a step
// always ends on a real slot.
void StepSelectedNumber(ContactEntry& entry, StepDirection direction);

}  // namespace vostarel
