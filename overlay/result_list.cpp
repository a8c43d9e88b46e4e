#include "result_list.h"

#include <commctrl.h>

#include <algorithm>

#include "aygshell.h"
#include "desktop_values.h"
#include "dialer_window_state.h"
#include "filter.h"
#include "list_placement.h"
#include "process_values.h"
#include "resource_ids.h"
#include "row_drawing.h"
#include "row_layout.h"
#include "soft_key.h"
#include "store_loaders.h"
#include "win_text.h"

namespace vostarel {
namespace {

// WS_CHILD | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS
// | LVS_OWNERDRAWFIXED | LVS_OWNERDATA | LVS_NOCOLUMNHEADER; not visible.
constexpr DWORD kListStyle = 0x4400540D;
static_assert(kListStyle == (WS_CHILD | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
                             LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_OWNERDATA |
                             LVS_NOCOLUMNHEADER));
constexpr int kInitialColumnWidth = 320;
constexpr int kKeypadControlId = 23061;

EdgeRect ToEdges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

EdgeRect ScreenRectOf(HWND window) {
  RECT r{};
  if (window != nullptr) GetWindowRect(window, &r);
  return ToEdges(r);
}

ListPlacementInput GatherPlacementInput(const DialHelper& helper, bool expanded) {
  const DialerWindowState& state = helper.Window;
  ListPlacementInput input{};
  input.Expanded = expanded;
  RECT client{};
  GetClientRect(state.Dialer, &client);
  input.ClientWidth = client.right;
  input.ClientHeight = client.bottom;
  input.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  input.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  input.Placement = helper.Options.Placement;
  input.Version52 = g_version52;
  HWND keypad = GetDlgItem(state.Dialer, kKeypadControlId);
  input.HasKeypad = keypad != nullptr;
  if (keypad != nullptr) {
    RECT r{};
    GetWindowRect(keypad, &r);
    MapWindowPoints(nullptr, state.Dialer, reinterpret_cast<POINT*>(&r), 2);
    input.KeypadInClient = ToEdges(r);
  }
  input.DialerOnScreen = ScreenRectOf(state.Dialer);
  input.NumberFieldOnScreen = ScreenRectOf(state.NumberField);
  input.RowHeight = helper.Options.RowHeight;
  return input;
}

// The list lies over the dialer's own controls (over the keypad from 5.2
// on, over all of them while expanded), on top of them. A child window that
// does not clip its siblings paints over those above it: the number field
// drawing a new number, a key drawn pressed. So every other child of the
// dialer is made to clip its siblings; over nothing, that changes nothing.
void ClipDialerControls(HWND dialer, HWND list) {
  for (HWND child = GetWindow(dialer, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == list) continue;
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if ((style & WS_CLIPSIBLINGS) == 0) SetWindowLongPtrW(child, GWL_STYLE, style | WS_CLIPSIBLINGS);
  }
}

// Column 0 `width` wide, unless it is already; whether it changed.
bool SetColumnWidth(DialerWindowState& state, int width) {
  if (state.Screen.ColumnWidth == width) return false;
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = width;
  SendMessageW(state.ResultList, LVM_SETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  state.Screen.ColumnWidth = width;
  return true;
}

// The column as wide as the list's client area (see desktop_values.h).
bool FitColumnToClientArea(DialerWindowState& state) {
  RECT client{};
  GetClientRect(state.ResultList, &client);
  return SetColumnWidth(state, client.right);
}

// The soft-key bar button by command ID; false when there is no bar or no
// such button.
bool SoftKeyText(HWND dialer, UINT command, UINT mask, wchar_t* text, int capacity, bool set) {
  HWND bar = SHFindMenuBar(dialer);
  if (bar == nullptr) return false;
  TBBUTTONINFOW info{};
  info.cbSize = kToolbarButtonInfoSize;  // the device's 32 bytes, see desktop_values.h
  info.dwMask = mask;
  info.pszText = text;
  info.cchText = capacity;
  return SendMessageW(bar, set ? TB_SETBUTTONINFOW : TB_GETBUTTONINFOW, command,
                      reinterpret_cast<LPARAM>(&info)) != (set ? 0 : -1);
}

// Relabels the soft key while the list is shown and puts its own caption
// back when it is hidden; from 5.2 on the keyboard focus follows the list.
void ApplySoftKey(DialHelper& helper, bool shown) {
  DialerWindowState& state = helper.Window;
  const UINT command = SoftKeyCommandFor(g_version52);
  if (g_version52) SetFocus(shown ? state.Dialer : state.NumberField);
  if (shown) {
    wchar_t current[kSoftKeyCaptionCapacity] = {};
    if (!SoftKeyText(state.Dialer, command, TBIF_TEXT, current, kSoftKeyCaptionCapacity, false)) {
      return;
    }
    char16_t kept[kSoftKeyCaptionCapacity];
    KeepSoftKeyCaption(AsUtf16(current), kept);
    for (size_t i = 0; i < kSoftKeyCaptionCapacity; ++i) state.SavedSoftKeyCaption[i] = kept[i];
    wchar_t label[64] = {};
    LoadStringW(g_moduleInstance, IDS_KEYPAD_SOFT_KEY, label, 64);
    SoftKeyText(state.Dialer, command, TBIF_TEXT, label, 64, true);
  } else {
    SoftKeyText(state.Dialer, command, TBIF_TEXT, state.SavedSoftKeyCaption,
                kSoftKeyCaptionCapacity, true);
  }
}

void DrawBox(HDC dc, const RowBox& box, const char16_t* text) {
  if (!box.Drawn) return;
  RECT r{box.Box.Left, box.Box.Top, box.Box.Right, box.Box.Bottom};
  DrawTextW(dc, AsWide(text), -1, &r, box.Format);
}

// The columns rows show: index and number by option, and both while the
// list is expanded.
struct RowColumns {
  bool showIndex;
  bool showNumber;
};

RowColumns ColumnsOf(const DialHelper& helper) {
  const uint32_t flags = helper.Options.Flags;
  const bool expanded = helper.Window.Expanded != FALSE;
  return {expanded || (flags & SettingsFlags::kShowIndexColumn) != 0,
          expanded || (flags & SettingsFlags::kShowNumber) != 0};
}

// The rows mark what fitted the keys the list was filled for.
RowMarking MarkingOf(const DialHelper& helper) {
  return {&helper.Index.Speller, helper.Window.ListedFor, helper.Options.Flags};
}

// Item 0 selected, focused and in view, as in a list filled anew.
void SelectFirstRow(HWND list) {
  constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;
  if (static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, 0, kSelectedAndFocused)) !=
      kSelectedAndFocused) {
    LVITEMW selectFirst{};
    selectFirst.stateMask = kSelectedAndFocused;
    selectFirst.state = kSelectedAndFocused;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selectFirst));
  }
  if (SendMessageW(list, LVM_GETTOPINDEX, 0, 0) != 0) SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
}

// Has rows first..last drawn again: their rectangle invalidated at once, one
// call where the list's own LVM_REDRAWITEMS makes one per row.
void InvalidateRows(HWND list, uint32_t first, uint32_t last) {
  RECT top{LVIR_BOUNDS, 0, 0, 0};
  RECT bottom{LVIR_BOUNDS, 0, 0, 0};
  if (!SendMessageW(list, LVM_GETITEMRECT, first, reinterpret_cast<LPARAM>(&top)) ||
      !SendMessageW(list, LVM_GETITEMRECT, last, reinterpret_cast<LPARAM>(&bottom))) {
    SendMessageW(list, LVM_REDRAWITEMS, first, last);
    return;
  }
  RECT rows{top.left, top.top, top.right, bottom.bottom};
  InvalidateRect(list, &rows, TRUE);
}

// Draws rows first..last again, straight into the list's DC once the list
// has drawn a row itself (which gives the span it draws rows with). That
// spares the paint cycle an invalidated rectangle starts (the update region,
// the caret and the visible region fetched and given back), which costs
// more than the rows themselves and would follow nearly every key, since
// the marks of the rows in view change with each digit.
void RedrawRows(HWND list, const ListScreen& screen, uint32_t first, uint32_t last) {
  if (screen.RowRight >= screen.RowLeft &&
      DrawListRowsNow(list, first, last, screen.RowLeft, screen.RowRight)) {
    return;
  }
  InvalidateRows(list, first, last);
}

// Redraws the rows in view that would now be drawn differently, a run of
// neighbouring rows at a time.
void RedrawChangedRows(const DialHelper& helper) {
  HWND list = helper.Window.ResultList;
  const ResultList& results = helper.Index.Results;
  const ShownRows& shown = helper.Window.Screen.Rows;
  const RowColumns columns = ColumnsOf(helper);
  const RowMarking marking = MarkingOf(helper);
  const auto top = static_cast<uint32_t>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  if (top >= results.Count) return;
  // The rows that fit, and one partly in view below them.
  const auto inView = static_cast<uint32_t>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)) + 1;
  const uint32_t end = std::min(results.Count, top + inView);
  uint32_t row = top;
  while (row < end) {
    if (shown.StillShows(row, results, columns.showIndex, columns.showNumber, marking)) {
      ++row;
      continue;
    }
    const uint32_t first = row++;
    while (row < end &&
           !shown.StillShows(row, results, columns.showIndex, columns.showNumber, marking)) {
      ++row;
    }
    RedrawRows(list, helper.Window.Screen, first, row - 1);
  }
}

// Makes the list window show the results (their count, the first row
// selected and in view, the rows that changed redrawn) or be hidden. A
// hidden list is left as it is: nothing of it is on the screen, and it is
// brought up to date before it shows again.
void ShowResults(DialHelper& helper, bool show) {
  DialerWindowState& state = helper.Window;
  ListScreen& screen = state.Screen;
  HWND list = state.ResultList;
  if (!show) {
    if (screen.Visible) SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, kListHidden);
    screen.Visible = false;
    return;
  }
  const uint32_t count = helper.Index.Results.Count;
  bool widthChanged = false;
  if (screen.ItemCount != count) {
    // The list redraws the rows that come or go itself.
    SendMessageW(list, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL);
    screen.ItemCount = count;
    // A vertical scroll bar may have come or gone.
    if (kColumnFitsClientArea) widthChanged = FitColumnToClientArea(state);
  }
  SelectFirstRow(list);
  if (screen.Visible) {
    // Every row is laid out from the column's width: a new width changes
    // all of them, however the list view moves what it had drawn.
    if (widthChanged) {
      InvalidateRect(list, nullptr, TRUE);
    } else {
      RedrawChangedRows(helper);
    }
    return;
  }
  SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, kListShown);  // every row is drawn as it shows
  screen.Visible = true;
}

}  // namespace

bool ResultListExists(const DialHelper& helper) {
  HWND list = helper.Window.ResultList;
  return list != nullptr && IsWindow(list);
}

void CreateResultList(DialHelper& helper) {
  DialerWindowState& state = helper.Window;
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"Vostarel", kListStyle, 0, 0, 240, 0, state.Dialer,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kResultListId)),
                              g_moduleInstance, nullptr);
  state.ResultList = list;
  state.Screen.Reset(kInitialColumnWidth);
  if (list == nullptr) return;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kListExStyle);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = kInitialColumnWidth;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  PlaceResultList(helper, false);
}

void RemakeResultList(DialHelper& helper) {
  CreateResultList(helper);
  // The state still says "shown", so the refresh neither saves the soft
  // key's caption again (it would save the relabelled one and lose the
  // dialer's own) nor relabels it; it shows the new window, or hides the
  // list and puts the caption back when nothing matches any more.
  if (ResultListExists(helper) && helper.Window.ListVisibility == kListShown) {
    RefreshResultList(helper);
  }
}

void PlaceResultList(DialHelper& helper, bool expanded) {
  DialerWindowState& state = helper.Window;
  state.Expanded = expanded ? TRUE : FALSE;
  if (!ResultListExists(helper)) return;
  ClipDialerControls(state.Dialer, state.ResultList);
  ListScreen& screen = state.Screen;
  const ListRect place = ChooseListRect(GatherPlacementInput(helper, expanded));
  const bool moved = !screen.Placed || !(place == screen.Place);
  if (moved) {
    SetWindowPos(state.ResultList, HWND_TOP, place.Left, place.Top, place.Width, place.Height,
                 SWP_NOOWNERZORDER);
    screen.Placed = true;
    screen.Place = place;
  }
  const int32_t columnWidth = screen.ColumnWidth;
  if (kColumnFitsClientArea) {
    FitColumnToClientArea(state);
  } else {
    SetColumnWidth(state, place.Width);
  }
  // Each row is laid out from the list's width, and shows more columns
  // while the list is expanded.
  if (moved || screen.ColumnWidth != columnWidth || expanded != screen.PlacedExpanded) {
    InvalidateRect(state.ResultList, nullptr, TRUE);
  }
  screen.PlacedExpanded = expanded;
}

void DrawResultRow(DialHelper& helper, const DRAWITEMSTRUCT& item) {
  const ResultList& results = helper.Index.Results;
  const RowColumns columns = ColumnsOf(helper);
  const RowLook look = LookOfRow(results, item.itemID, item.rcItem.right,
                                 item.rcItem.bottom - item.rcItem.top, columns.showIndex,
                                 columns.showNumber, MarkingOf(helper));
  ListScreen& screen = helper.Window.Screen;
  screen.Rows.Record(item.itemID, look);
  // The span the list gives a row on the screen (a row drawn into a memory
  // DC, to be read or printed, may be laid out otherwise).
  if (GetObjectType(item.hDC) == OBJ_DC) {
    screen.RowLeft = item.rcItem.left;
    screen.RowRight = item.rcItem.right;
  }
  if (!look.HasEntry) return;
  const ContactEntry& entry = *results.Items[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  if (selected) FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
  const RowInk ink = InkOfRow(helper.Window, dc, selected);
  const COLORREF oldColor = SetTextColor(dc, ink.Plain);
  // The highlight fill is the only background a row gets.
  const int oldMode = SetBkMode(dc, TRANSPARENT);

  const RowLayout layout = LayoutResultRow(
      {item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
      helper.Options.RowHeight, columns.showIndex, columns.showNumber);
  char16_t index[kRowIndexTextCapacity];
  RowIndexText(item.itemID, index);
  char16_t label[kRowLabelTextCapacity];
  RowLabelText(entry, label);
  DrawBox(dc, layout.Index, index);
  DrawMarkedText(dc, layout.Name, entry.DisplayName, look.Marks.Name, ink);
  DrawMarkedText(dc, layout.Number, RowNumberText(entry), look.Marks.Number, ink);
  DrawBox(dc, layout.Label, label);

  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColor);
}

void RefreshResultList(DialHelper& helper) {
  DialerWindowState& state = helper.Window;
  wchar_t text[kTypedCapacity] = {};
  UINT wanted = kListHidden;
  if ((helper.Options.Flags & SettingsFlags::kOverlayOn) != 0) {
    // A handle whose window the dialer destroyed names no list: make it again.
    if (!ResultListExists(helper)) CreateResultList(helper);
    GetWindowTextW(state.NumberField, text, kTypedCapacity);
    if (text[0] != 0) {
      wanted = kListShown;
      if (state.ListVisibility == kListHidden) LoadCallLog(helper, true);
    }
  }
  CleanTypedText(AsUtf16(text), state.ListedFor);
  FilterStores(helper.Index, state.ListedFor, helper.Options.Flags, helper.Options.Order);
  if (helper.Index.Results.Count == 0) wanted = kListHidden;

  if (ResultListExists(helper)) ShowResults(helper, wanted == kListShown);
  if (wanted == state.ListVisibility) return;
  state.ListVisibility = wanted;
  ApplySoftKey(helper, wanted == kListShown);
  if (state.Expanded) PlaceResultList(helper, false);
}

void RefreshResultList() {
  if (DialHelper* helper = g_mainObject) RefreshResultList(*helper);
}

}  // namespace vostarel
