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

LiteralPass LiteralFilterStores(const std::vector<const ContactStore*>& stores,
                                const char16_t* typed, uint32_t flags);

// The stores' selected numbers now, in store order.
std::vector<int32_t> SelectedNumbers(const std::vector<const ContactStore*>& stores);

}  // namespace vostarel::testing
