// The Commands page: the list shown from the commands, the buttons and the
// row double tap acting on it, and what OK and Cancel leave in memory and in
// the Menu values.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "settings.h"
#include "settings_sheet.h"
#include "sheet_fixture.h"
#include "win_text.h"

namespace settings_test {
namespace {

using namespace vostarel;

// The built-in commands as the Menu values hold them.
const std::vector<std::wstring> kBuiltIns = {
    L"1|연락처 열기 \"%n\"|*",
    L"9|-|-",
    L"9|!전화 걸기 : %t|%p",
    L"1|450 메시지 보내기|MessageUtil.exe -CProg -%p",
    L"1|4500 메시지 보내기|KTFMMS.exe -type EDIT -RECEIVER \"%p\" -name \"\"",
    L"1|4650 메시지 보내기|LGTSMS.exe -type EDIT -RECEIVER \"%p\" -name \"\"",
    L"1|SKT 메시지 보내기|MMSDummy.exe \"1\" \"%p\"",
    L"1|BM-500 메시지 보내기|MMS.exe -%p",
    L"1|SMS 보내기|tmail.exe -service \"SMS\" -to \"%n<%p>\"",
};

HWND ListOf(HWND page) { return FindWindowExW(page, nullptr, WC_LISTVIEWW, nullptr); }

// A row as "mode|caption|command", the Menu value form.
std::wstring Row(HWND list, int row) {
  wchar_t cells[3][260] = {};
  for (int column = 0; column < 3; ++column) ListView_GetItemText(list, row, column, cells[column], 260);
  return std::wstring(cells[2]) + L"|" + cells[0] + L"|" + cells[1];
}

std::vector<std::wstring> Rows(HWND list) {
  std::vector<std::wstring> rows;
  for (int i = 0; i < ListView_GetItemCount(list); ++i) rows.push_back(Row(list, i));
  return rows;
}

int SelectedRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

// The middle of `row`, scrolled into view first as a user would.
POINT RowCentre(HWND list, int row) {
  ListView_EnsureVisible(list, row, FALSE);
  RECT rect{};
  ListView_GetItemRect(list, row, &rect, LVIR_LABEL);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Tap(HWND list, int row) {
  const POINT at = RowCentre(list, row);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// A double tap on `row`; `inEditor` runs in the command editor it opens and
// must close it. Returns once the editor is closed.
void DoubleTap(HWND sheet, HWND list, int row, std::function<void(HWND editor)> inEditor) {
  bool opened = false;
  WhenWindowAppears(L"#32770", L"명령", sheet, [&](HWND editor) {
    opened = true;
    inEditor(editor);
  });
  Tap(list, row);
  const POINT at = RowCentre(list, row);
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  EXPECT_TRUE(opened) << "no editor for row " << row;
}

// "Add" with the editor's fields filled and saved.
void AddCommand(HWND sheet, HWND page, const std::wstring& caption, const std::wstring& command) {
  WhenWindowAppears(L"#32770", L"명령", sheet, [=](HWND editor) {
    SetText(editor, IDC_EDITOR_CAPTION, caption);
    SetText(editor, IDC_EDITOR_COMMAND, command);
    PostMessageW(editor, WM_COMMAND, IDOK, 0);
  });
  Click(page, IDC_COMMAND_ADD);
}

// The Menu values as a load reads them: up to the first missing one, or
// through the first empty one; "Menu10" is looked at too, to catch a
// command stored past the tenth.
std::vector<std::wstring> MenuValues() {
  std::vector<std::wstring> values;
  std::wstring value;
  for (int i = 0; i < 11 && ReadString((L"Menu" + std::to_wstring(i)).c_str(), &value); ++i) {
    values.push_back(value);
    if (value.empty()) break;
  }
  return values;
}

class CommandsPageTest : public SheetTest {};

TEST_F(CommandsPageTest, FreshInstallShowsTheBuiltInsBelowTheButtonsWithTheLastSelected) {
  RunSheet(kCommandsPage, [this](HWND sheet) {
    HWND page = CurrentPage(sheet);
    HWND list = ListOf(page);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Rows(list), kBuiltIns);
    EXPECT_EQ(ListView_GetTopIndex(list), 0) << "the page opens below its first command";
    EXPECT_EQ(SelectedRow(list), 8);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 8);
    for (int id : {IDC_COMMAND_ADD, IDC_COMMAND_DELETE, IDC_COMMAND_UP, IDC_COMMAND_DOWN}) {
      EXPECT_TRUE(IsEnabled(page, id)) << id;
    }
    wchar_t title[32] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 32;
    ListView_GetColumn(list, 2, &column);
    EXPECT_STREQ(title, L"표시");

    // The list fills the page below the buttons, margins as wide as the
    // first button's left edge, and the columns fill the list without a
    // horizontal scroll bar.
    RECT button{}, placed{}, client{}, inside{};
    GetWindowRect(GetDlgItem(page, IDC_COMMAND_ADD), &button);
    GetWindowRect(list, &placed);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&button), 2);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&placed), 2);
    GetClientRect(page, &client);
    EXPECT_EQ(placed.left, button.left);
    EXPECT_EQ(placed.top, button.bottom + button.left);
    EXPECT_EQ(placed.right, client.right - button.left);
    EXPECT_EQ(placed.bottom, client.bottom - button.left);
    GetClientRect(list, &inside);
    const int modeWidth = ListView_GetColumnWidth(list, 2);
    EXPECT_EQ(modeWidth, 2 * (Helper().Options.RowHeight + 5));
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), ListView_GetColumnWidth(list, 1));
    const int spare = inside.right - (2 * ListView_GetColumnWidth(list, 0) + modeWidth);
    EXPECT_TRUE(spare == 0 || spare == 1) << spare;
    EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL, 0);
    PressCancel(sheet);
  });
}

TEST_F(CommandsPageTest, OkRewritesTheValuesOnlyOnceAButtonWasPressedEvenForNoChange) {
  RunSheet(kCommandsPage, [](HWND sheet) { PressOk(sheet); });
  EXPECT_EQ(MenuValues(), std::vector<std::wstring>{});

  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    Tap(ListOf(page), 0);
    Click(page, IDC_COMMAND_UP);  // the first row cannot go up
    EXPECT_EQ(Rows(ListOf(page)), kBuiltIns);
    PressOk(sheet);
  });
  std::vector<std::wstring> expected = kBuiltIns;
  expected.push_back(L"");
  EXPECT_EQ(MenuValues(), expected);
}

TEST_F(CommandsPageTest, DownKeepsTheRowSelectedSoRepeatedDownMovesItToTheEnd) {
  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    HWND list = ListOf(page);
    Tap(list, 0);
    for (int i = 0; i < 10; ++i) Click(page, IDC_COMMAND_DOWN);
    EXPECT_EQ(SelectedRow(list), 8);
    Click(page, IDC_COMMAND_UP);
    EXPECT_EQ(SelectedRow(list), 7);
    EXPECT_EQ(Row(list, 7), kBuiltIns[0]);
    EXPECT_EQ(Row(list, 8), kBuiltIns[8]);
    EXPECT_EQ(Row(list, 0), kBuiltIns[1]);
    PressOk(sheet);
  });
  const std::vector<std::wstring> values = MenuValues();
  ASSERT_EQ(values.size(), 10u);
  EXPECT_EQ(values[7], kBuiltIns[0]);
  EXPECT_EQ(values[6], kBuiltIns[7]);
  EXPECT_EQ(std::wstring(AsWide(Helper().Options.Commands[7].Caption)), L"연락처 열기 \"%n\"");
}

TEST_F(CommandsPageTest, DeletingEveryRowSavesAnEmptyListAndTheNextLoadBringsBackTheBuiltIns) {
  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    HWND list = ListOf(page);
    Tap(list, 0);
    Click(page, IDC_COMMAND_DELETE);  // the next row moves up and is selected
    EXPECT_EQ(SelectedRow(list), 0);
    EXPECT_EQ(Row(list, 0), kBuiltIns[1]);
    Click(page, IDC_COMMAND_DELETE);
    Tap(list, 6);
    Click(page, IDC_COMMAND_DELETE);  // the row before it is selected
    EXPECT_EQ(SelectedRow(list), 5);
    while (ListView_GetItemCount(list) > 0) Click(page, IDC_COMMAND_DELETE);
    for (int id : {IDC_COMMAND_DELETE, IDC_COMMAND_UP, IDC_COMMAND_DOWN}) {
      EXPECT_FALSE(IsEnabled(page, id)) << id;
    }
    EXPECT_TRUE(IsEnabled(page, IDC_COMMAND_ADD));
    PressOk(sheet);
  });
  EXPECT_EQ(MenuValues(), std::vector<std::wstring>{L""});
  EXPECT_EQ(Helper().Options.Commands[0].Caption[0], u'\0');
  EXPECT_EQ(Helper().Options.Commands[0].Mode, 0);

  RecreateMainObject();
  EXPECT_EQ(std::wstring(AsWide(Helper().Options.Commands[8].Caption)), L"SMS 보내기");
}

TEST_F(CommandsPageTest, FewerThanTenRowsEndTheValuesAfterThemAndLeaveLaterValues) {
  WriteString(L"Menu0", L"1|one|a");
  WriteString(L"Menu1", L"0|two|b");
  WriteString(L"Menu2", L"9|three|c");
  WriteString(L"Menu3", L"");
  WriteString(L"Menu4", L"1|stale|d");
  RecreateMainObject();
  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(Rows(ListOf(page)), (std::vector<std::wstring>{L"1|one|a", L"0|two|b", L"9|three|c"}));
    Tap(ListOf(page), 1);
    Click(page, IDC_COMMAND_DELETE);
    PressOk(sheet);
  });
  EXPECT_EQ(MenuValues(), (std::vector<std::wstring>{L"1|one|a", L"9|three|c", L""}));
  std::wstring stale;
  ASSERT_TRUE(ReadString(L"Menu4", &stale));
  EXPECT_EQ(stale, L"1|stale|d");
  const MenuCommand& ended = Helper().Options.Commands[2];
  EXPECT_EQ(ended.Caption[0], u'\0');
  EXPECT_EQ(ended.Mode, 0);
}

TEST_F(CommandsPageTest, AddedRowsGoAtTheEndAndOnlyTenAreSaved) {
  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    HWND list = ListOf(page);
    AddCommand(sheet, page, L"tenth", L"x");
    AddCommand(sheet, page, L"eleventh", L"y");
    ASSERT_EQ(ListView_GetItemCount(list), 11);
    EXPECT_EQ(Row(list, 9), L"1|tenth|x");  // a new command is offered for the first number
    EXPECT_EQ(Row(list, 10), L"1|eleventh|y");
    EXPECT_EQ(SelectedRow(list), 10);
    PressOk(sheet);
  });
  std::vector<std::wstring> expected = kBuiltIns;
  expected.push_back(L"1|tenth|x");
  EXPECT_EQ(MenuValues(), expected);
  EXPECT_EQ(std::wstring(AsWide(Helper().Options.Commands[9].Caption)), L"tenth");
}

TEST_F(CommandsPageTest, EditingAModeFiveRowSelectsEveryNumberAndSavesNine) {
  WriteString(L"Menu0", L"5|five|run");
  RecreateMainObject();
  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND list = ListOf(CurrentPage(sheet));
    DoubleTap(sheet, list, 0, [](HWND editor) {
      EXPECT_TRUE(IsChecked(editor, IDC_EDITOR_MODE_ALL));
      EXPECT_FALSE(IsChecked(editor, IDC_EDITOR_MODE_FIRST));
      EXPECT_FALSE(IsChecked(editor, IDC_EDITOR_MODE_NEVER));
      EXPECT_EQ(TextOf(editor, IDC_EDITOR_CAPTION), L"five");
      EXPECT_EQ(TextOf(editor, IDC_EDITOR_COMMAND), L"run");
      PostMessageW(editor, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(Row(list, 0), L"9|five|run");
    PressOk(sheet);
  });
  EXPECT_EQ(MenuValues(), (std::vector<std::wstring>{L"9|five|run", L""}));
  EXPECT_EQ(Helper().Options.Commands[0].Mode, 9);
}

TEST_F(CommandsPageTest, DefaultBoxStoresABangCaptionThatReopensTicked) {
  WriteString(L"Menu0", L"1|전화|%p");
  RecreateMainObject();
  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND list = ListOf(CurrentPage(sheet));
    DoubleTap(sheet, list, 0, [](HWND editor) {
      EXPECT_FALSE(IsChecked(editor, IDC_EDITOR_DEFAULT));
      Click(editor, IDC_EDITOR_DEFAULT);
      PostMessageW(editor, WM_COMMAND, IDM_EDITOR_OK, 0);
    });
    EXPECT_EQ(Row(list, 0), L"1|!전화|%p");
    DoubleTap(sheet, list, 0, [](HWND editor) {
      EXPECT_TRUE(IsChecked(editor, IDC_EDITOR_DEFAULT));
      EXPECT_EQ(TextOf(editor, IDC_EDITOR_CAPTION), L"전화");
      SetText(editor, IDC_EDITOR_CAPTION, L"cancelled");
      PostMessageW(editor, WM_COMMAND, IDM_EDITOR_CANCEL, 0);
    });
    EXPECT_EQ(Row(list, 0), L"1|!전화|%p");
    PressOk(sheet);
  });
  EXPECT_EQ(MenuValues(), (std::vector<std::wstring>{L"1|!전화|%p", L""}));
}

TEST_F(CommandsPageTest, CancelLeavesTheCommandsAndTheValuesUntouched) {
  RunSheet(kCommandsPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    Click(page, IDC_COMMAND_DELETE);
    Click(page, IDC_COMMAND_UP);
    AddCommand(sheet, page, L"new", L"z");
    PressCancel(sheet);
  });
  EXPECT_EQ(MenuValues(), std::vector<std::wstring>{});
  EXPECT_EQ(std::wstring(AsWide(Helper().Options.Commands[8].Caption)), L"SMS 보내기");
  EXPECT_EQ(Helper().Options.Commands[9].Caption[0], u'\0');
}

}  // namespace
}  // namespace settings_test
