// The About page in the real sheet: where the links land when it paints,
// how keys and taps move the link focus and follow a link, which keys the
// page leaves to the sheet, and the focus surviving a reopened sheet.
//
// A followed link is seen through the shell: the mailto: and http: handlers
// of the test's Wine prefix start about_link_recorder.exe, which records the
// target it gets, so no mail program or browser starts.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "about_layout.h"
#include "about_links.h"
#include "host_test_environment.h"
#include "settings_sheet.h"
#include "sheet_fixture.h"

namespace settings_test {
namespace {

using namespace vostarel;
using vostarel::testing::ScopedRegistryValue;

std::string Narrow(const char16_t* text) {
  return std::string(text, text + std::char_traits<char16_t>::length(text));
}
const std::string kMailTarget = Narrow(g_aboutLinks[kMailLink].Target);
const std::string kWebTarget = Narrow(g_aboutLinks[kWebLink].Target);
constexpr char kSentinel[] = "mailto:sentinel";

// Wine looks URL handlers up under HKLM\Software\Classes only.
class LinkRecorder {
 public:
  LinkRecorder() {
    const std::wstring record =
        L"\"" + vostarel::testing::BinFolder() + L"\\about_link_recorder.exe\" \"%1\"";
    mail_.SetString(record);
    web_.SetString(record);
  }

  // The targets the shell was given, in order. A sentinel handed over last
  // is waited for, so that the targets handed over before it are in.
  std::vector<std::string> Followed() const {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.lpFile = L"mailto:sentinel";
    EXPECT_TRUE(ShellExecuteExW(&info));
    for (int poll = 0; poll < 200; ++poll, Sleep(50)) {
      std::vector<std::string> targets = Recorded();
      if (std::find(targets.begin(), targets.end(), kSentinel) == targets.end()) continue;
      Sleep(300);  // a copy started just before may still be writing
      targets = Recorded();
      targets.erase(std::find(targets.begin(), targets.end(), kSentinel));
      return targets;
    }
    ADD_FAILURE() << "the shell never started the recorder";
    return {};
  }

 private:
  // The recorder writes each target into a new file: 1.txt, 2.txt, ...
  std::vector<std::string> Recorded() const {
    std::vector<std::string> targets;
    for (int n = 1;; ++n) {
      const std::wstring file = folder_.File(std::to_wstring(n) + L".txt");
      if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return targets;
      targets.push_back(vostarel::testing::ReadWholeFile(file));
    }
  }

  vostarel::testing::TemporaryFolder folder_{L"about"};
  vostarel::testing::ScopedEnvironment folderVariable_{L"ABOUT_TEST_FOLLOWED", folder_.Path()};
  ScopedRegistryValue mail_{HKEY_LOCAL_MACHINE, L"Software\\Classes\\mailto\\shell\\open\\command",
                            L""};
  ScopedRegistryValue web_{HKEY_LOCAL_MACHINE, L"Software\\Classes\\http\\shell\\open\\command",
                           L""};
};

// Steps run one by one from timers of the sheet's modal loop; the input a
// step posts is handled before the next one runs (posted messages come
// before timers).
std::deque<std::function<void()>> g_steps;

void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (g_steps.empty()) return;
  std::function<void()> step = std::move(g_steps.front());
  g_steps.pop_front();
  step();
  if (!g_steps.empty()) SetTimer(nullptr, 0, 20, OnStepTimer);
}

LPARAM Inside(const AboutRect& box) {
  return MAKELPARAM((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
}
const LPARAM kOffTheLinks = MAKELPARAM(2, 2);  // in the stripes above the icon
LPARAM OnLink(int32_t row) { return Inside(g_aboutLinks[row].Box); }

void Press(HWND page, LPARAM point) { PostMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, point); }
void Release(HWND page, LPARAM point) { PostMessageW(page, WM_LBUTTONUP, 0, point); }
// A key as the keyboard sends it: to the focus, through the sheet's loop.
void Key(WPARAM key) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); }

// Pixels of a link's box drawn mostly red, and mostly blue.
std::pair<int, int> RedAndBlueIn(HWND page, int32_t row) {
  const AboutRect box = g_aboutLinks[row].Box;
  int red = 0;
  int blue = 0;
  HDC dc = GetDC(page);
  for (int y = box.Top; y < box.Bottom; ++y) {
    for (int x = box.Left; x < box.Right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      if (GetGValue(pixel) >= 100) continue;
      red += GetRValue(pixel) > 150 && GetBValue(pixel) < 100;
      blue += GetBValue(pixel) > 150 && GetRValue(pixel) < 100;
    }
  }
  ReleaseDC(page, dc);
  return {red, blue};
}
// "red" or "blue" when the link is drawn in that colour alone, otherwise
// how many pixels of each it has.
std::string LinkColour(HWND page, int32_t row) {
  const auto [red, blue] = RedAndBlueIn(page, row);
  if (red > 0 && blue == 0) return "red";
  if (blue > 0 && red == 0) return "blue";
  return std::to_string(red) + " red and " + std::to_string(blue) + " blue pixels";
}

int ScreenResolution(int index) {
  HDC screen = GetDC(nullptr);
  const int resolution = GetDeviceCaps(screen, index);
  ReleaseDC(nullptr, screen);
  return resolution;
}

class AboutPageTest : public SheetTest {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    // The link state as a fresh library load has it.
    g_focusedAboutLink = kNoLink;
    for (AboutLink& link : g_aboutLinks) link.Box = {};
  }

  // Opens the sheet at the About page, painted, runs `steps` on the page and
  // cancels the sheet.
  void RunAboutPage(std::vector<std::function<void(HWND page)>> steps) {
    RunSheet(kAboutPage, [&](HWND sheet) {
      HWND page = CurrentPage(sheet);
      UpdateWindow(page);
      for (auto& step : steps) g_steps.push_back([page, step] { step(page); });
      g_steps.push_back([sheet] { PressCancel(sheet); });
      SetTimer(nullptr, 0, 20, OnStepTimer);
    });
    g_steps.clear();  // whatever a sheet that closed early left undone
  }

  LinkRecorder recorder_;
};

// Run at the prefix's 96 dpi, and again at 192 dpi in a child run of this
// program (Wine reads the screen's resolution once per process).
TEST_F(AboutPageTest, LinksLandWhereTheScaledLayoutPutsThemOnceThePageHasPainted) {
  const bool child = GetEnvironmentVariableW(L"ABOUT_TEST_192_DPI", nullptr, 0) != 0;
  ASSERT_EQ(ScreenResolution(LOGPIXELSX), child ? 192 : 96);
  if (child) {  // a VGA phone
    RECT frame{0, 0, 480, 640};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Phone(), GWL_STYLE)), FALSE, 0);
    SetWindowPos(Phone(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  }
  RunSheet(kGeneralPage, [](HWND sheet) {
    HWND page = ShowPage(sheet, kAboutPage);
    RECT client{};
    GetClientRect(page, &client);
    const int32_t rowHeight = GetSystemMetrics(SM_CYSMICON);
    const AboutRect first =
        LayoutAboutPage({client.right, client.bottom, ScreenResolution(LOGPIXELSX),
                         ScreenResolution(LOGPIXELSY), rowHeight})
            .FirstLinkRow;
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, Inside(first));
    EXPECT_EQ(g_focusedAboutLink, kNoLink) << "a link was hit before the page painted";
    UpdateWindow(page);
    for (int32_t row = 0; row < kAboutLinkCount; ++row) {
      const AboutRect box = g_aboutLinks[row].Box;
      EXPECT_EQ(std::pair(box.Left, box.Top), std::pair(first.Left, first.Top + row * rowHeight));
      // Measured to the text, which the page shows whole.
      EXPECT_GT(box.Right - box.Left, 20);
      EXPECT_LE(box.Right, client.right);
      EXPECT_GT(box.Bottom, box.Top);
      EXPECT_LE(box.Bottom, first.Top + (row + 1) * rowHeight);
    }
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, OnLink(kMailLink));
    EXPECT_EQ(g_focusedAboutLink, kMailLink);
    PressCancel(sheet);
  });
  if (child) return;
  ScopedRegistryValue resolution(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
  resolution.SetDword(192);
  // Wine notes the resolution it set its fonts up for; with this program's
  // note put back, the next program need not set them up again.
  ScopedRegistryValue fontNote(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts", L"LogPixels");
  vostarel::testing::ScopedEnvironment childMark(L"ABOUT_TEST_192_DPI", L"1");
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  EXPECT_EQ(vostarel::testing::RunCommand(
                L"\"" + std::wstring(self) + L"\" --gtest_filter=AboutPageTest." +
                L"LinksLandWhereTheScaledLayoutPutsThemOnceThePageHasPainted"),
            0)
      << "the run at 192 dpi failed (its output is above)";
}

TEST_F(AboutPageTest, KeysWalkTheLinksInTheirFocusColoursAndEnterFollowsTheMailLink) {
  RunAboutPage({
      [](HWND page) {
        EXPECT_EQ(LinkColour(page, kMailLink), "blue");
        Press(page, kOffTheLinks);  // gives the page the keyboard, focuses no link
      },
      [](HWND page) {
        ASSERT_EQ(GetFocus(), page);
        Key(VK_TAB);
      },
      [](HWND page) {
        EXPECT_EQ(g_focusedAboutLink, kMailLink);
        EXPECT_EQ(LinkColour(page, kMailLink), "red");
        Key(VK_DOWN);
      },
      [](HWND page) {
        EXPECT_EQ(g_focusedAboutLink, kWebLink);
        EXPECT_EQ(LinkColour(page, kWebLink), "red");
        EXPECT_EQ(LinkColour(page, kMailLink), "blue");
        Key(VK_DOWN);  // already at the last link
        Key(VK_UP);
      },
      [](HWND) {
        EXPECT_EQ(g_focusedAboutLink, kMailLink);
        Key(VK_RETURN);
      },
  });
  EXPECT_EQ(recorder_.Followed(), std::vector<std::string>{kMailTarget});
}

TEST_F(AboutPageTest, EnterWithNoFocusedLinkIsLeftToTheSheetWhichClosesAsWithOk) {
  // The sheet opens on the General page, which saves the option word on OK.
  RunSheet(kGeneralPage, [](HWND sheet) {
    HWND page = ShowPage(sheet, kAboutPage);
    UpdateWindow(page);
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, kOffTheLinks);
    ASSERT_EQ(GetFocus(), page);
    Key(VK_RETURN);  // the sheet has to close by itself
  });
  DWORD saved = 0;
  EXPECT_TRUE(ReadDword(L"Flag", &saved)) << "the sheet did not close with OK";
  EXPECT_TRUE(recorder_.Followed().empty());
}

TEST_F(AboutPageTest, TapsMoveTheFocusAndOnlyAReleaseOnThePressedLinkFollowsIt) {
  RunAboutPage({
      [](HWND page) { Press(page, OnLink(kWebLink)); },
      [](HWND page) {
        EXPECT_EQ(g_focusedAboutLink, kWebLink);
        EXPECT_EQ(LinkColour(page, kWebLink), "red");
        Release(page, kOffTheLinks);
        Press(page, OnLink(kWebLink));
        Release(page, OnLink(kMailLink));
      },
      [](HWND page) {
        EXPECT_EQ(g_focusedAboutLink, kWebLink);  // releases move no focus
        Press(page, kOffTheLinks);
      },
      [](HWND page) {
        EXPECT_EQ(g_focusedAboutLink, kNoLink);
        EXPECT_EQ(LinkColour(page, kWebLink), "blue");
        Release(page, kOffTheLinks);
        Press(page, OnLink(kMailLink));
        Release(page, OnLink(kMailLink));
      },
  });
  EXPECT_EQ(g_focusedAboutLink, kMailLink);
  EXPECT_EQ(recorder_.Followed(), std::vector<std::string>{kMailTarget});
}

TEST_F(AboutPageTest, FocusedLinkSurvivesClosingAndReopeningTheSheet) {
  RunAboutPage({[](HWND page) { Press(page, OnLink(kWebLink)); }});
  RunAboutPage({[](HWND page) {
    EXPECT_EQ(g_focusedAboutLink, kWebLink);
    EXPECT_EQ(LinkColour(page, kWebLink), "red");
    PostMessageW(page, WM_KEYDOWN, VK_RETURN, 0);
  }});
  EXPECT_EQ(recorder_.Followed(), std::vector<std::string>{kWebTarget});
}

}  // namespace
}  // namespace settings_test
