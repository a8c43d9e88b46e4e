// The result list window inside the dialer: creation, placement, row
// drawing and the refresh that filters the stores by the typed keys. All of
// it runs on the dialer's thread.
#pragma once

#include <windows.h>

namespace vostarel {

struct DialHelper;

// Control ID of the result list window.
inline constexpr int kResultListId = 43295;

// Whether the list window exists: a handle whose window the dialer
// destroyed names none.
bool ResultListExists(const DialHelper& helper);
// Creates the (hidden) list window as a child of the dialer, records it and
// places it at its normal place. The visibility state is not changed; what
// the window shows starts afresh.
void CreateResultList(DialHelper& helper);
// Creates the list again after the dialer destroyed it. A list that was
// shown is shown again, filled, with the soft key still relabelled and the
// dialer's own caption still saved; a hidden one stays hidden.
void RemakeResultList(DialHelper& helper);
// Records `expanded`, then moves the list over the whole dialer (expanded)
// or to its configured or automatic place, sizes its column to its width
// and repaints it; a list already there, that wide and in that mode is left
// as it is.
void PlaceResultList(DialHelper& helper, bool expanded);
// Draws one owner-drawn row from the result list (nothing for an index at
// or above the result count) and records what the row shows.
void DrawResultRow(DialHelper& helper, const DRAWITEMSTRUCT& item);
// Reads the number field, filters the stores, fills the list and shows or
// hides it, relabelling the dialer's soft key while it is shown. Makes the
// list again when the dialer destroyed it. Only window calls that change
// the screen are made: a list already showing the count, the first row
// selected and in view is left as it is but for the rows whose drawing
// changed.
void RefreshResultList(DialHelper& helper);
// The same on the main object; nothing while there is none.
void RefreshResultList();

}  // namespace vostarel
