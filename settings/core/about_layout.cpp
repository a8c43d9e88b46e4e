#include "about_layout.h"

#include <algorithm>
#include <limits>

namespace vostarel {
namespace {

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

AboutRect Rect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  return {Clamp32(left), Clamp32(top), Clamp32(right), Clamp32(bottom)};
}

// The stripes are lines Sy(2) apart, drawn twice as thick once that gap is
// wider than two pixels. Without a known resolution Sy(2) comes out 0; the
// lines then touch rather than never advancing.
StripeRun Stripes(int64_t left, int64_t right, int64_t firstY, int64_t endY, int32_t gap) {
  return {Clamp32(left), Clamp32(right), Clamp32(firstY), Clamp32(endY), std::max(gap, 1), gap > 2};
}

}  // namespace

int32_t ScaleToResolution(int32_t length, int32_t resolution) {
  return Clamp32((int64_t{length} * resolution + 48) / 96);  // rounds toward zero
}

AboutRect LinkRow(int32_t left, int32_t top, int32_t rowHeight, int32_t row) {
  const int64_t rowTop = int64_t{top} + int64_t{row} * rowHeight;
  return Rect(left, rowTop, kLinkRowRight, rowTop + rowHeight);
}

AboutLayout LayoutAboutPage(const AboutScreen& screen) {
  const auto sx = [&](int32_t v) -> int64_t { return ScaleToResolution(v, screen.ResolutionX); };
  const auto sy = [&](int32_t v) -> int64_t { return ScaleToResolution(v, screen.ResolutionY); };
  const int64_t w = screen.Width;
  const int64_t h = screen.Height;
  const int64_t k = w >= sx(200) ? w / 4 : w / 5;
  const int64_t l = h >= sy(200) ? h / 4 : h / 5;
  // Most texts and the lower stripes start a little left of the icon's
  // centre, level with the icon frame's left edge.
  const int64_t textLeft = k - sx(28);

  AboutLayout layout{};
  layout.K = Clamp32(k);
  layout.L = Clamp32(l);
  const int32_t gap = Clamp32(sy(2));
  layout.TopStripes = Stripes(0, k, 0, l, gap);
  const int64_t captionBottom = l + sy(36);
  layout.CaptionBand = Rect(0, l, w, captionBottom);
  const int64_t t = captionBottom + sy(12);
  layout.ThinBand = Rect(0, captionBottom, w, t);
  layout.LowerStripes = Stripes(textLeft, w, t + 1, t + sy(14), gap);

  layout.ShortScreen = h < sy(200);
  if (layout.ShortScreen) {
    // Beside the icon, in the caption band, one line under the other.
    layout.VersionBox = Rect(k + sx(30), l, w + sx(2), l + sy(18));
    layout.BuildDateBox = Rect(k + sx(30), l + sy(18), w + sx(2), l + 2 * sy(18));
    layout.BuildDateFormat = kAboutLeftLineFormat;
  } else {
    // One line under the lower stripes: version left, build date right.
    layout.VersionBox = Rect(textLeft, t + sy(16), w - sx(2), t + sy(32));
    layout.BuildDateBox = layout.VersionBox;
    layout.BuildDateFormat = kAboutRightLineFormat;
  }
  layout.VersionFormat = kAboutLeftLineFormat;

  const int64_t linksTop = h - 2 * int64_t{screen.SmallIconHeight} - sy(34);
  layout.FirstLinkRow = LinkRow(Clamp32(textLeft), Clamp32(linksTop), screen.SmallIconHeight, 0);
  layout.CreditBox = Rect(textLeft, h - sy(17), w, h - sy(1));
  layout.NoticeBox = Rect(textLeft, h - sy(17) - sy(16), w, h - sy(17));

  layout.IconFrame = Rect(k - sx(28), l - sy(28), k + sx(28), l + sy(28));
  layout.IconWell =
      Rect(k - sx(28) + sx(4), l - sy(28) + sy(4), k + sx(28) - sx(4), l + sy(28) - sy(4));
  layout.IconLeft = Clamp32(k - sx(16));
  layout.IconTop = Clamp32(l - sy(16));
  layout.TitleBox = Rect(k + sx(30), l - sy(30), w, l);
  return layout;
}

}  // namespace vostarel
