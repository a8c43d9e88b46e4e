// Painting the About page: the whole face in WM_PAINT, and the two links
// alone when the focus moves between them. Both record where each link's
// text landed in the process-wide link table (about_links.h).
#pragma once

#include <windows.h>

namespace vostarel {

// Paints the page on `dc` (from BeginPaint) over its whole client area.
void PaintAboutPage(HWND page, HDC dc);

// Draws the two links again, in their focus colours, at the place the last
// painting put them.
void RedrawAboutLinks(HWND page);

}  // namespace vostarel
