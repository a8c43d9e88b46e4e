// Drawing a result row's name and number with what fitted the typed keys
// marked: the marked runs in a colour that reads on the row's background,
// and bold where the list's font is not bold already.
#pragma once

#include <windows.h>

#include <cstdint>

#include "row_layout.h"

namespace vostarel {

struct DialerWindowState;

struct RowInk {
  COLORREF Plain;   // the row's text colour
  COLORREF Mark;    // marked runs
  HFONT MarkFont;   // marked runs; null: the DC's own font
};

// The ink of a row drawn into `dc`: plain text in the system's window or
// highlight text colour, marks in a colour chosen for the list's background
// or the highlight. The bold face is made from the DC's font once and kept
// in `state`.
RowInk InkOfRow(DialerWindowState& state, HDC dc, bool selected);

// Draws `text` into the box as one DrawTextW call when nothing is marked,
// else run by run, left to right, each run from where the one before ended:
// a run that does not fit is cut with the box's ellipsis, and the runs after
// it are drawn into an empty rectangle (so nothing of them shows, but every
// unit of the text still passes through DrawTextW, as it does unmarked).
void DrawMarkedText(HDC dc, const RowBox& box, const char16_t* text, uint32_t marks,
                    const RowInk& ink);

// Draws rows first..last of the list at once, as its own paint would: each
// row's bounds erased in the list's colour, then the row, spanning `left` to
// `right`, through its parent's WM_DRAWITEM with the list's font in the DC.
// False when the list's DC could not be had (nothing is drawn then).
bool DrawListRowsNow(HWND list, uint32_t first, uint32_t last, int32_t left, int32_t right);

}  // namespace vostarel
