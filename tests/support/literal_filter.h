// The filter pass written straight from its rules, without the key digests:
// every examined entry's texts are matched in full. Tests and fuzz targets
// compare the library's filter with it.
#pragma once

#include <cstdint>
#include <vector>

#include "contact_entry.h"

namespace vostarel::testing {

// Selected number of every entry after a literal pass over the stores (in
// store order; entries not examined keep the value they hold now), and the
// listed entries. The stores are not changed.
struct LiteralPass {
  std::vector<int32_t> selected;
  std::vector<const ContactEntry*> listed;
};

// With `calledMostFirst`, the entries the call log (the last store) holds
// are examined and listed first, most called first, ties in store order,
// then the others in store order; an entry's calls are worked out here,
// number by number, from the log entries' LogRecords.
LiteralPass LiteralFilterStores(const std::vector<const ContactStore*>& stores,
                                const char16_t* typed, uint32_t flags,
                                bool calledMostFirst = false);

// The stores' selected numbers now, in store order.
std::vector<int32_t> SelectedNumbers(const std::vector<const ContactStore*>& stores);

}  // namespace vostarel::testing
