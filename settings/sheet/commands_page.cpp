// The Commands page: the user commands as rows of a list view (caption,
// command text, mode), with buttons to add, delete and move them and a
// double tap to edit one. The list is the page's working copy: the
// commands in memory and in the registry are rewritten from it when the
// sheet applies, and only when a command reached the page.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "command_editor.h"
#include "command_list_rules.h"
#include "command_text.h"
#include "desktop_values.h"
#include "dial_helper.h"
#include "process_values.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "sheet_pages.h"
#include "win_text.h"

namespace vostarel {
namespace {

// Child, visible, border, tab stop, report view, one selection, selection
// shown without focus. The list has no control ID: its notifications are
// recognised by its window.
constexpr DWORD kCommandListStyle = 0x5081000D;
static_assert(kCommandListStyle == (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                                    LVS_SINGLESEL | LVS_SHOWSELALWAYS));
// Where the list is made; the layout then puts it below the buttons.
constexpr RECT kInitialListRect{20, 100, 220, 200};
constexpr int kInitialColumnWidth = 80;
constexpr int kColumnTitlesCapacity = 1024;

enum CommandColumn : int { kCaptionColumn, kCommandColumn, kModeColumn };
// Units of a cell read when two rows change places.
constexpr int kCellCapacity = 260;
constexpr int kModeTextCapacity = 16;
constexpr int kNoRow = -1;
constexpr UINT kRowMark = LVIS_SELECTED | LVIS_FOCUSED;

// ---- Rows -----------------------------------------------------------------

int RowCount(HWND list) { return ListView_GetItemCount(list); }

int FocusedRow(HWND list) { return ListView_GetNextItem(list, kNoRow, LVNI_FOCUSED); }

void SetCell(HWND list, int row, int column, const wchar_t* text) {
  ListView_SetItemText(list, row, column, const_cast<wchar_t*>(text));
}

void GetCell(HWND list, int row, int column, wchar_t* text, int capacity) {
  text[0] = 0;
  ListView_GetItemText(list, row, column, text, capacity);
}

// Selects and focuses `row` (the list allows one selection, so this moves
// it) and scrolls it into view.
void MarkRow(HWND list, int row) {
  ListView_SetItemState(list, row, kRowMark, kRowMark);
  ListView_EnsureVisible(list, row, FALSE);
}

void ShowCommandInRow(HWND list, int row, const MenuCommand& command) {
  SetCell(list, row, kCaptionColumn, AsWide(command.Caption));
  SetCell(list, row, kCommandColumn, AsWide(command.Command));
  SetCell(list, row, kModeColumn, AsWide(ModeColumnText(command.Mode).c_str()));
}

// Appends `command` as the last row and makes it the selected row.
void AppendRow(HWND list, const MenuCommand& command) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount(list);
  item.pszText = const_cast<wchar_t*>(AsWide(command.Caption));
  const int row = ListView_InsertItem(list, &item);
  if (row < 0) return;
  ShowCommandInRow(list, row, command);
  MarkRow(list, row);
}

void ReadRow(HWND list, int row, MenuCommand& command) {
  GetCell(list, row, kCaptionColumn, AsWide(command.Caption), static_cast<int>(kCaptionCapacity));
  GetCell(list, row, kCommandColumn, AsWide(command.Command), static_cast<int>(kCommandTextCapacity));
  wchar_t mode[kModeTextCapacity];
  GetCell(list, row, kModeColumn, mode, kModeTextCapacity);
  command.Mode = ModeFromColumnText(AsUtf16(mode));
}

// Rows `row` and `other` change places; the moved command stays selected.
void ExchangeRows(HWND list, int row, int other) {
  for (int column : {kCaptionColumn, kCommandColumn, kModeColumn}) {
    wchar_t first[kCellCapacity];
    wchar_t second[kCellCapacity];
    GetCell(list, row, column, first, kCellCapacity);
    GetCell(list, other, column, second, kCellCapacity);
    SetCell(list, row, column, second);
    SetCell(list, other, column, first);
  }
  MarkRow(list, other);
}

// ---- Page set-up and layout ---------------------------------------------------

void AddColumns(HWND list) {
  wchar_t titles[kColumnTitlesCapacity] = {};
  const int length = LoadStringW(g_moduleInstance, IDS_COMMAND_COLUMNS, titles, kColumnTitlesCapacity);
  if (length <= 0) return;
  int index = 0;
  for (std::u16string_view piece : CommandColumnTitles({AsUtf16(titles), static_cast<size_t>(length)})) {
    std::wstring title(AsWide(piece.data()), piece.size());  // terminated for the list
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = kInitialColumnWidth;
    column.pszText = title.data();
    ListView_InsertColumn(list, index++, &column);
  }
}

// The device's list has no horizontal scroll bar, so there the columns fill
// the list's window width even when a vertical scroll bar covers part of
// it. The desktop list view would scroll sideways then (see
// desktop_values.h), so it gets its columns fitted to its client area, also
// whenever a row count change may have brought or removed that scroll bar.
int ColumnArea(HWND list) {
  RECT area{};
  if (kColumnFitsClientArea) {
    GetClientRect(list, &area);
  } else {
    GetWindowRect(list, &area);
  }
  return area.right - area.left;
}

void SizeColumns(HWND list, int32_t rowHeight) {
  // Columns fitted once can take away the horizontal scroll bar and with it
  // the need for the vertical one, which widens the area: a second pass
  // fits them to that.
  for (int pass = 0, width = -1; pass < 2 && ColumnArea(list) != width; ++pass) {
    width = ColumnArea(list);
    const CommandColumnWidths columns = SizeCommandColumns(width, rowHeight);
    for (int column = 0; column < kCommandListColumnCount; ++column) {
      ListView_SetColumnWidth(list, column, columns.Widths[column]);
    }
  }
}

void LayOutPage(HWND page, HWND list, int width, int height, int32_t rowHeight) {
  RECT button{};
  GetWindowRect(GetDlgItem(page, IDC_COMMAND_ADD), &button);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&button), 2);
  const CommandListRect place = PlaceCommandList(button.left, button.bottom, width, height);
  MoveWindow(list, place.X, place.Y, place.Width, place.Height, FALSE);
  SizeColumns(list, rowHeight);
}

void InitPage(HWND page, DialHelper& helper) {
  // The handle is kept before any row goes in: the insert notifications
  // that enable the buttons compare against it.
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", kCommandListStyle, kInitialListRect.left,
                              kInitialListRect.top, kInitialListRect.right - kInitialListRect.left,
                              kInitialListRect.bottom - kInitialListRect.top, page, nullptr,
                              g_moduleInstance, nullptr);
  helper.Sheet.CommandList = list;
  helper.Sheet.CommandsChanged = FALSE;
  if (list == nullptr) return;
  ListView_SetExtendedListViewStyle(list, kCommandListExStyle);
  // The page's own font, so the list's texts look like the rest of the page.
  SendMessageW(list, WM_SETFONT, SendMessageW(page, WM_GETFONT, 0, 0), FALSE);
  AddColumns(list);
  const MenuCommand* commands = helper.Options.Commands;
  const size_t count = CommandListLength(commands, kMenuCommandCount);
  for (size_t i = 0; i < count; ++i) AppendRow(list, commands[i]);
  // Each row was scrolled to as it went in, the last one selected, in a list
  // smaller than the page's; made larger, the list keeps its scrolled place
  // and would hide the first command. The page opens at its first command.
  if (count > 0) ListView_EnsureVisible(list, 0, FALSE);
  RECT client{};
  GetClientRect(page, &client);
  LayOutPage(page, list, client.right, client.bottom, helper.Options.RowHeight);
}

// ---- Commands -------------------------------------------------------------

void AddCommand(HWND page, HWND list, int32_t rowHeight) {
  MenuCommand record{};
  record.Mode = 1;
  if (RunCommandEditor(page, record) != kEditorSaved) return;
  AppendRow(list, record);
  SizeColumns(list, rowHeight);
}

void EditRow(HWND page, HWND list, int row) {
  if (row == kNoRow) return;
  MenuCommand record{};
  ReadRow(list, row, record);
  if (RunCommandEditor(page, record) == kEditorSaved) ShowCommandInRow(list, row, record);
}

void DeleteRow(HWND list, int row, int32_t rowHeight) {
  if (row == kNoRow) return;
  ListView_DeleteItem(list, row);
  MarkRow(list, row > 0 ? row - 1 : 0);
  SizeColumns(list, rowHeight);
}

void OnPageCommand(HWND page, DialHelper& helper, int id) {
  HWND list = helper.Sheet.CommandList;
  const int focused = list != nullptr ? FocusedRow(list) : kNoRow;
  // Any command counts as a change, even one that ends up changing nothing.
  helper.Sheet.CommandsChanged = TRUE;
  if (list == nullptr) return;
  switch (id) {
    case IDC_COMMAND_ADD:
      AddCommand(page, list, helper.Options.RowHeight);
      break;
    case IDC_COMMAND_EDIT:
      EditRow(page, list, focused);
      break;
    case IDC_COMMAND_DELETE:
      DeleteRow(list, focused, helper.Options.RowHeight);
      break;
    case IDC_COMMAND_UP:
      if (focused > 0) ExchangeRows(list, focused, focused - 1);
      break;
    case IDC_COMMAND_DOWN:
      if (focused != kNoRow && focused + 1 < RowCount(list)) ExchangeRows(list, focused, focused + 1);
      break;
    default:
      break;
  }
}

// ---- Notifications -----------------------------------------------------------

void EnableRowButtons(HWND page, bool enable) {
  for (int id : {IDC_COMMAND_DELETE, IDC_COMMAND_UP, IDC_COMMAND_DOWN}) {
    EnableWindow(GetDlgItem(page, id), enable);
  }
}

// Rewrites the command entries and the Menu values from the rows; rows
// past the tenth are dropped.
void ApplyCommands(DialHelper& helper) {
  HWND list = helper.Sheet.CommandList;
  // Without its list the page has nothing to save; an empty command list
  // must not be written in its place.
  if (list == nullptr) return;
  const size_t rowCount = std::min<size_t>(static_cast<size_t>(std::max(RowCount(list), 0)),
                                           kMenuCommandCount);
  MenuCommand rows[kMenuCommandCount] = {};
  for (size_t i = 0; i < rowCount; ++i) ReadRow(list, static_cast<int>(i), rows[i]);
  const size_t stored = StoreCommandRows(helper.Options.Commands, rows, rowCount);
  WriteCommands(helper.Options.Commands, stored);
}

void OnPageNotify(HWND page, DialHelper& helper, const NMHDR& notice) {
  if (notice.code == static_cast<UINT>(PSN_APPLY)) {
    if (helper.Sheet.CommandsChanged) ApplyCommands(helper);
    return;
  }
  HWND list = helper.Sheet.CommandList;
  if (list == nullptr || notice.hwndFrom != list) return;
  const int count = RowCount(list);
  switch (notice.code) {
    case LVN_ITEMACTIVATE:
      OnPageCommand(page, helper, IDC_COMMAND_EDIT);
      break;
    case LVN_INSERTITEM:
      EnableRowButtons(page, count != 0);
      break;
    case LVN_DELETEITEM:
      // The row being deleted is still counted.
      EnableRowButtons(page, count - 1 != 0);
      break;
    default:
      break;
  }
}

}  // namespace

INT_PTR CALLBACK CommandsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  DialHelper* helper = g_mainObject;
  if (helper == nullptr) return message == WM_INITDIALOG;
  switch (message) {
    case WM_INITDIALOG:
      InitPage(page, *helper);
      return TRUE;
    case WM_SIZE:
      // The first WM_SIZE comes before the list exists.
      if (helper->Sheet.CommandList != nullptr) {
        LayOutPage(page, helper->Sheet.CommandList, LOWORD(lParam), HIWORD(lParam),
                   helper->Options.RowHeight);
      }
      return 0;
    case WM_COMMAND:
      OnPageCommand(page, *helper, LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      OnPageNotify(page, *helper, *reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_DESTROY:
      // The list goes with the page; its last notifications must not be
      // taken for the next page's.
      helper->Sheet.CommandList = nullptr;
      return 0;
    default:
      return 0;
  }
}

}  // namespace vostarel
