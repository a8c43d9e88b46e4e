#include "about_painting.h"

#include "about_layout.h"
#include "about_links.h"
#include "desktop_values.h"
#include "holders.h"
#include "process_values.h"
#include "resource_ids.h"
#include "vostarel_version.h"
#include "win_text.h"

namespace vostarel {
namespace {

static_assert(kAboutLeftLineFormat == (DT_LEFT | DT_VCENTER | DT_SINGLELINE));
static_assert(kAboutRightLineFormat == (DT_RIGHT | DT_VCENTER | DT_SINGLELINE));
static_assert(kAboutMeasureLineFormat == (DT_CALCRECT | DT_VCENTER | DT_SINGLELINE));

constexpr wchar_t kVersionText[] = VOSTAREL_VERSION_WIDE;
constexpr wchar_t kBuildDateText[] = L"May  9 2009 11:07:16";

constexpr COLORREF kFocusedLinkColour = RGB(255, 0, 0);
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kTitleShadowColour = RGB(0xAA, 0xAA, 0xAA);

// ---- Screen resolution ---------------------------------------------------------

// The screen's resolution, read once per process on first use: it does not
// change while the library is loaded. -1 when no screen device context could
// be had; the page then paints with lengths shrunk to nothing.
struct ResolutionCache {
  bool Read;
  int Value;
};
ResolutionCache g_resolutionX{false, 0};
ResolutionCache g_resolutionY{false, 0};

int ScreenResolution(ResolutionCache& cache, int index) {
  if (!cache.Read) {
    const WindowDc screen = GetWindowDc(nullptr);
    cache.Value = screen ? GetDeviceCaps(screen.Get().Dc, index) : -1;
    cache.Read = true;
  }
  return cache.Value;
}

// ---- Drawing helpers --------------------------------------------------------

RECT ToRect(const AboutRect& box) { return {box.Left, box.Top, box.Right, box.Bottom}; }
AboutRect FromRect(const RECT& box) {
  return {static_cast<int32_t>(box.left), static_cast<int32_t>(box.top),
          static_cast<int32_t>(box.right), static_cast<int32_t>(box.bottom)};
}

void FillBox(HDC dc, const AboutRect& box, int colourIndex) {
  const RECT rect = ToRect(box);
  FillRect(dc, &rect, GetSysColorBrush(colourIndex));  // system brushes are never deleted
}

void DrawLine(HDC dc, const AboutRect& box, const wchar_t* text, int length, UINT format) {
  RECT rect = ToRect(box);
  DrawTextW(dc, text, length, &rect, format);
}

void DrawStripes(HDC dc, const StripeRun& run) {
  ForEachStripeLine(run, [&](int32_t y) {
    MoveToEx(dc, run.Left, y, nullptr);
    LineTo(dc, run.Right, y);
  });
}

// A string of the library's resources, in place and counted (not
// terminated); empty when the string is missing.
struct ResourceText {
  const wchar_t* Text;
  int Length;
};

ResourceText LoadResourceText(UINT id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(g_moduleInstance, id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return {L"", 0};
  return {text, length};
}

// Both rows, from row 0's left and top edges, in their focus colours. Each
// text is measured first: its box in the link table becomes exactly the
// text's, which is what a tap has to hit.
void DrawLinks(HDC dc, int32_t left, int32_t top, int32_t rowHeight) {
  for (int32_t row = 0; row < kAboutLinkCount; ++row) {
    AboutLink& link = g_aboutLinks[row];
    SetTextColor(dc, row == g_focusedAboutLink ? kFocusedLinkColour : kLinkColour);
    RECT box = ToRect(LinkRow(left, top, rowHeight, row));
    DrawTextW(dc, AsWide(link.Text), -1, &box, kAboutMeasureLineFormat);
    link.Box = FromRect(box);
    DrawTextW(dc, AsWide(link.Text), -1, &box, kAboutLeftLineFormat);
  }
}

// The title's font: the system font at twice its height, bold and smoothed.
HFONT MakeTitleFont() {
  LOGFONTW font{};
  GetObjectW(GetStockObject(kSystemFontObject), sizeof font, &font);
  font.lfHeight *= 2;
  font.lfWeight = FW_BOLD;
  font.lfQuality = ANTIALIASED_QUALITY;
  return CreateFontIndirectW(&font);
}

void DrawTitle(HDC dc, const AboutRect& box) {
  const GdiObject<HFONT> font(MakeTitleFont());
  const Selection selected = SelectInto(dc, font.Get());
  RECT rect = ToRect(box);
  SetTextColor(dc, kTitleShadowColour);
  DrawTextW(dc, g_productName, g_productNameLength, &rect, kAboutLeftLineFormat);
  OffsetRect(&rect, kTitleShadowOffset, kTitleShadowOffset);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(dc, g_productName, g_productNameLength, &rect, kAboutLeftLineFormat);
}

void DrawIconFrame(HDC dc, const AboutLayout& layout) {
  FillBox(dc, layout.IconFrame, COLOR_MENUTEXT);
  FillBox(dc, layout.IconWell, COLOR_INFOBK);
  // A shared icon of the module: not destroyed.
  HICON icon = LoadIconW(g_moduleInstance, MAKEINTRESOURCEW(IDI_VOSTAREL));
  if (icon != nullptr) {
    DrawIconEx(dc, layout.IconLeft, layout.IconTop, icon, GetSystemMetrics(SM_CXICON),
               GetSystemMetrics(SM_CYICON), 0, nullptr, DI_NORMAL);
  }
}

}  // namespace

void PaintAboutPage(HWND page, HDC dc) {
  RECT client{};
  GetClientRect(page, &client);
  const int32_t rowHeight = GetSystemMetrics(SM_CYSMICON);
  const AboutLayout layout =
      LayoutAboutPage({client.right, client.bottom, ScreenResolution(g_resolutionX, LOGPIXELSX),
                       ScreenResolution(g_resolutionY, LOGPIXELSY), rowHeight});
  {
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 0, GetSysColor(COLOR_ACTIVECAPTION)));
    const Selection selected = SelectInto(dc, pen.Get());
    DrawStripes(dc, layout.TopStripes);
    FillBox(dc, layout.CaptionBand, COLOR_ACTIVECAPTION);
    FillBox(dc, layout.ThinBand, COLOR_MENUTEXT);
    DrawStripes(dc, layout.LowerStripes);
  }

  // Stock objects are never deleted.
  const Selection textFont = SelectInto(dc, GetStockObject(kSystemFontObject));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawLine(dc, layout.VersionBox, kVersionText, -1, layout.VersionFormat);
  DrawLine(dc, layout.BuildDateBox, kBuildDateText, -1, layout.BuildDateFormat);

  DrawLinks(dc, layout.FirstLinkRow.Left, layout.FirstLinkRow.Top, rowHeight);

  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  const ResourceText credit = LoadResourceText(IDS_ABOUT_CREDIT);
  DrawLine(dc, layout.CreditBox, credit.Text, credit.Length, kAboutLeftLineFormat);
  const ResourceText notice = LoadResourceText(IDS_ABOUT_NOTICE);
  DrawLine(dc, layout.NoticeBox, notice.Text, notice.Length, kAboutLeftLineFormat);

  DrawIconFrame(dc, layout);
  DrawTitle(dc, layout.TitleBox);
}

void RedrawAboutLinks(HWND page) {
  const WindowDc window = GetWindowDc(page);
  if (!window) return;
  const HDC dc = window.Get().Dc;
  // The old texts go first: drawn over them, the new colours would blend
  // with the old ones at the glyphs' smoothed edges.
  for (const AboutLink& link : g_aboutLinks) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, link.Box.Left, link.Box.Top, link.Box.Right, link.Box.Bottom);
    SendMessageW(page, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
  const Selection textFont = SelectInto(dc, GetStockObject(kSystemFontObject));
  SetBkMode(dc, TRANSPARENT);
  const AboutRect first = g_aboutLinks[kMailLink].Box;
  DrawLinks(dc, first.Left, first.Top, GetSystemMetrics(SM_CYSMICON));
}

}  // namespace vostarel
