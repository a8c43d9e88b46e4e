#include "row_marks.h"

#include <cmath>

namespace vostarel {

namespace {

double Linear(uint32_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
  return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF) +
         0.0722 * Linear((colour >> 16) & 0xFF);
}

// Distance in RGB: plain and marked text must differ in hue or lightness
// enough to be told apart, whatever their contrast with the background.
double Distance(Rgb a, Rgb b) {
  double sum = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double d = static_cast<double>((a >> shift) & 0xFF) - static_cast<double>((b >> shift) & 0xFF);
    sum += d * d;
  }
  return std::sqrt(sum);
}

constexpr Rgb kCandidates[] = {
    MakeRgb(200, 60, 0),   // orange-red, for light backgrounds
    MakeRgb(255, 214, 0),  // yellow, for dark and coloured ones
    MakeRgb(0, 90, 220),   // blue
    MakeRgb(0, 200, 255),  // cyan
};

constexpr double kBoldTextContrast = 3.0;
constexpr double kApartFromPlainText = 150.0;

}  // namespace

size_t MarkedRuns(size_t length, uint32_t marks, TextRun (&runs)[kMaxTextRuns]) {
  if (length > kMaxTextRuns - 1) length = kMaxTextRuns - 1;
  size_t count = 0;
  for (uint32_t unit = 0; unit < length; ++unit) {
    const bool marked = ((marks >> unit) & 1) != 0;
    if (count > 0 && runs[count - 1].Marked == marked) {
      runs[count - 1].End = unit + 1;
    } else {
      runs[count++] = {unit, unit + 1, marked};
    }
  }
  return count;
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

Rgb MarkColour(Rgb background, Rgb text) {
  Rgb best = kCandidates[0];
  for (Rgb candidate : kCandidates) {
    if (ContrastRatio(candidate, background) >= kBoldTextContrast &&
        Distance(candidate, text) >= kApartFromPlainText) {
      return candidate;
    }
    if (ContrastRatio(candidate, background) > ContrastRatio(best, background)) best = candidate;
  }
  return best;
}

}  // namespace vostarel
