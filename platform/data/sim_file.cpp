#include "sim_file.h"

#include <algorithm>
#include <optional>

#include "text_lines.h"
#include "utf8.h"

namespace vostarel::device {
namespace {

// The total slot count, cut to kMaxSimSlots however many digits it has, so
// that a huge number means "as many as allowed" rather than garbage.
std::optional<uint32_t> ReadTotal(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  for (const char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return std::nullopt;
  }
  return ParseDecimal(text, kMaxSimSlots).value_or(kMaxSimSlots);
}

}  // namespace

const SimSlot* SimPhonebook::Find(uint32_t index) const {
  const auto at = std::lower_bound(
      Slots.begin(), Slots.end(), index,
      [](const SimSlot& slot, uint32_t wanted) { return slot.Index < wanted; });
  return (at != Slots.end() && at->Index == index) ? &*at : nullptr;
}

SimPhonebook ParseSimFile(std::string_view fileBytes) {
  const std::u16string text = DecodeUtf8(SkipUtf8Bom(fileBytes));
  SimPhonebook phonebook;
  bool haveTotal = false;
  std::vector<bool> used;
  for (const std::u16string_view line : SplitLines(text)) {
    if (IsBlank(line)) continue;
    if (!haveTotal) {
      const std::optional<uint32_t> total = ReadTotal(TrimBlanks(line));
      if (!total) return phonebook;
      phonebook.TotalSlots = *total;
      used.assign(phonebook.TotalSlots + 1, false);
      haveTotal = true;
      continue;
    }
    const std::vector<std::u16string_view> fields = SplitFields(line);
    if (fields.size() < 3) continue;
    const std::optional<uint32_t> index =
        ParseDecimal(TrimBlanks(fields[0]), phonebook.TotalSlots);
    if (!index || *index == 0 || used[*index]) continue;
    used[*index] = true;
    phonebook.Slots.push_back(
        SimSlot{*index, std::u16string(fields[1]), std::u16string(TrimBlanks(fields[2]))});
  }
  std::sort(phonebook.Slots.begin(), phonebook.Slots.end(),
            [](const SimSlot& a, const SimSlot& b) { return a.Index < b.Index; });
  return phonebook;
}

}  // namespace vostarel::device
