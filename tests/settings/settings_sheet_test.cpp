// The sheet as a whole: which page each overlay command opens, the menu
// bar's OK and Cancel, the layout over the phone's screen with every page's
// controls inside it, and the menu bars of the library's dialogs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "aygshell.h"
#include "overlay_menu.h"
#include "process_values.h"
#include "resource_ids.h"
#include "settings_sheet.h"
#include "sheet_fixture.h"
#include "win_test_support.h"

namespace settings_test {
namespace {

using namespace vostarel;
using vostarel::testing::ScopedRegistryValue;

class SettingsSheetTest : public SheetTest {};

int PageIndex(HWND sheet) {
  return static_cast<int>(SendMessageW(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0));
}

TEST_F(SettingsSheetTest, EachOverlayCommandOpensThePageItsCaptionNames) {
  Helper().Window.Dialer = Phone();
  const std::pair<UINT, int> commands[] = {{IDM_SETTINGS_GENERAL, kGeneralPage},
                                           {IDM_SETTINGS_POSITION, kPositionPage},
                                           {IDM_SETTINGS_COMMANDS, kCommandsPage},
                                           {IDM_SETTINGS_ABOUT, kAboutPage}};
  for (const auto& [command, page] : commands) {
    int shown = -1;
    HWND owner = nullptr;
    WhenWindowAppears(L"#32770", nullptr, Phone(), [&](HWND sheet) {
      shown = PageIndex(sheet);
      owner = GetWindow(sheet, GW_OWNER);
      PressCancel(sheet);
    });
    RunOverlayCommand(Helper(), command);
    EXPECT_EQ(shown, page) << command;
    EXPECT_EQ(owner, Phone()) << command;
  }
}

// The menu bar's button for `command`, tapped: down and up on it.
void TapMenuBarButton(HWND sheet, int command) {
  HWND bar = SHFindMenuBar(sheet);
  ASSERT_NE(bar, nullptr);
  const LRESULT index = SendMessageW(bar, TB_COMMANDTOINDEX, command, 0);
  ASSERT_GE(index, 0);
  RECT rect{};
  SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(bar, WM_LBUTTONUP, 0, point);
}

std::wstring ButtonText(HWND bar, int command) {
  wchar_t text[64] = {};
  TBBUTTONINFOW info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_TEXT;
  info.pszText = text;
  info.cchText = 64;
  SendMessageW(bar, TB_GETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));
  return text;
}

TEST_F(SettingsSheetTest, TheMenuBarsOkAppliesAndItsCancelDoesNot) {
  RunSheet(kGeneralPage, [](HWND sheet) {
    HWND bar = SHFindMenuBar(sheet);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_EQ(ButtonText(bar, IDOK), L"확인");
    EXPECT_EQ(ButtonText(bar, IDCANCEL), L"취소");
    Click(CurrentPage(sheet), IDC_OVERLAY_ON);
    TapMenuBarButton(sheet, IDCANCEL);
  });
  DWORD stored = 0;
  EXPECT_FALSE(ReadDword(L"Flag", &stored));
  RunSheet(kGeneralPage, [](HWND sheet) {
    Click(CurrentPage(sheet), IDC_OVERLAY_ON);
    TapMenuBarButton(sheet, IDOK);
  });
  ASSERT_TRUE(ReadDword(L"Flag", &stored));
  EXPECT_EQ(stored, SettingsFlags::kDefault & ~SettingsFlags::kOverlayOn);
}

// What of a control a person sees, in the page's coordinates: a text or a
// check box or radio button with its text is its text (with the box), since
// such a control may be drawn larger than what it shows; anything else is
// its whole rectangle.
RECT VisiblePart(HWND page, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  wchar_t className[32] = {};
  GetClassNameW(control, className, 32);
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  const bool isStatic = lstrcmpiW(className, L"Static") == 0;
  const LONG_PTR buttonType = style & BS_TYPEMASK;
  const bool isBox = lstrcmpiW(className, L"Button") == 0 &&
                     (buttonType == BS_AUTOCHECKBOX || buttonType == BS_CHECKBOX ||
                      buttonType == BS_AUTORADIOBUTTON || buttonType == BS_RADIOBUTTON);
  if (!isStatic && !isBox) return rect;
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  if (text[0] == 0) return RECT{rect.left, rect.top, rect.left, rect.top};
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT extent{0, 0, rect.right - rect.left, 0};
  DrawTextW(dc, text, -1, &extent, DT_CALCRECT | (isStatic && !(style & SS_LEFTNOWORDWRAP) ? DT_WORDBREAK : 0));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (isStatic) return RECT{rect.left, rect.top, rect.left + extent.right, rect.top + extent.bottom};
  // The box and a small gap, then the text, centred on the control's height.
  const int box = GetSystemMetrics(SM_CXMENUCHECK) + 4;
  const int height = std::max<int>(extent.bottom, box);
  const int top = (rect.top + rect.bottom - height) / 2;
  return RECT{rect.left, top, rect.left + box + extent.right, top + height};
}

std::string Describe(const RECT& rect) { return ::testing::PrintToString(rect); }

// What is cut off of a page: the page where it leaves the sheet's client
// area, and each visible control whose visible part leaves the page's client
// area, with the rectangles. Empty when everything is whole.
std::vector<std::string> CutOff(HWND sheet, HWND page) {
  std::vector<std::string> found;
  RECT sheetClient{};
  GetClientRect(sheet, &sheetClient);
  RECT pageRect{};
  GetWindowRect(page, &pageRect);
  MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&pageRect), 2);
  RECT inside{};
  if (!IntersectRect(&inside, &pageRect, &sheetClient) || !EqualRect(&inside, &pageRect)) {
    found.push_back("page " + Describe(pageRect) + " in sheet " + Describe(sheetClient));
  }
  RECT client{};
  GetClientRect(page, &client);
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const RECT seen = VisiblePart(page, child);
    if (seen.left < 0 || seen.top < 0 || seen.right > client.right || seen.bottom > client.bottom) {
      found.push_back("control " + std::to_string(GetDlgCtrlID(child)) + " " + Describe(seen) +
                      " in page " + Describe(client));
    }
  }
  return found;
}

// A tap on tab `index`, as a person switches pages.
void TapTab(HWND sheet, int index) {
  HWND tabs = PropSheet_GetTabControl(sheet);
  RECT tab{};
  ASSERT_TRUE(TabCtrl_GetItemRect(tabs, index, &tab));
  const LPARAM point = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(tabs, WM_LBUTTONUP, 0, point);
}

// The sheet over a 240 x 320 phone at 96 dpi and, in a child run of this
// program (Wine reads the screen's resolution once per process), over a
// 480 x 640 phone at 192 dpi: it covers the phone with one row of tabs, and
// every page shows whole, both as the page the sheet opens at (the overlay
// menu opens the page its item names) and when a tab is tapped.
TEST_F(SettingsSheetTest, TheSheetCoversThePhoneWithEveryPageWhole) {
  const bool child = GetEnvironmentVariableW(L"SHEET_TEST_192_DPI", nullptr, 0) != 0;
  if (child) {
    RECT frame{0, 0, 480, 640};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Phone(), GWL_STYLE)), FALSE, 0);
    SetWindowPos(Phone(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  }
  for (int start = 0; start < kSettingsPageCount; ++start) {
    RunSheet(start, [this, start](HWND sheet) {
      RECT sheetRect{};
      RECT phoneRect{};
      GetWindowRect(sheet, &sheetRect);
      GetWindowRect(Phone(), &phoneRect);
      EXPECT_EQ(sheetRect, phoneRect);
      // The menu bar has OK and Cancel; the desktop sheet's own are hidden.
      for (int id : {IDOK, IDCANCEL}) {
        HWND button = GetDlgItem(sheet, id);
        EXPECT_TRUE(button == nullptr || !IsWindowVisible(button)) << "button " << id << " shows";
      }
      // One row of tabs, all five visible.
      HWND tabs = PropSheet_GetTabControl(sheet);
      EXPECT_EQ(TabCtrl_GetRowCount(tabs), 1);
      RECT tabsClient{};
      GetClientRect(tabs, &tabsClient);
      RECT last{};
      ASSERT_TRUE(TabCtrl_GetItemRect(tabs, kSettingsPageCount - 1, &last));
      EXPECT_LE(last.right, tabsClient.right) << Describe(last) << " in " << Describe(tabsClient);

      EXPECT_EQ(CutOff(sheet, CurrentPage(sheet)), std::vector<std::string>{})
          << "page " << start << " opened first";
      if (start == 0) {
        for (int index = 1; index < kSettingsPageCount; ++index) {
          TapTab(sheet, index);
          ASSERT_EQ(PageIndex(sheet), index);
          EXPECT_EQ(CutOff(sheet, CurrentPage(sheet)), std::vector<std::string>{})
              << "page " << index << " after a tap on its tab";
        }
      }
      PressCancel(sheet);
    });
  }
  if (child) return;
  ScopedRegistryValue resolution(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
  resolution.SetDword(192);
  // With this program's note of the fonts' resolution put back, the next
  // program need not set the fonts up again.
  ScopedRegistryValue fontNote(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts", L"LogPixels");
  vostarel::testing::ScopedEnvironment childMark(L"SHEET_TEST_192_DPI", L"1");
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  EXPECT_EQ(vostarel::testing::RunCommand(L"\"" + std::wstring(self) +
                                          L"\" --gtest_filter=SettingsSheetTest." +
                                          L"TheSheetCoversThePhoneWithEveryPageWhole"),
            0)
      << "the run on a 480 x 640 phone at 192 dpi failed (its output is above)";
}

// The folder of this program, where LoadLibraryW looks first.
std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

TEST_F(SettingsSheetTest, TheHtmlViewerIsInitialisedForTheLibraryAndFreedAfterwards) {
  const std::wstring viewer = ProgramFolder() + L"HtmlView.dll";
  ASSERT_TRUE(CopyFileW((ProgramFolder() + L"html_view_probe.dll").c_str(), viewer.c_str(), FALSE));
  SetEnvironmentVariableW(L"VOSTAREL_HTMLVIEW_INIT", nullptr);
  bool loadedWhileOpen = false;
  RunSheet(kGeneralPage, [&](HWND sheet) {
    loadedWhileOpen = GetModuleHandleW(L"HtmlView.dll") != nullptr;
    PressCancel(sheet);
  });
  const bool loadedAfter = GetModuleHandleW(L"HtmlView.dll") != nullptr;
  DeleteFileW(viewer.c_str());
  wchar_t reported[32] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"VOSTAREL_HTMLVIEW_INIT", reported, 32), 0u) << "never initialised";
  EXPECT_EQ(std::wcstoull(reported, nullptr, 16),
            static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(g_moduleInstance)));
  EXPECT_TRUE(loadedWhileOpen);
  EXPECT_FALSE(loadedAfter);
}

class MenuBarTest : public SheetTest {
 protected:
  void TearDown() override {
    g_pocketPcPlatform = false;
    if (window_ != nullptr) DestroyWindow(window_);
    SheetTest::TearDown();
  }
  HWND MakeWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 200, 300, Phone(), nullptr,
                              nullptr, nullptr);
    return window_;
  }
  static int Height(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
  }
  HWND window_ = nullptr;
};

TEST_F(MenuBarTest, OnAPocketPcTheWindowEndsAboveItsMenuBar) {
  g_pocketPcPlatform = true;
  HWND window = MakeWindow();
  HWND out = nullptr;
  HWND bar = CreateMenuBar(&out, window, IDR_MENU_BAR, 0);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(out, bar);
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2) << "the editor's menu: 확인 and 취소";
  RECT barRect{};
  GetWindowRect(bar, &barRect);
  EXPECT_EQ(Height(window), 300 - (barRect.bottom - barRect.top));
}

TEST_F(MenuBarTest, ElsewhereTheWindowKeepsItsSizeAndNoMenuGivesAnEmptyBar) {
  HWND window = MakeWindow();
  HWND bar = CreateMenuBar(nullptr, window, 0, 0);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 0);
  EXPECT_EQ(Height(window), 300);
}

}  // namespace
}  // namespace settings_test
