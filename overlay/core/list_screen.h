// What the result list window shows on the screen, as the library last made
// it show: whether it is visible, its item count, its column width, its
// place, and what each of its first rows shows, recorded as the row is
// drawn. A refresh or a placement compares what it would show with this and
// makes only the window calls that change the screen. A new list window
// shows nothing yet and starts from a fresh record.
#pragma once

#include <cstdint>

#include "contact_entry.h"
#include "geometry.h"
#include "match_marks.h"
#include "row_layout.h"

namespace vostarel {

class NameSpeller;

// What a row's marks are worked out from: the speller the stores were
// spelled with, and the typed keys and search bits of the pass that listed
// the rows. Without a speller no row is marked.
struct RowMarking {
  const NameSpeller* Speller = nullptr;
  const char16_t* Typed = u"";
  uint32_t Flags = 0;
};

// What drawing one row puts on the screen: the item's right edge and height
// (which the row's columns are laid out from), the columns it shows, its
// texts (the index text follows from the row's index) and what of them is
// marked as having fitted the typed keys. The selection
// highlight is not part of it: the list redraws the rows whose selection
// changes by itself.
struct RowLook {
  int32_t Right = 0;
  int32_t Height = 0;
  bool ShowIndex = false;
  bool ShowNumber = false;
  bool HasEntry = false;  // false: drawn empty, past the result count
  char16_t Name[kDisplayNameCapacity] = {};
  char16_t Number[kNumberCapacity] = {};
  char16_t Label[kRowLabelTextCapacity] = {};
  MatchMarks Marks;
};

bool SameLook(const RowLook& a, const RowLook& b);

// The look of row `index` of `results` drawn with the given right edge,
// height and columns, marked as `marking` says.
RowLook LookOfRow(const ResultList& results, uint32_t index, int32_t right, int32_t height,
                  bool showIndex, bool showNumber, const RowMarking& marking = {});

// What the first kRecordedRows rows show. Rows further down are not
// recorded and count as showing something else, so they are always redrawn
// when they may have changed.
class ShownRows {
 public:
  static constexpr uint32_t kRecordedRows = 64;

  void Forget();
  void Record(uint32_t index, const RowLook& look);
  // Whether row `index`, drawn now with the size it was last drawn with,
  // would show what it shows.
  bool StillShows(uint32_t index, const ResultList& results, bool showIndex, bool showNumber,
                  const RowMarking& marking = {}) const;

 private:
  bool recorded_[kRecordedRows] = {};
  RowLook rows_[kRecordedRows];
};

struct ListScreen {
  bool Visible = false;
  uint32_t ItemCount = 0;
  int32_t ColumnWidth = -1;  // -1: not known
  bool Placed = false;
  ListRect Place{};
  bool PlacedExpanded = false;
  ShownRows Rows;
  // The left and right edges the list view gives a row it draws (a list
  // view may offset them from the row's bounds); RowRight < RowLeft until
  // it has drawn one.
  int32_t RowLeft = 0;
  int32_t RowRight = -1;

  // A new list window: hidden, no items, one column `columnWidth` wide, not
  // placed, no row drawn.
  void Reset(int32_t columnWidth);
};

}  // namespace vostarel
