#include "row_layout.h"

#include "number_selection.h"
#include "text.h"

namespace vostarel {

namespace {

constexpr int64_t kFirstLeftEdge = 2;

RowBox Box(const EdgeRect& item, int64_t left, int64_t right, uint32_t format, bool drawn) {
  return {drawn, {SaturateToInt32(left), item.Top, SaturateToInt32(right), item.Bottom}, format};
}

}  // namespace

RowLayout LayoutResultRow(const EdgeRect& item, int32_t rowHeight, bool showIndexColumn,
                          bool showNumber) {
  const int64_t h = rowHeight;
  const int64_t w = 3 * h / 2 + 2;
  const int64_t textRight = int64_t{item.Right} - w;
  RowLayout layout;
  layout.Index = Box(item, kFirstLeftEdge, h + 4, kRowIndexFormat, showIndexColumn);
  const int64_t left = showIndexColumn ? h + 6 : kFirstLeftEdge;
  if (showNumber) {
    const int64_t m = textRight / 2;  // C++ division rounds toward zero
    layout.Name = Box(item, left, m, kRowTextFormat, true);
    layout.Number = Box(item, m + 2, textRight, kRowTextFormat, true);
  } else {
    layout.Name = Box(item, left, textRight, kRowTextFormat, true);
    layout.Number = Box(item, 0, 0, kRowTextFormat, false);
  }
  layout.Label = Box(item, textRight + 2, item.Right, kRowLabelFormat, true);
  return layout;
}

void RowIndexText(uint32_t index, char16_t (&text)[kRowIndexTextCapacity]) {
  uint64_t value = uint64_t{index} + 1;
  char16_t digits[kRowIndexTextCapacity];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  TextAppender out(text, kRowIndexTextCapacity);
  while (count > 0) out.Append(digits[--count]);
}

const char16_t* RowNumberText(const ContactEntry& entry) {
  const NumberSlot* slot = NumberSlotAt(entry, entry.SelectedNumber);
  return slot != nullptr ? slot->Number : u"";
}

void RowLabelText(const ContactEntry& entry, char16_t (&text)[kRowLabelTextCapacity]) {
  const NumberSlot* slot = NumberSlotAt(entry, entry.SelectedNumber);
  CopyText(text, slot != nullptr ? slot->Label : nullptr);
}

}  // namespace vostarel
