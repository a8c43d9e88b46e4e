// Where the result list is placed inside the dialer window.
#include <gtest/gtest.h>

#include <tuple>

#include "list_placement.h"

namespace vostarel {
namespace {

constexpr int32_t kRow = 20;
using Placed = std::tuple<int32_t, int32_t, int32_t, int32_t>;  // left, top, width, height

// A portrait phone with the dialer below a 26-pixel title bar and 3.5 rows
// of space above the number field; no configured rectangle, older system.
ListPlacementInput Phone() {
  ListPlacementInput input{};
  input.ClientWidth = 240;
  input.ClientHeight = 268;
  input.ScreenWidth = 240;
  input.ScreenHeight = 320;
  input.HasKeypad = true;
  input.KeypadInClient = {10, 120, 230, 260};
  input.DialerOnScreen = {0, 26, 240, 294};
  input.NumberFieldOnScreen = {4, 26 + 70, 236, 126};
  input.RowHeight = kRow;
  return input;
}

Placed Place(const ListPlacementInput& input) {
  const ListRect rect = ChooseListRect(input);
  return {rect.Left, rect.Top, rect.Width, rect.Height};
}

TEST(OverlayPlacement, ExpandedThenConfiguredRectangleForTheScreenShape) {
  ListPlacementInput input = Phone();
  input.Placement = {{1, 2, 3, 4, 5, 6, 7, 8}};
  EXPECT_EQ(Place(input), Placed(1, 2, 3, 4));
  input.ScreenWidth = 320;
  input.ScreenHeight = 240;
  EXPECT_EQ(Place(input), Placed(5, 6, 7, 8)) << "landscape";
  input.ScreenWidth = 240;
  EXPECT_EQ(Place(input), Placed(1, 2, 3, 4)) << "a square screen is portrait";
  input.Expanded = true;
  EXPECT_EQ(Place(input), Placed(0, 0, 240, 268));
}

TEST(OverlayPlacement, ZeroWidthFallsBackToTheAutomaticPlace) {
  ListPlacementInput input = Phone();
  input.Placement = {{7, 7, 0, 7, 9, 9, 9, 9}};
  EXPECT_EQ(Place(input), Placed(0, 0, 240, 3 * kRow)) << "3.5 rows of space";
  input.Version52 = true;
  EXPECT_EQ(Place(input), Placed(10, 120, 220, 140)) << "over the keypad";
  input.HasKeypad = false;
  EXPECT_EQ(Place(input), Placed(0, 0, 240, 3 * kRow)) << "5.2 without keypad";
}

TEST(OverlayPlacement, OlderSystemsFitWholeRowsOrReachToTheNumberFieldsBottom) {
  ListPlacementInput input = Phone();
  input.NumberFieldOnScreen.Top = 26 + 40;  // exactly 2 rows
  EXPECT_EQ(Place(input), Placed(0, 0, 240, 2 * kRow));
  for (int32_t space : {30, 39}) {  // 1.5 rows, just under 2
    input.NumberFieldOnScreen = {4, 26 + space, 236, 86};
    EXPECT_EQ(Place(input), Placed(0, 0, 240, 86 - 26 - 4)) << space;
  }
}

TEST(OverlayPlacement, BrokenWindowEdgesGiveNoNegativeSizeAndNoDivisionByZero) {
  ListPlacementInput input = Phone();
  input.RowHeight = 0;
  EXPECT_EQ(Place(input), Placed(0, 0, 240, 126 - 26 - 4));
  input.RowHeight = kRow;
  input.NumberFieldOnScreen = {0, 0, 0, 10};  // above the dialer
  input.DialerOnScreen = {240, 26, 0, 294};
  EXPECT_EQ(Place(input), Placed(0, 0, 0, 0));
  input.Version52 = true;
  input.KeypadInClient = {50, 60, 40, 30};
  EXPECT_EQ(Place(input), Placed(50, 60, 0, 0));
}

}  // namespace
}  // namespace vostarel
