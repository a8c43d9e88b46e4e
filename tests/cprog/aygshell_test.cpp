// The stand-in aygshell.dll, called in-process as the extension calls it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aygshell.h"
#include "aygshell_test_resource.h"

namespace {

// What the bar's parent window received.
struct ParentLog {
  std::vector<WORD> commands;
  std::vector<LPARAM> initMenuPopups;
  std::vector<std::wstring> popupFirstItems;
  std::vector<NMRGINFO> gestures;
};
ParentLog g_log;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      g_log.commands.push_back(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP: {
      g_log.initMenuPopups.push_back(lParam);
      wchar_t text[64] = {};
      GetMenuStringW(reinterpret_cast<HMENU>(wParam), 0, text, 64, MF_BYPOSITION);
      g_log.popupFirstItems.push_back(text);
      // Close the menu again once its loop runs, as a user pressing Escape.
      SetTimer(hwnd, 1, 50, [](HWND, UINT, UINT_PTR id, DWORD) CALLBACK {
        KillTimer(nullptr, id);
        EndMenu();
      });
      return 0;
    }
    case WM_NOTIFY: {
      const auto* info = reinterpret_cast<const NMRGINFO*>(lParam);
      if (info->hdr.code == GN_CONTEXTMENU) {
        g_log.gestures.push_back(*info);
        return 77;
      }
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

class AygshellTest : public testing::Test {
 protected:
  void SetUp() override {
    g_log = ParentLog{};
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"AygshellTestParent";
    RegisterClassW(&wc);
    // Shown without activation and without a caption: Wine then leaves the
    // window to no window manager, and never waits for one (there is none
    // under Xvfb) when it goes away.
    parent_ = CreateWindowExW(0, L"AygshellTestParent", L"parent", WS_POPUP | WS_BORDER, 20, 20, 240, 200, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    ShowWindow(parent_, SW_SHOWNA);
  }
  void TearDown() override { DestroyWindow(parent_); }

  SHMENUBARINFO BarInfo(UINT id, DWORD flags = 0) const {
    SHMENUBARINFO info{};
    info.cbSize = sizeof(info);
    info.hwndParent = parent_;
    info.dwFlags = flags;
    info.nToolBarId = id;
    info.hInstRes = GetModuleHandleW(nullptr);
    info.hwndMB = reinterpret_cast<HWND>(static_cast<INT_PTR>(0xdeadbeef));
    return info;
  }

  static std::wstring Caption(HWND bar, int command) {
    wchar_t text[32] = L"untouched";
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT;
    info.pszText = text;
    info.cchText = 32;
    if (SendMessageW(bar, TB_GETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info)) < 0) return L"(no button)";
    return text;
  }

  static void Click(HWND bar, int command) {
    const LRESULT index = SendMessageW(bar, TB_COMMANDTOINDEX, command, 0);
    RECT rect{};
    SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar, WM_LBUTTONUP, 0, at);
  }

  HWND parent_ = nullptr;
};

TEST_F(AygshellTest, MenuBarResourceBecomesAToolbarWithCommandsAndCaptions) {
  SHMENUBARINFO info = BarInfo(IDR_BAR);
  ASSERT_TRUE(SHCreateMenuBar(&info));
  HWND bar = info.hwndMB;
  wchar_t className[32] = {};
  GetClassNameW(bar, className, 32);
  EXPECT_STREQ(className, L"ToolbarWindow32");
  EXPECT_EQ(SHFindMenuBar(parent_), bar);
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_EQ(Caption(bar, ID_LEFT), L"연락처");
  EXPECT_EQ(Caption(bar, ID_MENUBUTTON), L"메뉴") << "no string: the popup's title";
  EXPECT_EQ(Caption(bar, ID_RIGHT), L"Right");

  // Below the parent, as wide as its client area.
  RECT parentRect{};
  RECT barRect{};
  RECT client{};
  GetWindowRect(parent_, &parentRect);
  GetWindowRect(bar, &barRect);
  GetClientRect(parent_, &client);
  EXPECT_EQ(barRect.top, parentRect.bottom);
  EXPECT_EQ(barRect.right - barRect.left, client.right);
}

TEST_F(AygshellTest, ButtonTextCanBeReplacedAndRestoredByCommandId) {
  SHMENUBARINFO info = BarInfo(IDR_BAR);
  ASSERT_TRUE(SHCreateMenuBar(&info));
  HWND bar = SHFindMenuBar(parent_);
  wchar_t replacement[] = L"키패드 전환";
  TBBUTTONINFOW set{};
  set.cbSize = sizeof(set);
  set.dwMask = TBIF_TEXT;
  set.pszText = replacement;
  ASSERT_NE(SendMessageW(bar, TB_SETBUTTONINFOW, ID_LEFT, reinterpret_cast<LPARAM>(&set)), 0);
  EXPECT_EQ(Caption(bar, ID_LEFT), L"키패드 전환");
  EXPECT_EQ(Caption(bar, ID_RIGHT), L"Right") << "other buttons keep theirs";
  wchar_t original[] = L"연락처";
  set.pszText = original;
  SendMessageW(bar, TB_SETBUTTONINFOW, ID_LEFT, reinterpret_cast<LPARAM>(&set));
  EXPECT_EQ(Caption(bar, ID_LEFT), L"연락처");
}

TEST_F(AygshellTest, PlainButtonsSendTheirCommandToTheParent) {
  SHMENUBARINFO info = BarInfo(IDR_BAR);
  ASSERT_TRUE(SHCreateMenuBar(&info));
  Click(info.hwndMB, ID_RIGHT);
  Click(info.hwndMB, ID_LEFT);
  EXPECT_EQ(g_log.commands, (std::vector<WORD>{ID_RIGHT, ID_LEFT}));
  EXPECT_EQ(g_log.initMenuPopups, std::vector<LPARAM>{});
}

TEST_F(AygshellTest, SubmenuButtonOpensItsPopupOwnedByTheParent) {
  SHMENUBARINFO info = BarInfo(IDR_BAR);
  ASSERT_TRUE(SHCreateMenuBar(&info));
  Click(info.hwndMB, ID_MENUBUTTON);  // returns when the menu has closed
  ASSERT_EQ(g_log.initMenuPopups.size(), 1u);
  EXPECT_EQ(g_log.initMenuPopups[0], 0) << "position 0, not a window menu";
  EXPECT_EQ(g_log.popupFirstItems[0], L"항목");
  EXPECT_TRUE(g_log.commands.empty()) << "the button itself is no command";
}

TEST_F(AygshellTest, PlainMenuResourceGivesOneButtonPerTopLevelItem) {
  SHMENUBARINFO info = BarInfo(IDM_PLAIN, SHCMBF_HMENU);
  ASSERT_TRUE(SHCreateMenuBar(&info));
  HWND bar = info.hwndMB;
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
  EXPECT_EQ(Caption(bar, ID_PLAIN_COMMAND), L"Go");
  Click(bar, ID_PLAIN_COMMAND);
  EXPECT_EQ(g_log.commands, (std::vector<WORD>{ID_PLAIN_COMMAND}));
}

TEST_F(AygshellTest, BrokenOrMissingResourcesMakeNoBar) {
  SHMENUBARINFO truncated = BarInfo(IDR_BAR_TRUNCATED);
  EXPECT_FALSE(SHCreateMenuBar(&truncated));
  SHMENUBARINFO missing = BarInfo(999);
  EXPECT_FALSE(SHCreateMenuBar(&missing));
  EXPECT_EQ(SHFindMenuBar(parent_), nullptr);
  EXPECT_FALSE(SHCreateMenuBar(nullptr));

  SHMENUBARINFO empty = BarInfo(0, SHCMBF_EMPTYBAR);
  ASSERT_TRUE(SHCreateMenuBar(&empty));
  EXPECT_EQ(SHFindMenuBar(parent_), empty.hwndMB);
  EXPECT_EQ(SendMessageW(empty.hwndMB, TB_BUTTONCOUNT, 0, 0), 0);
}

TEST_F(AygshellTest, FindMenuBarForgetsABarThatIsGone) {
  SHMENUBARINFO info = BarInfo(IDR_BAR);
  ASSERT_TRUE(SHCreateMenuBar(&info));
  DestroyWindow(GetParent(info.hwndMB));
  EXPECT_EQ(SHFindMenuBar(parent_), nullptr);
  EXPECT_EQ(SHFindMenuBar(nullptr), nullptr);
}

class GestureTest : public AygshellTest {
 protected:
  DWORD Recognize(POINT down, DWORD flags, DWORD* elapsedMs) {
    SHRGINFO info{};
    info.cbSize = 20;  // the device's size of the record
    info.hwndClient = child_;
    info.ptDown = down;
    info.dwFlags = flags;
    const DWORD start = GetTickCount();
    const DWORD result = SHRecognizeGesture(&info);
    *elapsedMs = GetTickCount() - start;
    return result;
  }
  void SetUp() override {
    AygshellTest::SetUp();
    child_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, parent_,
                             reinterpret_cast<HMENU>(5), nullptr, nullptr);
  }
  HWND child_ = nullptr;
};

TEST_F(GestureTest, ButtonUpBeforeTheHoldTimeIsAPlainTapAndStaysQueued) {
  PostMessageW(child_, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  DWORD elapsed = 0;
  EXPECT_EQ(Recognize({20, 20}, SHRG_RETURNCMD, &elapsed), 0u);
  EXPECT_LT(elapsed, 300u);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, child_, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE))
      << "the window still gets its button-up";
}

TEST_F(GestureTest, HoldingStillIsAContextMenuGesture) {
  DWORD elapsed = 0;
  EXPECT_EQ(Recognize({20, 20}, SHRG_RETURNCMD, &elapsed), static_cast<DWORD>(GN_CONTEXTMENU));
  EXPECT_GE(elapsed, 450u);
  EXPECT_LT(elapsed, 1500u);
}

TEST_F(GestureTest, SmallMovesStillHoldButLeavingTheSlopIsNoGesture) {
  PostMessageW(child_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(22, 18));
  DWORD elapsed = 0;
  EXPECT_EQ(Recognize({20, 20}, SHRG_RETURNCMD, &elapsed), static_cast<DWORD>(GN_CONTEXTMENU));

  PostMessageW(child_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 20));
  EXPECT_EQ(Recognize({20, 20}, SHRG_RETURNCMD, &elapsed), 0u);
  EXPECT_LT(elapsed, 300u);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST_F(GestureTest, NotifyParentSendsGnContextMenuWithScreenCoordinates) {
  DWORD elapsed = 0;
  EXPECT_EQ(Recognize({20, 30}, SHRG_NOTIFYPARENT, &elapsed), 77u) << "the parent's answer";
  ASSERT_EQ(g_log.gestures.size(), 1u);
  POINT expected{20, 30};
  ClientToScreen(child_, &expected);
  EXPECT_EQ(g_log.gestures[0].hdr.hwndFrom, child_);
  EXPECT_EQ(g_log.gestures[0].hdr.idFrom, 5u);
  EXPECT_EQ(g_log.gestures[0].ptAction.x, expected.x);
  EXPECT_EQ(g_log.gestures[0].ptAction.y, expected.y);
}

TEST_F(AygshellTest, SipPrefControlsAreRegisteredForEveryModuleAndStayInvisible) {
  EXPECT_TRUE(SHInitExtraControls());
  EXPECT_TRUE(SHInitExtraControls()) << "a second call is fine";
  HWND sip = CreateWindowExW(0, L"SIPPREF", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(sip, nullptr) << "found from this module's instance too";
  EXPECT_FALSE(IsWindowVisible(sip));
}

TEST_F(AygshellTest, InitDialogSizesAFullScreenDialogToItsOwner) {
  HWND dialog = CreateWindowExW(0, L"AygshellTestParent", L"dialog", WS_POPUP | WS_BORDER, 5, 5, 50, 50, parent_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
  EXPECT_TRUE(SHInitDialog(&info));
  RECT ownerRect{};
  RECT dialogRect{};
  GetWindowRect(parent_, &ownerRect);
  GetWindowRect(dialog, &dialogRect);
  EXPECT_EQ(dialogRect.left, ownerRect.left);
  EXPECT_EQ(dialogRect.top, ownerRect.top);
  EXPECT_EQ(dialogRect.right, ownerRect.right);
  EXPECT_EQ(dialogRect.bottom, ownerRect.bottom);

  // Without a sizing flag, and for a child page, nothing moves.
  HWND other = CreateWindowExW(0, L"AygshellTestParent", L"", WS_POPUP, 5, 5, 50, 50, parent_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SHINITDLGINFO plain{SHIDIM_FLAGS, other, SHIDIF_DONEBUTTON};
  EXPECT_TRUE(SHInitDialog(&plain));
  HWND page = CreateWindowExW(0, L"AygshellTestParent", L"", WS_CHILD, 5, 5, 50, 50, parent_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SHINITDLGINFO pageInfo{SHIDIM_FLAGS, page, SHIDIF_SIZEDLGFULLSCREEN};
  EXPECT_TRUE(SHInitDialog(&pageInfo));
  for (HWND unchanged : {other, page}) {
    RECT rect{};
    GetWindowRect(unchanged, &rect);
    EXPECT_EQ(rect.right - rect.left, 50);
  }
  EXPECT_FALSE(SHInitDialog(nullptr));
  DestroyWindow(dialog);
  DestroyWindow(other);
}

TEST_F(AygshellTest, InitDialogKeepsADialogsMenuBarUnderItAndSharesItsWidthOut) {
  HWND dialog = CreateWindowExW(0, L"AygshellTestParent", L"dialog", WS_POPUP | WS_BORDER, 5, 5, 50, 50, parent_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  SHMENUBARINFO info = BarInfo(IDR_BAR);
  info.hwndParent = dialog;
  ASSERT_TRUE(SHCreateMenuBar(&info));
  SHINITDLGINFO init{SHIDIM_FLAGS, dialog, SHIDIF_SIZEDLGFULLSCREEN};
  ASSERT_TRUE(SHInitDialog(&init));
  RECT dialogRect{};
  RECT barRect{};
  RECT client{};
  GetWindowRect(dialog, &dialogRect);
  GetWindowRect(info.hwndMB, &barRect);
  GetClientRect(dialog, &client);
  EXPECT_EQ(barRect.top, dialogRect.bottom);
  EXPECT_EQ(barRect.right - barRect.left, client.right);
  RECT last{};
  SendMessageW(info.hwndMB, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
  EXPECT_LE(last.right, client.right);
  EXPECT_GE(last.right, client.right - 3) << "the three buttons fill the wider bar";
  DestroyWindow(dialog);
}

}  // namespace
