#include "row_menu.h"

#include "command_text.h"
#include "number_selection.h"
#include "text.h"

namespace vostarel {

namespace {

bool OfferedFor(const MenuCommand& command, uint32_t numberIndex) {
  return command.Mode > 0 && numberIndex < static_cast<uint32_t>(command.Mode);
}

RowMenuItem MakeItem(const ContactEntry& entry, const MenuCommand& command,
                     uint32_t numberIndex, size_t commandIndex) {
  RowMenuItem item{};
  char16_t caption[kCaptionExpansionCapacity];
  ExpandMacros(caption, kCaptionExpansionCapacity, command.Caption, entry, numberIndex);
  if (caption[0] == u'-') {
    item.Separator = true;
    return item;
  }
  item.Id = kRowMenuFirstId + static_cast<uint32_t>(kMenuCommandCount) * numberIndex +
            static_cast<uint32_t>(commandIndex);
  CopyText(item.Text, caption[0] == u'!' ? caption + 1 : caption);
  return item;
}

}  // namespace

std::vector<RowMenuItem> BuildRowMenuItems(const ContactEntry& entry,
                                           const MenuCommand (&commands)[kMenuCommandCount]) {
  std::vector<RowMenuItem> items;
  const size_t listed = CommandListLength(commands, kMenuCommandCount);
  const uint32_t numbers = UsableNumberCount(entry);
  items.reserve(numbers * listed);
  for (uint32_t i = 0; i < numbers; ++i) {
    for (size_t j = 0; j < listed; ++j) {
      if (OfferedFor(commands[j], i)) items.push_back(MakeItem(entry, commands[j], i, j));
    }
  }
  return items;
}

std::optional<RowMenuChoice> DecodeRowMenuId(uint32_t id) {
  if (id < kRowMenuFirstId || id - kRowMenuFirstId >= kRowMenuIdCount) return std::nullopt;
  const uint32_t k = id - kRowMenuFirstId;
  return RowMenuChoice{k / static_cast<uint32_t>(kMenuCommandCount),
                       k % static_cast<uint32_t>(kMenuCommandCount)};
}

size_t DefaultCommandIndex(const MenuCommand (&commands)[kMenuCommandCount]) {
  for (size_t j = 0; j < kMenuCommandCount; ++j) {
    if (IsDefaultCommand(commands[j])) return j;
  }
  return 0;
}

}  // namespace vostarel
