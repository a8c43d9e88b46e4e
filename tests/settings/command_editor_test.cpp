// The command editor on its own: its place and menu bar, the rule that a
// command needs a caption, the fields saved, and the macro menus. How it
// shows and saves a row is tested through the Commands page.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "aygshell.h"
#include "command_editor.h"
#include "resource_ids.h"
#include "settings.h"
#include "sheet_fixture.h"
#include "win_test_support.h"
#include "text.h"
#include "win_text.h"

namespace settings_test {
namespace {

using namespace vostarel;

MenuCommand Record(int32_t mode, const char16_t* caption, const char16_t* command) {
  MenuCommand record{};
  record.Mode = mode;
  CopyText(record.Caption, caption);
  CopyText(record.Command, command);
  return record;
}

std::wstring Text(const char16_t* text) { return AsWide(text); }

void PostKey(HWND window, UINT key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// Chooses the item `id` of the popup menu that is about to open with the
// arrow keys and Enter, as a user would; 0 closes the menu without a choice.
void WhenMenuOpensChoose(UINT id, std::function<void(HWND popup)> seen = nullptr) {
  WhenWindowAppears(L"#32768", nullptr, nullptr, [=](HWND popup) {
    if (seen) seen(popup);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    int steps = 0;
    while (id != 0 && steps < GetMenuItemCount(menu) && GetMenuItemID(menu, steps) != id) ++steps;
    if (id == 0 || steps == GetMenuItemCount(menu)) {
      EXPECT_EQ(id, 0u) << "no item " << id;
      EndMenu();
      return;
    }
    for (int i = 0; i <= steps; ++i) PostKey(popup, VK_DOWN);
    PostKey(popup, VK_RETURN);
  });
}

class CommandEditorTest : public SheetTest {
 protected:
  // Runs the editor over the phone window; `drive` runs in it and must
  // close it. A still open editor is cancelled after ten seconds.
  INT_PTR Edit(MenuCommand& record, std::function<void(HWND editor)> drive) {
    bool driven = false;
    WhenWindowAppears(L"#32770", L"명령", Phone(), [&](HWND editor) {
      driven = true;
      drive(editor);
    });
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR timer, DWORD) CALLBACK {
      KillTimer(nullptr, timer);
      ADD_FAILURE() << "the editor was still open after ten seconds";
      EndMenu();
      PostMessageW(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
    });
    const INT_PTR result = RunCommandEditor(Phone(), record);
    KillTimer(nullptr, watchdog);
    EXPECT_TRUE(driven) << "the editor never appeared";
    return result;
  }
};

TEST_F(CommandEditorTest, OkFromTheMenuBarSavesTheFieldsAndAnEmptyCaptionKeepsTheEditorOpen) {
  MenuCommand record = Record(1, u"", u"");
  EXPECT_EQ(Edit(record, [](HWND editor) {
              // Over the whole phone screen, with its own menu bar.
              RECT own{}, phone{};
              GetWindowRect(editor, &own);
              GetWindowRect(GetWindow(editor, GW_OWNER), &phone);
              EXPECT_EQ(own, phone);
              HWND bar = SHFindMenuBar(editor);
              ASSERT_NE(bar, nullptr);
              wchar_t label[32] = {};
              SendMessageW(bar, TB_GETBUTTONTEXTW, IDM_EDITOR_CANCEL, reinterpret_cast<LPARAM>(label));
              EXPECT_STREQ(label, L"취소");

              EXPECT_TRUE(IsChecked(editor, IDC_EDITOR_MODE_FIRST));
              Click(editor, IDC_EDITOR_DEFAULT);
              SendMessageW(editor, WM_COMMAND, IDOK, 0);
              EXPECT_TRUE(IsWindowVisible(editor)) << "closed without a caption";
              SetText(editor, IDC_EDITOR_CAPTION, std::wstring(40, L'가'));
              Click(editor, IDC_EDITOR_MODE_NEVER);
              // The bar's OK button, tapped.
              RECT button{};
              SendMessageW(bar, TB_GETRECT, IDM_EDITOR_OK, reinterpret_cast<LPARAM>(&button));
              const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
              PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
              PostMessageW(bar, WM_LBUTTONUP, 0, at);
            }),
            kEditorSaved);
  EXPECT_EQ(record.Mode, 0);
  EXPECT_EQ(Text(record.Caption), L"!" + std::wstring(30, L'가'));
  EXPECT_EQ(Text(record.Command), L"");
}

TEST_F(CommandEditorTest, MacroMenuReplacesTheFieldSelectionUndoablyAndFocusesTheField) {
  MenuCommand record = Record(9, u"Call", u"dial now");
  EXPECT_EQ(Edit(record, [](HWND editor) {
              HWND command = GetDlgItem(editor, IDC_EDITOR_COMMAND);
              SendMessageW(command, EM_SETSEL, 5, 8);  // "now"
              RECT button{};
              GetWindowRect(GetDlgItem(editor, IDC_EDITOR_COMMAND_MACROS), &button);
              WhenMenuOpensChoose(IDM_MACRO_NUMBER, [=](HWND popup) {
                // Right-aligned to the button, right below it.
                RECT menu{};
                GetWindowRect(popup, &menu);
                EXPECT_EQ(menu.right, button.right);
                EXPECT_EQ(menu.top, button.bottom);
              });
              Click(editor, IDC_EDITOR_COMMAND_MACROS);
              EXPECT_EQ(TextOf(editor, IDC_EDITOR_COMMAND), L"dial %p");
              EXPECT_EQ(GetFocus(), command);
              SendMessageW(command, EM_UNDO, 0, 0);
              EXPECT_EQ(TextOf(editor, IDC_EDITOR_COMMAND), L"dial now");

              WhenMenuOpensChoose(0);  // closed without a choice
              Click(editor, IDC_EDITOR_CAPTION_MACROS);
              EXPECT_EQ(TextOf(editor, IDC_EDITOR_CAPTION), L"Call");
              SendDlgItemMessageW(editor, IDC_EDITOR_CAPTION, EM_SETSEL, 4, 4);
              WhenMenuOpensChoose(IDM_MACRO_NAME);
              Click(editor, IDC_EDITOR_CAPTION_MACROS);
              EXPECT_EQ(TextOf(editor, IDC_EDITOR_CAPTION), L"Call%n");
              EXPECT_EQ(GetFocus(), GetDlgItem(editor, IDC_EDITOR_CAPTION));
              PostMessageW(editor, WM_COMMAND, IDM_EDITOR_OK, 0);
            }),
            kEditorSaved);
  EXPECT_EQ(Text(record.Caption), L"Call%n");
  EXPECT_EQ(Text(record.Command), L"dial now");
  EXPECT_EQ(record.Mode, 9);
}

}  // namespace
}  // namespace settings_test
