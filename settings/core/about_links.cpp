#include "about_links.h"

namespace vostarel {

AboutLink g_aboutLinks[kAboutLinkCount] = {
    {u"dev@vostarel.example", u"mailto:dev@vostarel.example?subject=Vostarel", nullptr, {}},
    {u"www.vostarel.example", u"http://www.vostarel.example/", nullptr, {}},
};

int32_t g_focusedAboutLink = kNoLink;

namespace {

bool Contains(const AboutRect& box, int32_t x, int32_t y) {
  return x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom;
}

}  // namespace

int32_t LinkAt(const AboutLink (&links)[kAboutLinkCount], int32_t x, int32_t y) {
  for (int32_t row = 0; row < kAboutLinkCount; ++row) {
    if (Contains(links[row].Box, x, y)) return row;
  }
  return kNoLink;
}

int32_t FocusAfterNextKey(int32_t focused) {
  if (focused == kNoLink) return kMailLink;
  return kWebLink;
}

int32_t FocusAfterPreviousKey(int32_t focused) {
  if (focused == kNoLink) return kWebLink;
  return kMailLink;
}

bool PageTakesKeyDown(bool isEnterKey, int32_t focused) {
  return !isEnterKey || focused != kNoLink;
}

bool ReleaseFollowsLink(int32_t linkUnderPoint, int32_t focused) {
  return linkUnderPoint != kNoLink && linkUnderPoint == focused;
}

}  // namespace vostarel
