#include "literal_filter.h"

#include "filter.h"
#include "matchers.h"

namespace vostarel::testing {

LiteralPass LiteralFilterStores(const std::vector<const ContactStore*>& stores,
                                const char16_t* typed, uint32_t flags) {
  using namespace SearchBits;
  LiteralPass pass;
  if (typed[0] == 0) {
    pass.selected = SelectedNumbers(stores);
    return pass;
  }
  for (const ContactStore* store : stores) {
    for (const ContactEntry& entry : *store) {
      if (pass.listed.size() >= kMaxResults) {
        pass.selected.push_back(entry.SelectedNumber);
        continue;
      }
      int32_t selected = -1;
      if (flags & kNumbers) {
        for (uint32_t j = 0; j < entry.NumberCount && selected < 0; ++j) {
          const bool fits = (flags & kNumbersAnywhere)
                                ? MatchNumberAnywhere(entry.Numbers[j].Number, typed)
                                : MatchNumberPrefix(entry.Numbers[j].Number, typed);
          if (fits) selected = static_cast<int32_t>(j);
        }
      }
      if (selected < 0 && (flags & kInitials)) {
        const bool fits = (flags & kInitialsAnywhere) ? MatchKeypadAnywhere(entry.NameInitials, typed)
                                                      : MatchKeypadPrefix(entry.NameInitials, typed);
        if (fits) selected = 0;
      }
      if (selected < 0 && (flags & kSpelledName)) {
        const bool fits = (flags & kSpelledAnywhere) ? MatchKeypadAnywhere(entry.SpelledName, typed)
                                                     : MatchKeypadPrefix(entry.SpelledName, typed);
        if (fits) selected = 0;
      }
      pass.selected.push_back(selected);
      if (selected >= 0) pass.listed.push_back(&entry);
    }
  }
  return pass;
}

std::vector<int32_t> SelectedNumbers(const std::vector<const ContactStore*>& stores) {
  std::vector<int32_t> selected;
  for (const ContactStore* store : stores) {
    for (const ContactEntry& entry : *store) selected.push_back(entry.SelectedNumber);
  }
  return selected;
}

}  // namespace vostarel::testing
