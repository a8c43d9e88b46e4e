// Where the result list goes inside the dialer window: over the whole client
// area when expanded, otherwise at the configured rectangle for the screen's
// shape, or at its automatic place (over the keypad from 5.2 on, above the
// number field before).
#pragma once

#include <cstdint>

#include "geometry.h"
#include "settings.h"

namespace vostarel {

// Everything the placement depends on, read from the windows by the caller.
struct ListPlacementInput {
  bool Expanded;
  int32_t ClientWidth;   // dialer window's client area
  int32_t ClientHeight;
  int32_t ScreenWidth;   // SM_CXSCREEN
  int32_t ScreenHeight;  // SM_CYSCREEN
  PosSize Placement;
  bool Version52;
  bool HasKeypad;            // the dialer has its keypad control (23061)
  EdgeRect KeypadInClient;   // that control, in the dialer's client coordinates
  EdgeRect DialerOnScreen;   // the dialer window, screen coordinates
  EdgeRect NumberFieldOnScreen;  // the number field, screen coordinates
  int32_t RowHeight;
};

// The list's rectangle in the dialer's client coordinates:
// 1. expanded: the whole client area;
// 2. the PosSize rectangle for the screen's shape (landscape when the
//    screen is strictly wider than high, else portrait), as configured,
//    when its width is not 0;
// 3. from 5.2 on: exactly over the keypad control;
// 4. otherwise (older systems, and 5.2 dialers without a keypad control,
//    which have no other place to offer): x 0, y 0, the dialer's width and
//    as many whole rows as fit between the dialer's top and the number
//    field's top; with room for fewer than two rows (or no usable row
//    height) the list reaches down to 4 pixels above the number field's
//    bottom instead.
// Sizes computed from window edges in rules 3 and 4 are never negative.
ListRect ChooseListRect(const ListPlacementInput& input);

}  // namespace vostarel
