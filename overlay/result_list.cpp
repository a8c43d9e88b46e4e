#include "result_list.h"

#include <commctrl.h>

#include "aygshell.h"
#include "desktop_values.h"
#include "dial_helper.h"
#include "filter.h"
#include "list_placement.h"
#include "process_values.h"
#include "resource_ids.h"
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

void SetColumnWidth(HWND list, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = width;
  SendMessageW(list, LVM_SETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

// The column as wide as the list's client area (see desktop_values.h).
void FitColumnToClientArea(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  SetColumnWidth(list, client.right);
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

}  // namespace

void CreateResultList(DialHelper& helper) {
  DialerWindowState& state = helper.Window;
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"Vostarel", kListStyle, 0, 0, 240, 0, state.Dialer,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kResultListId)),
                              g_moduleInstance, nullptr);
  state.ResultList = list;
  if (list == nullptr) return;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kListExStyle);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = kInitialColumnWidth;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  PlaceResultList(helper, false);
}

void RemakeResultList(DialHelper& helper) {
  DialerWindowState& state = helper.Window;
  const bool wasShown = state.ListVisibility == kListShown;
  CreateResultList(helper);
  if (!wasShown || state.ResultList == nullptr) return;
  // The state still says "shown", so the refresh neither saves the soft
  // key's caption again (it would save the relabelled one and lose the
  // dialer's own) nor shows the new window, which is shown here unless the
  // refresh found nothing to show and went through the hiding itself.
  RefreshResultList(helper);
  if (state.ListVisibility == kListShown) {
    SetWindowPos(state.ResultList, HWND_TOP, 0, 0, 0, 0, kListShown);
  }
}

void PlaceResultList(DialHelper& helper, bool expanded) {
  DialerWindowState& state = helper.Window;
  state.Expanded = expanded ? TRUE : FALSE;
  if (state.ResultList == nullptr) return;
  const ListRect place = ChooseListRect(GatherPlacementInput(helper, expanded));
  SetWindowPos(state.ResultList, HWND_TOP, place.Left, place.Top, place.Width, place.Height,
               SWP_NOOWNERZORDER);
  if (kColumnFitsClientArea) {
    FitColumnToClientArea(state.ResultList);
  } else {
    SetColumnWidth(state.ResultList, place.Width);
  }
  InvalidateRect(state.ResultList, nullptr, TRUE);
}

void DrawResultRow(const DialHelper& helper, const DRAWITEMSTRUCT& item) {
  const ResultList& results = helper.Index.Results;
  if (item.itemID >= results.Count || results.Items[item.itemID] == nullptr) return;
  const ContactEntry& entry = *results.Items[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  if (selected) FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
  const COLORREF oldColor =
      SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  // The highlight fill is the only background a row gets.
  const int oldMode = SetBkMode(dc, TRANSPARENT);

  const uint32_t flags = helper.Options.Flags;
  const bool expanded = helper.Window.Expanded != FALSE;
  const RowLayout layout = LayoutResultRow(
      {item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
      helper.Options.RowHeight, expanded || (flags & SettingsFlags::kShowIndexColumn) != 0,
      expanded || (flags & SettingsFlags::kShowNumber) != 0);
  char16_t index[kRowIndexTextCapacity];
  RowIndexText(item.itemID, index);
  char16_t label[kRowLabelTextCapacity];
  RowLabelText(entry, label);
  DrawBox(dc, layout.Index, index);
  DrawBox(dc, layout.Name, entry.DisplayName);
  DrawBox(dc, layout.Number, RowNumberText(entry));
  DrawBox(dc, layout.Label, label);

  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColor);
}

void RefreshResultList(DialHelper& helper) {
  DialerWindowState& state = helper.Window;
  wchar_t text[kTypedCapacity] = {};
  UINT wanted = kListHidden;
  if ((helper.Options.Flags & SettingsFlags::kOverlayOn) != 0) {
    if (state.ResultList == nullptr) CreateResultList(helper);
    GetWindowTextW(state.NumberField, text, kTypedCapacity);
    if (text[0] != 0) {
      wanted = kListShown;
      if (state.ListVisibility == kListHidden) LoadCallLog(helper, true);
    }
  }
  char16_t typed[kTypedCapacity];
  CleanTypedText(AsUtf16(text), typed);
  FilterStores(helper.Index, typed, helper.Options.Flags);
  if (helper.Index.Results.Count == 0) wanted = kListHidden;

  HWND list = state.ResultList;
  if (list != nullptr) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(list, LVM_SETITEMCOUNT, helper.Index.Results.Count, LVSICF_NOINVALIDATEALL);
    if (kColumnFitsClientArea) FitColumnToClientArea(list);  // a vertical scroll bar may have come or gone
    LVITEMW selectFirst{};
    selectFirst.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selectFirst.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selectFirst));
  }
  if (wanted == state.ListVisibility) return;
  state.ListVisibility = wanted;
  if (list != nullptr) SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, wanted);
  ApplySoftKey(helper, wanted == kListShown);
  if (state.Expanded) PlaceResultList(helper, false);
}

void RefreshResultList() {
  if (DialHelper* helper = g_mainObject) RefreshResultList(*helper);
}

}  // namespace vostarel
