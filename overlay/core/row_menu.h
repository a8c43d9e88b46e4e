// The row popup: the user's commands offered for each number of an entry,
// the IDs its items carry, and the default command a tap runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "contact_entry.h"
#include "macro_expansion.h"
#include "settings.h"

namespace vostarel {

// Item IDs: kRowMenuFirstId + 10 x number index + command index, for number
// indexes 0..7 and command indexes 0..9.
inline constexpr uint32_t kRowMenuFirstId = 34661;
inline constexpr uint32_t kRowMenuIdCount = kMaxNumbersPerEntry * kMenuCommandCount;
inline constexpr size_t kRowMenuMaxItems = kRowMenuIdCount;

struct RowMenuItem {
  bool Separator;
  // 0 for a separator.
  uint32_t Id;
  // The expanded caption without its leading "!"; empty for a separator.
  char16_t Text[kCaptionExpansionCapacity];
};

// The popup's items in order: for each number index i from 0 to
// NumberCount - 1 (at most 8), the commands of the command list (up to the
// first empty caption) whose mode is above i, each with its caption expanded
// for number i. An expanded caption beginning with "-" gives a separator;
// a "!" at its start is left out of the item text. No separator is put
// between the groups of two numbers unless a caption makes one.
std::vector<RowMenuItem> BuildRowMenuItems(const ContactEntry& entry,
                                           const MenuCommand (&commands)[kMenuCommandCount]);

struct RowMenuChoice {
  uint32_t NumberIndex;
  uint32_t CommandIndex;
};

// The number and command behind a chosen item ID; none for 0 (a dismissed
// popup) and for every ID outside the popup's range.
std::optional<RowMenuChoice> DecodeRowMenuId(uint32_t id);

// The command a tap on a row runs: the first of all ten, in index order,
// whose caption begins with "!" (an empty caption before it does not end the
// search), otherwise command 0.
size_t DefaultCommandIndex(const MenuCommand (&commands)[kMenuCommandCount]);

}  // namespace vostarel
