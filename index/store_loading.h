// The rules by which the readers fill the SIM and call-log stores from what
// the platform reports. The platform calls themselves belong to the library's
// Win32 side; the command-line tools apply the same rules to file data.
#pragma once

#include <cstdint>

#include "contact_index.h"

namespace vostarel {

// Fills the SIM store from a phonebook with `used` entries in `total` slots:
// the store gets room for every slot, then slots 1, 2, ... up to `total` are
// read while the store holds fewer than `used` entries. `readSlot(slot,
// name, number)` returns false for a slot it cannot read; a slot that cannot
// be read or has an empty number is skipped and does not count, so reading
// goes on past it. Returns false when the store could not be allocated.
template <typename ReadSlot>
bool FillSimStore(ContactIndex& index, uint32_t used, uint32_t total, ReadSlot&& readSlot) {
  if (!index.Sim.Reset(total)) return false;
  for (uint32_t slot = 1; slot <= total && index.Sim.Count() < used; ++slot) {
    const char16_t* name = nullptr;
    const char16_t* number = nullptr;
    if (readSlot(slot, name, number) && number != nullptr && number[0] != 0) {
      AddSimEntry(index, name, number);
    }
  }
  return true;
}

// Whether a call-log load goes on to read the records, given the log's size
// now (the index of its last record plus one) and the size found by the last
// load that got this far. A changed size is remembered; in refresh mode it
// also empties the store. The records are read unless the store still has
// its array, which happens only in refresh mode with an unchanged size.
enum class CallLogStep { KeepStore, ReadRecords };
CallLogStep PlanCallLogLoad(ContactStore& callLog, uint32_t logSize, uint32_t& lastLogSize,
                            bool refresh);

}  // namespace vostarel
