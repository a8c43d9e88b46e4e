// What the result list shows on the screen after keys that redraw only some
// of its rows is what drawing all of it anew shows, and nothing of the
// dialer paints over it: the pixels of the list are read off the screen
// once the keys have played, then again after the whole list was made to
// repaint.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlay_run.h"
#include "result_list.h"

namespace overlay_test {
namespace {

using Pixels = std::vector<DWORD>;

// The list's pixels as the screen shows them.
Pixels ReadScreen(HWND list, LONG& width) {
  RECT r{};
  GetWindowRect(list, &r);
  width = r.right - r.left;
  const LONG height = r.bottom - r.top;
  Pixels pixels;
  if (width <= 0 || height <= 0) return pixels;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD* first = static_cast<const DWORD*>(bits);
    pixels.assign(first, first + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Waits until the list has no part left to paint and the screen shows the
// same twice in a row; those pixels.
Pixels SettledScreen(HWND dialer, HWND list, LONG& width) {
  Pixels last;
  for (int i = 0; i < 50; ++i) {
    SettleWhen(dialer, [&] { return !GetUpdateRect(list, nullptr, FALSE); });
    Sleep(100);
    Pixels now = ReadScreen(list, width);
    if (!now.empty() && now == last) return now;
    last = std::move(now);
  }
  return last;
}

// The first pixel row where two readings differ, or -1.
LONG FirstDifferentLine(const Pixels& a, const Pixels& b, LONG width) {
  if (a.size() != b.size()) return 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return static_cast<LONG>(i) / width;
  }
  return -1;
}

// A full redraw of the list, once it has settled, changes no pixel of it:
// nothing painted over it since it was drawn.
void ExpectFullRedrawChangesNothing(HWND dialer, HWND list) {
  LONG width = 0;
  const Pixels afterKeys = SettledScreen(dialer, list, width);
  ASSERT_FALSE(afterKeys.empty());
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  const Pixels redrawn = SettledScreen(dialer, list, width);
  EXPECT_EQ(FirstDifferentLine(afterKeys, redrawn, width), -1)
      << "first pixel line of the list that a full redraw changed";
}

class ListScreenTest : public ::testing::Test {
 protected:
  OverlayRun run_{VersionMode::kWin2003};
  void SetUp() override {
    // 30 entries "Name N" with the number 1N: "1" lists all (more rows than
    // fit), "11" Name 1 and Name 10 to 19, "12" Name 2 and Name 20 to 29.
    std::string sim = "250\n";
    for (int i = 1; i <= 30; ++i) {
      sim += std::to_string(i) + "\tName " + std::to_string(i) + "\t1" + std::to_string(i) + "\n";
    }
    run_.WriteDeviceFile(L"sim.txt", sim);
  }
};

TEST_F(ListScreenTest, TheScreenShowsWhatDrawingTheWholeListShows) {
  // Fewer rows, more rows (a scroll bar that comes and goes), a moved and
  // scrolled selection, rows that stay and rows that change.
  for (const wchar_t* keys : {L"1{DOWN}{DOWN}{DOWN}1", L"11{BACK}", L"11{BACK}1",
                              L"1{END}{UP}{UP}{UP}{UP}{UP}{UP}{UP}{UP}{UP}{UP}{UP}{UP}2{BACK}3",
                              L"12{BACK}{BACK}1*"}) {
    SCOPED_TRACE(cprog_test::Utf8(keys));
    cprog_test::CprogProcess cprog(std::wstring(L"--keys \"") + keys + L"\" --exit-after 30000");
    HWND dialer = cprog.WaitForDialer();
    ASSERT_TRUE(cprog.WaitForKeysPlayed(dialer));
    HWND list = nullptr;
    ASSERT_TRUE(SettleWhen(dialer, [&] {
      list = GetDlgItem(dialer, vostarel::kResultListId);
      return list != nullptr && IsWindowVisible(list);
    }));
    ExpectFullRedrawChangesNothing(dialer, list);
    cprog.Quit(dialer);
    cprog.Finish();
  }
}

// The expanded list covers the whole dialer, its number field included:
// typing, deleting and pasting change the field under it, and the field
// must not paint over the list. In each phone version, on a 240 x 320 phone
// at 96 dpi and on a 480 x 640 one at 192 dpi (cprog reads the resolution
// when it starts).
TEST(ExpandedListTest, TheNumberFieldNeverPaintsOverTheExpandedList) {
  // Twelve entries fit "54" and "546", more than the list shows.
  std::string sim = "250\n";
  for (int i = 1; i <= 12; ++i) {
    sim += std::to_string(i) + "\tName " + std::to_string(i) + "\t546" + std::to_string(i) + "\n";
  }
  struct Phone {
    const char* resize;
    DWORD dpi;
  };
  for (const Phone phone : {Phone{"{RESIZE:240,320}", 96}, Phone{"{RESIZE:480,640}", 192}}) {
    cprog_test::ScopedRegistryValue resolution(HKEY_CURRENT_USER, L"Control Panel\\Desktop",
                                               L"LogPixels");
    // The fonts' note of the resolution they were set up for comes back
    // with this scope, so the next program need not set them up again.
    cprog_test::ScopedRegistryValue fontNote(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts",
                                             L"LogPixels");
    resolution.SetDword(phone.dpi);
    for (const VersionMode mode : {VersionMode::kNt40, VersionMode::kWinXp, VersionMode::kWin2003}) {
      SCOPED_TRACE(ModeName(mode) + " at " + std::to_string(phone.dpi) + " dpi");
      OverlayRun run(mode);
      run.WriteDeviceFile(L"sim.txt", sim);
      cprog_test::CprogProcess cprog(L"--input", cprog_test::CprogProcess::Input::kPiped);
      HWND dialer = cprog.WaitForDialer();
      ASSERT_NE(dialer, nullptr);
      ASSERT_NE(cprog.Ask(std::string(phone.resize) + "54{SOFTKEY}").find("expanded: yes"),
                std::string::npos);
      for (const char* keys : {"6", "{BACK}", "{PASTE:6}"}) {
        SCOPED_TRACE(keys);
        ASSERT_NE(cprog.Ask(keys).find("expanded: yes"), std::string::npos);
        HWND list = GetDlgItem(dialer, vostarel::kResultListId);
        ASSERT_NE(list, nullptr);
        ExpectFullRedrawChangesNothing(dialer, list);
      }
      cprog.CloseInput();
      cprog.Finish();
    }
  }
}

}  // namespace
}  // namespace overlay_test
