// How a row shows what fitted the typed keys: its texts cut into runs of
// marked and plain units, and the colour the marked runs are drawn in.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vostarel {

// A run of units [Begin, End) of a text, all marked or all plain.
struct TextRun {
  uint32_t Begin;
  uint32_t End;
  bool Marked;
};

// Marked texts are at most 31 units, so at most 31 runs.
inline constexpr size_t kMaxTextRuns = 32;

// The runs of the first `length` units of a text, in order, whose marked
// units are the set bits of `marks` (bit i: unit i). Returns how many; a
// text without marks is one plain run (none when it is empty).
size_t MarkedRuns(size_t length, uint32_t marks, TextRun (&runs)[kMaxTextRuns]);

// Colours as the platform's COLORREF: 0x00BBGGRR.
using Rgb = uint32_t;
inline constexpr Rgb MakeRgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

// The contrast ratio of two colours (1 to 21), from their relative
// luminance as sRGB defines it.
double ContrastRatio(Rgb a, Rgb b);

// The colour of marked text on `background` beside plain text of colour
// `text`: the first of a few strong colours (orange-red, yellow, blue, cyan)
// that has a contrast of at least 3 with the background (as bold text
// needs) and stands well apart from the plain text; failing that, the one
// with the best contrast.
Rgb MarkColour(Rgb background, Rgb text);

}  // namespace vostarel
