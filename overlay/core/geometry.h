// Rectangles for the overlay's placement and row-layout arithmetic, in the
// platform's pixel coordinates. The arithmetic runs in 64 bits and comes
// back saturated, so window rectangles far off any real screen give clipped
// numbers instead of overflowing.
#pragma once

#include <cstdint>
#include <limits>

namespace vostarel {

// Edges, the right and bottom ones outside the rectangle, like the
// platform's RECT.
struct EdgeRect {
  int32_t Left;
  int32_t Top;
  int32_t Right;
  int32_t Bottom;
};

// Position and size, as a window is moved with SetWindowPos.
struct ListRect {
  int32_t Left;
  int32_t Top;
  int32_t Width;
  int32_t Height;

  friend constexpr bool operator==(const ListRect&, const ListRect&) = default;
};

constexpr int32_t SaturateToInt32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace vostarel
