#include <algorithm>

#include "surname_readings.h"

namespace vostarel {

int SurnameReadingRows(const char16_t* name, uint16_t (&rows)[2]) {
  rows[0] = rows[1] = 0;
  if (name == nullptr || name[0] == u'\0') return 0;
  const char16_t first = name[0];
  const char16_t second = name[1];  // the terminator when the name has one unit

  const auto compound = std::lower_bound(
      CompoundSurnames.begin(), CompoundSurnames.end(), first,
      [](const CompoundSurname& entry, char16_t unit) { return entry.first < unit; });
  for (auto it = compound; it != CompoundSurnames.end() && it->first == first; ++it) {
    if (it->second == second) {
      rows[0] = it->rows[0];
      rows[1] = it->rows[1];
      return 2;
    }
  }

  const auto single = std::lower_bound(
      SingleSurnames.begin(), SingleSurnames.end(), first,
      [](const SingleSurname& entry, char16_t unit) { return entry.ideograph < unit; });
  if (single != SingleSurnames.end() && single->ideograph == first) {
    rows[0] = single->row;
    return 1;
  }
  return 0;
}

}  // namespace vostarel
