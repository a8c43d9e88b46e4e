// The About page's two links (a mail address and the project's web host)
// and the rules for which one has the focus and when one is followed.
//
// The table and the focused link are process-wide: painting records where
// each text landed, and both survive closing and reopening the sheet.
#pragma once

#include <cstdint>

#include "about_layout.h"

namespace vostarel {

inline constexpr int32_t kNoLink = -1;
inline constexpr int32_t kMailLink = 0;
inline constexpr int32_t kWebLink = 1;
inline constexpr int32_t kAboutLinkCount = 2;

struct AboutLink {
  const char16_t* Text;        // shown on the page
  const char16_t* Target;      // handed to the shell
  const char16_t* Parameters;  // for the target; null for none
  AboutRect Box;               // where the text was last drawn; empty until the page has painted
};

// Row 0 the mail link, row 1 the web link.
extern AboutLink g_aboutLinks[kAboutLinkCount];
// kNoLink when the library is loaded, then a row index.
extern int32_t g_focusedAboutLink;

// The link whose box holds the point, row 0 first; kNoLink when neither
// does. Left and top edges belong to a box, right and bottom ones do not.
int32_t LinkAt(const AboutLink (&links)[kAboutLinkCount], int32_t x, int32_t y);

// Tab and Down walk down the links and stop at the last; Up walks up and
// stops at the first, and from no focus it starts at the last.
int32_t FocusAfterNextKey(int32_t focused);
int32_t FocusAfterPreviousKey(int32_t focused);

// Whether the page takes a key press for itself: every key but Enter, and
// Enter too while a link has the focus (it follows that link). Enter with no
// focused link is left to the sheet.
bool PageTakesKeyDown(bool isEnterKey, int32_t focused);

// A press focuses the link under it (or none); the release follows that link
// only when it comes up on the same link.
bool ReleaseFollowsLink(int32_t linkUnderPoint, int32_t focused);

}  // namespace vostarel
