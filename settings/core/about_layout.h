// Where everything on the About page goes. The page paints its whole face
// itself (it has no controls), and every distance scales with the screen's
// resolution, so the arithmetic lives here, apart from the drawing calls.
//
// Lengths are given in 96-dpi pixels and scaled:
//   Sx(v) = (v * resolutionX + 48) / 96,  Sy(v) = (v * resolutionY + 48) / 96
// (rounding toward zero). With W, H the page's client size, the icon's centre
// is (K, L): K = W / 4 when W >= Sx(200), else W / 5; L likewise from H and
// Sy(200). The rest hangs off K and L, except the link rows and the two text
// lines at the bottom, which hang off H.
#pragma once

#include <cstdint>

namespace vostarel {

// Edges in device pixels; the right and bottom ones lie outside, as in the
// platform's RECT.
struct AboutRect {
  int32_t Left;
  int32_t Top;
  int32_t Right;
  int32_t Bottom;
};

// DrawText formats (the platform's DT_* bits): one line, vertically centred,
// left- or right-aligned; measuring adds DT_CALCRECT.
inline constexpr uint32_t kAboutLeftLineFormat = 0x24;
inline constexpr uint32_t kAboutRightLineFormat = 0x26;
inline constexpr uint32_t kAboutMeasureLineFormat = 0x424;

// A link row ends far right of any screen; measuring the text narrows it.
inline constexpr int32_t kLinkRowRight = 1024;

// The title is drawn twice: in grey at TitleBox, then moved by this many
// pixels on both axes in the text colour, which leaves the grey as a shadow.
inline constexpr int32_t kTitleShadowOffset = -2;

// What the layout depends on, read from the page and the screen.
struct AboutScreen {
  int32_t Width;  // the page's client area
  int32_t Height;
  int32_t ResolutionX;      // the screen's LOGPIXELSX, -1 when it could not be read
  int32_t ResolutionY;      // LOGPIXELSY, likewise
  int32_t SmallIconHeight;  // SM_CYSMICON: the height of one link row
};

// Horizontal lines Left..Right at y = FirstY, FirstY + Step, ... below EndY;
// each one doubled (a second line at y + 1) when Doubled.
struct StripeRun {
  int32_t Left;
  int32_t Right;
  int32_t FirstY;
  int32_t EndY;
  int32_t Step;  // at least 1
  bool Doubled;
};

struct AboutLayout {
  int32_t K;  // the icon's centre
  int32_t L;
  StripeRun TopStripes;  // top left, above and left of the icon's centre
  AboutRect CaptionBand;
  AboutRect ThinBand;
  StripeRun LowerStripes;  // below the thin band
  bool ShortScreen;        // H below Sy(200): version and date beside the icon
  AboutRect VersionBox;
  uint32_t VersionFormat;
  AboutRect BuildDateBox;
  uint32_t BuildDateFormat;
  AboutRect FirstLinkRow;  // row 0 before measuring; row 1 lies below it
  AboutRect NoticeBox;     // both kAboutLeftLineFormat
  AboutRect CreditBox;
  AboutRect IconFrame;
  AboutRect IconWell;  // the frame's inside, filled in another colour
  int32_t IconLeft;
  int32_t IconTop;
  AboutRect TitleBox;  // the shadow's box; see kTitleShadowOffset
};

// Sx or Sy: `length` in 96-dpi pixels at `resolution` dots per inch.
int32_t ScaleToResolution(int32_t length, int32_t resolution);

AboutLayout LayoutAboutPage(const AboutScreen& screen);

// Link row `row` (0 or 1) of rows laid out from row 0's left and top edges.
AboutRect LinkRow(int32_t left, int32_t top, int32_t rowHeight, int32_t row);

template <typename DrawLine>
void ForEachStripeLine(const StripeRun& run, DrawLine drawLine) {
  for (int64_t y = run.FirstY; y < run.EndY; y += run.Step) {
    drawLine(static_cast<int32_t>(y));
    if (run.Doubled) drawLine(static_cast<int32_t>(y + 1));
  }
}

}  // namespace vostarel
