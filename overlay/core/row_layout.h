// The columns of one owner-drawn result row and the texts that go into them.
//
// With h the row height and w = floor(3h / 2) + 2, a row of item rectangle R
// holds, left to right (every box spans R's full height):
//   index column  [2, h + 4]                        optional
//   name          [left, m] or [left, R.right - w]  left = h + 6 after an
//                                                   index column, else 2
//   number        [m + 2, R.right - w]              optional
//   label         [R.right - w + 2, R.right]        first unit of the label
// where m = (R.right - w) / 2, rounded toward zero.
#pragma once

#include <cstddef>
#include <cstdint>

#include "contact_entry.h"
#include "geometry.h"

namespace vostarel {

// DrawText formats of the boxes (the platform's DT_* bits).
inline constexpr uint32_t kRowIndexFormat = 0x25;     // centred, vertically centred, one line
inline constexpr uint32_t kRowTextFormat = 0x40024;   // left, word ellipsis, vcentre, one line
inline constexpr uint32_t kRowLabelFormat = 0x24;     // left, vertically centred, one line

struct RowBox {
  bool Drawn;
  EdgeRect Box;
  uint32_t Format;
};

struct RowLayout {
  RowBox Index;
  RowBox Name;
  RowBox Number;
  RowBox Label;
};

// The boxes of a row. The caller passes the effective flags: show the index
// column when SettingsFlags bit 0x8 is set or the list is expanded, and the
// number when bit 0x20000 is set or the list is expanded. The x positions
// count from the list's own left edge (the list never scrolls sideways), so
// only the item's right edge, top and bottom are used. A box can come out
// empty or inverted on a very narrow row; drawing into it shows nothing.
RowLayout LayoutResultRow(const EdgeRect& item, int32_t rowHeight, bool showIndexColumn,
                          bool showNumber);

// Index column text: the item index plus one, in decimal.
inline constexpr size_t kRowIndexTextCapacity = 12;
void RowIndexText(uint32_t index, char16_t (&text)[kRowIndexTextCapacity]);

// The number the row shows: the selected slot's Number, or the empty text
// when SelectedNumber is not a slot in use.
const char16_t* RowNumberText(const ContactEntry& entry);

// Label column text: the first UTF-16 unit of the selected slot's Label
// ("휴" for "휴대폰", "S" for "SIM"), empty when there is no selected slot.
inline constexpr size_t kRowLabelTextCapacity = 2;
void RowLabelText(const ContactEntry& entry, char16_t (&text)[kRowLabelTextCapacity]);

}  // namespace vostarel
