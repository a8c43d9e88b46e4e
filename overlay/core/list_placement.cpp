#include "list_placement.h"

namespace vostarel {

namespace {

// The phone application can report odd edges (a window not laid out yet);
// a negative size would mean nothing to the window manager.
int32_t NonNegative(int64_t size) { return size < 0 ? 0 : SaturateToInt32(size); }

ListRect ConfiguredRect(const ListPlacementInput& input) {
  const bool landscape = input.ScreenWidth > input.ScreenHeight;
  const int32_t* values = input.Placement.Values;
  if (landscape) {
    return {values[kLandscapeLeft], values[kLandscapeTop], values[kLandscapeWidth],
            values[kLandscapeHeight]};
  }
  return {values[kPortraitLeft], values[kPortraitTop], values[kPortraitWidth],
          values[kPortraitHeight]};
}

ListRect OverKeypad(const EdgeRect& keypad) {
  return {keypad.Left, keypad.Top, NonNegative(int64_t{keypad.Right} - keypad.Left),
          NonNegative(int64_t{keypad.Bottom} - keypad.Top)};
}

ListRect AboveNumberField(const EdgeRect& dialer, const EdgeRect& field, int32_t rowHeight) {
  const int64_t width = int64_t{dialer.Right} - dialer.Left;
  const int64_t space = int64_t{field.Top} - dialer.Top;
  const int64_t h = rowHeight;
  int64_t height;
  if (h <= 0 || space < 2 * h) {
    height = int64_t{field.Bottom} - dialer.Top - 4;
  } else {
    height = space / h * h;  // space > 0 here, so this is the floor
  }
  return {0, 0, NonNegative(width), NonNegative(height)};
}

}  // namespace

ListRect ChooseListRect(const ListPlacementInput& input) {
  if (input.Expanded) return {0, 0, input.ClientWidth, input.ClientHeight};
  const ListRect configured = ConfiguredRect(input);
  if (configured.Width != 0) return configured;
  if (input.Version52 && input.HasKeypad) return OverKeypad(input.KeypadInClient);
  return AboveNumberField(input.DialerOnScreen, input.NumberFieldOnScreen, input.RowHeight);
}

}  // namespace vostarel
