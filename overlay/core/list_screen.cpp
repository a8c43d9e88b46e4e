#include "list_screen.h"

#include "text.h"

namespace vostarel {

bool SameLook(const RowLook& a, const RowLook& b) {
  return a.Right == b.Right && a.Height == b.Height && a.ShowIndex == b.ShowIndex &&
         a.ShowNumber == b.ShowNumber && a.HasEntry == b.HasEntry &&
         TextEquals(a.Name, b.Name) && TextEquals(a.Number, b.Number) &&
         TextEquals(a.Label, b.Label) && a.Marks == b.Marks;
}

RowLook LookOfRow(const ResultList& results, uint32_t index, int32_t right, int32_t height,
                  bool showIndex, bool showNumber, const RowMarking& marking) {
  RowLook look;
  look.Right = right;
  look.Height = height;
  look.ShowIndex = showIndex;
  look.ShowNumber = showNumber;
  if (index >= results.Count || results.Items[index] == nullptr) return look;
  const ContactEntry& entry = *results.Items[index];
  look.HasEntry = true;
  CopyText(look.Name, entry.DisplayName);
  CopyText(look.Number, RowNumberText(entry));
  RowLabelText(entry, look.Label);
  if (marking.Speller != nullptr) {
    look.Marks = MarksOf(entry, *marking.Speller, marking.Typed, marking.Flags);
  }
  return look;
}

void ShownRows::Forget() {
  for (bool& recorded : recorded_) recorded = false;
}

void ShownRows::Record(uint32_t index, const RowLook& look) {
  if (index >= kRecordedRows) return;
  recorded_[index] = true;
  rows_[index] = look;
}

bool ShownRows::StillShows(uint32_t index, const ResultList& results, bool showIndex,
                           bool showNumber, const RowMarking& marking) const {
  if (index >= kRecordedRows || !recorded_[index]) return false;
  const RowLook& shown = rows_[index];
  return SameLook(shown, LookOfRow(results, index, shown.Right, shown.Height, showIndex,
                                   showNumber, marking));
}

void ListScreen::Reset(int32_t columnWidth) {
  Visible = false;
  ItemCount = 0;
  ColumnWidth = columnWidth;
  Placed = false;
  Place = ListRect{};
  PlacedExpanded = false;
  Rows.Forget();
  RowLeft = 0;
  RowRight = -1;
}

}  // namespace vostarel
