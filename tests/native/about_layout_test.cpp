// The About page's layout at the resolutions and screen shapes a phone has,
// and the rules of its two links.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "about_layout.h"
#include "about_links.h"

namespace vostarel {
namespace {

using Edges = std::tuple<int32_t, int32_t, int32_t, int32_t>;
Edges Of(const AboutRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

std::vector<int32_t> LinesOf(const StripeRun& run) {
  std::vector<int32_t> lines;
  ForEachStripeLine(run, [&](int32_t y) { lines.push_back(y); });
  return lines;
}

TEST(AboutLayout, QvgaAt96DpiPlacesEveryPart) {
  const AboutLayout a = LayoutAboutPage({240, 320, 96, 96, 16});
  EXPECT_EQ(a.K, 60);
  EXPECT_EQ(a.L, 80);
  EXPECT_EQ(Of(a.IconFrame), Edges(32, 52, 88, 108));
  EXPECT_EQ(Of(a.IconWell), Edges(36, 56, 84, 104));
  EXPECT_EQ(std::pair(a.IconLeft, a.IconTop), std::pair(44, 64));
  EXPECT_EQ(Of(a.TitleBox), Edges(90, 50, 240, 80));
  EXPECT_EQ(Of(a.CaptionBand), Edges(0, 80, 240, 116));
  EXPECT_EQ(Of(a.ThinBand), Edges(0, 116, 240, 128));
  EXPECT_EQ(a.TopStripes.Right, 60);
  EXPECT_EQ(LinesOf(a.TopStripes).size(), 40u);  // 0, 2, ... 78
  EXPECT_EQ(a.LowerStripes.Left, 32);
  EXPECT_EQ(LinesOf(a.LowerStripes), (std::vector<int32_t>{129, 131, 133, 135, 137, 139, 141}));
  // Tall page: version left and build date right on one line.
  EXPECT_FALSE(a.ShortScreen);
  EXPECT_EQ(Of(a.VersionBox), Edges(32, 144, 238, 160));
  EXPECT_EQ(Of(a.BuildDateBox), Edges(32, 144, 238, 160));
  EXPECT_EQ(a.BuildDateFormat, kAboutRightLineFormat);
  EXPECT_EQ(Of(a.FirstLinkRow), Edges(32, 254, 1024, 270));
  EXPECT_EQ(Of(LinkRow(32, 254, 16, 1)), Edges(32, 270, 1024, 286));
  EXPECT_EQ(Of(a.NoticeBox), Edges(32, 287, 240, 303));
  EXPECT_EQ(Of(a.CreditBox), Edges(32, 303, 240, 319));
}

TEST(AboutLayout, VgaAt192DpiDoublesEveryDistanceAndThickensTheStripes) {
  const AboutLayout a = LayoutAboutPage({240, 320, 96, 96, 16});
  const AboutLayout b = LayoutAboutPage({480, 640, 192, 192, 32});
  EXPECT_EQ(std::pair(b.K, b.L), std::pair(120, 160));  // 480 >= Sx(200) = 400
  const auto doubled = [](const AboutRect& r) {
    return Edges(2 * r.Left, 2 * r.Top, 2 * r.Right, 2 * r.Bottom);
  };
  EXPECT_EQ(Of(b.IconFrame), doubled(a.IconFrame));
  EXPECT_EQ(Of(b.IconWell), doubled(a.IconWell));
  EXPECT_EQ(Of(b.TitleBox), doubled(a.TitleBox));
  EXPECT_EQ(Of(b.ThinBand), doubled(a.ThinBand));
  EXPECT_EQ(Of(b.BuildDateBox), doubled(a.BuildDateBox));
  EXPECT_EQ(Of(b.NoticeBox), doubled(a.NoticeBox));
  EXPECT_EQ(Of(b.CreditBox), doubled(a.CreditBox));
  EXPECT_EQ(Of(b.FirstLinkRow), Edges(64, 508, 1024, 540));  // the far right edge stays
  const std::vector<int32_t> lower = LinesOf(b.LowerStripes);
  EXPECT_EQ(std::vector<int32_t>(lower.begin(), lower.begin() + 4),
            (std::vector<int32_t>{257, 258, 261, 262}));
  EXPECT_EQ(lower.back(), 282);
}

TEST(AboutLayout, ShortPageMovesVersionAndDateBesideTheIcon) {
  const AboutLayout a = LayoutAboutPage({320, 180, 96, 96, 16});
  EXPECT_TRUE(a.ShortScreen);
  EXPECT_EQ(std::pair(a.K, a.L), std::pair(80, 36));  // 320 / 4, 180 / 5
  EXPECT_EQ(Of(a.VersionBox), Edges(110, 36, 322, 54));
  EXPECT_EQ(Of(a.BuildDateBox), Edges(110, 54, 322, 72));
  EXPECT_EQ(a.BuildDateFormat, kAboutLeftLineFormat);
  EXPECT_EQ(Of(a.FirstLinkRow), Edges(52, 114, 1024, 130));
}

TEST(AboutLayout, EachAxisSwitchesFromFifthsToQuartersAtTwoHundredScaledPixels) {
  const AboutLayout atLimit = LayoutAboutPage({200, 200, 96, 96, 16});
  EXPECT_EQ(std::pair(atLimit.K, atLimit.L), std::pair(50, 50));
  EXPECT_FALSE(atLimit.ShortScreen);
  const AboutLayout below = LayoutAboutPage({199, 199, 96, 96, 16});
  EXPECT_EQ(std::pair(below.K, below.L), std::pair(39, 39));
  // 300 pixels are wide at 96 dpi but short at 192 (Sy(200) = 400).
  const AboutLayout mixed = LayoutAboutPage({300, 300, 96, 192, 16});
  EXPECT_EQ(std::pair(mixed.K, mixed.L), std::pair(75, 60));
  EXPECT_TRUE(mixed.ShortScreen);
}

// Without a screen resolution (-1) lengths scale to (48 - v) / 96, rounded
// toward zero: 0 for the small ones. The stripes' gap is then 0 too; they
// must still end.
TEST(AboutLayout, WithoutAScreenResolutionThePageStillLaysOut) {
  const AboutLayout a = LayoutAboutPage({240, 320, -1, -1, 16});
  EXPECT_EQ(std::pair(a.K, a.L), std::pair(60, 80));
  EXPECT_EQ(Of(a.IconFrame), Edges(60, 80, 60, 80));
  EXPECT_EQ(LinesOf(a.TopStripes).size(), 80u);
  EXPECT_TRUE(LinesOf(a.LowerStripes).empty());
  EXPECT_EQ(Of(a.FirstLinkRow), Edges(60, 288, 1024, 304));
}

TEST(AboutLinks, MailLinkMailsTheAddressItShowsAboutTheProduct) {
  const std::u16string target = g_aboutLinks[kMailLink].Target;
  EXPECT_EQ(target,
            u"mailto:" + std::u16string(g_aboutLinks[kMailLink].Text) + u"?subject=Vostarel");
}

TEST(AboutLinks, APointFallsOnTheFirstBoxHoldingItWithinItsLeftAndTopEdges) {
  AboutLink links[kAboutLinkCount] = {};
  EXPECT_EQ(LinkAt(links, 0, 0), kNoLink);  // before the page has painted
  links[0].Box = {32, 254, 140, 267};
  links[1].Box = {32, 262, 150, 283};
  EXPECT_EQ(LinkAt(links, 32, 254), 0);
  EXPECT_EQ(LinkAt(links, 60, 263), 0);  // both hold it
  EXPECT_EQ(LinkAt(links, 145, 263), 1);
  EXPECT_EQ(LinkAt(links, 140, 258), kNoLink);
  EXPECT_EQ(LinkAt(links, 60, 283), kNoLink);
  EXPECT_EQ(LinkAt(links, 31, 270), kNoLink);
}

// The focus after each key of `keys` ('n' Tab or Down, 'p' Up).
std::vector<int32_t> Walk(int32_t focused, const std::string& keys) {
  std::vector<int32_t> seen;
  for (char key : keys) {
    focused = key == 'n' ? FocusAfterNextKey(focused) : FocusAfterPreviousKey(focused);
    seen.push_back(focused);
  }
  return seen;
}

TEST(AboutLinks, KeysWalkTheLinksAndStopAtEitherEnd) {
  EXPECT_EQ(Walk(kNoLink, "nnnp"), (std::vector<int32_t>{0, 1, 1, 0}));
  EXPECT_EQ(Walk(kNoLink, "ppn"), (std::vector<int32_t>{1, 0, 1}));
}

}  // namespace
}  // namespace vostarel
