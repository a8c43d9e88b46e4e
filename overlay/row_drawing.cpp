#include "row_drawing.h"

#include <commctrl.h>

#include <algorithm>

#include "dial_helper.h"
#include "dialer_window_state.h"
#include "row_marks.h"
#include "text.h"
#include "win_text.h"

namespace vostarel {
namespace {

// The bold face of the DC's font, made when the font differs from the one
// it was last made from; null when that font is bold already.
HFONT MarkFontOf(DialerWindowState& state, HDC dc) {
  const auto base = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
  if (base == state.MarkFontBase) return state.MarkFont.Get();
  state.MarkFontBase = base;
  state.MarkFont.Reset();
  LOGFONTW face{};
  if (base != nullptr && GetObjectW(base, sizeof face, &face) == sizeof face &&
      face.lfWeight < FW_BOLD) {
    face.lfWeight = FW_BOLD;
    state.MarkFont.Reset(CreateFontIndirectW(&face));
  }
  return state.MarkFont.Get();
}

COLORREF ListBackground(HWND list) {
  const auto colour = static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
  return colour == CLR_NONE ? GetSysColor(COLOR_WINDOW) : colour;
}

// How wide `length` units of `text` come out with the DC's font and the
// box's format. DrawTextW takes "&" as a mnemonic mark unless told not to,
// so a run that holds one is measured the way DrawTextW lays it out; any
// other run by its extent, which costs far less.
int RunWidth(HDC dc, const wchar_t* text, int length, UINT format) {
  if ((format & DT_NOPREFIX) != 0 || std::find(text, text + length, L'&') == text + length) {
    // The device's way of measuring a run (it has no GetTextExtentPoint32W).
    SIZE size{};
    GetTextExtentExPointW(dc, text, length, 0, nullptr, nullptr, &size);
    return size.cx;
  }
  constexpr UINT kCutting = DT_WORD_ELLIPSIS | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS;
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, text, length, &measured, (format & ~kCutting) | DT_CALCRECT | DT_SINGLELINE);
  return measured.right - measured.left;
}

}  // namespace

RowInk InkOfRow(DialerWindowState& state, HDC dc, bool selected) {
  const COLORREF plain = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  const COLORREF background =
      selected ? GetSysColor(COLOR_HIGHLIGHT) : ListBackground(state.ResultList);
  return {plain, MarkColour(background, plain), MarkFontOf(state, dc)};
}

void DrawMarkedText(HDC dc, const RowBox& box, const char16_t* text, uint32_t marks,
                    const RowInk& ink) {
  if (!box.Drawn) return;
  RECT r{box.Box.Left, box.Box.Top, box.Box.Right, box.Box.Bottom};
  TextRun runs[kMaxTextRuns];
  const size_t count = marks == 0 ? 0 : MarkedRuns(TextLength(text), marks, runs);
  if (count == 0) {
    DrawTextW(dc, AsWide(text), -1, &r, box.Format);
    return;
  }
  int x = box.Box.Left;
  for (size_t i = 0; i < count; ++i) {
    const TextRun& run = runs[i];
    const wchar_t* units = AsWide(text + run.Begin);
    const int length = static_cast<int>(run.End - run.Begin);
    HGDIOBJ oldFont = nullptr;
    if (run.Marked && ink.MarkFont != nullptr) oldFont = SelectObject(dc, ink.MarkFont);
    SetTextColor(dc, run.Marked ? ink.Mark : ink.Plain);
    r.left = std::min(x, static_cast<int>(box.Box.Right));
    DrawTextW(dc, units, length, &r, box.Format);
    if (i + 1 < count) x += RunWidth(dc, units, length, box.Format);
    if (oldFont != nullptr) SelectObject(dc, oldFont);
  }
  SetTextColor(dc, ink.Plain);
}

bool DrawListRowsNow(HWND list, uint32_t first, uint32_t last, int32_t left, int32_t right) {
  HDC dc = GetDC(list);
  if (dc == nullptr) return false;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  const COLORREF oldBackground = SetBkColor(dc, ListBackground(list));
  HWND parent = GetParent(list);
  const auto id = static_cast<UINT>(GetDlgCtrlID(list));
  for (uint32_t row = first; row <= last; ++row) {
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds))) continue;
    // The list's paint erases a row before its parent draws it.
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bounds, nullptr, 0, nullptr);
    // Rows draw no focus, so only the selection is told (asking for the
    // focus would cost a call to the window manager per redraw).
    const bool selected =
        (SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    const UINT itemState = selected ? ODS_SELECTED : 0;
    const RECT span{left, bounds.top, right, bounds.bottom};
    DRAWITEMSTRUCT item{ODT_LISTVIEW, id, row, ODA_DRAWENTIRE, itemState, list, dc, span, 0};
    SendMessageW(parent, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item));
  }
  SetBkColor(dc, oldBackground);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
  ReleaseDC(list, dc);
  return true;
}

}  // namespace vostarel
