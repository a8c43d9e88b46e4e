// The Position page: the up-down ranges, the fields shown from PosSize, and
// OK saving whatever the fields hold and reporting the new placement, on
// which the overlay that opened the sheet places the result list again.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "resource_ids.h"
#include "result_list.h"
#include "settings.h"
#include "settings_sheet.h"
#include "sheet_fixture.h"

namespace settings_test {
namespace {

using namespace vostarel;

constexpr int kEdits[kPosSizeFieldCount] = {
    IDC_PORTRAIT_LEFT,  IDC_PORTRAIT_TOP,  IDC_PORTRAIT_WIDTH,  IDC_PORTRAIT_HEIGHT,
    IDC_LANDSCAPE_LEFT, IDC_LANDSCAPE_TOP, IDC_LANDSCAPE_WIDTH, IDC_LANDSCAPE_HEIGHT,
};
constexpr int kUpDowns[] = {
    IDC_PORTRAIT_LEFT_SPIN,  IDC_PORTRAIT_TOP_SPIN,  IDC_PORTRAIT_WIDTH_SPIN,  IDC_PORTRAIT_HEIGHT_SPIN,
    IDC_LANDSCAPE_LEFT_SPIN, IDC_LANDSCAPE_TOP_SPIN, IDC_LANDSCAPE_WIDTH_SPIN, IDC_LANDSCAPE_HEIGHT_SPIN,
};

class PositionPageTest : public SheetTest {
 protected:
  // The result list inside the phone window, as when attached.
  void AttachList() {
    Helper().Window.Dialer = Phone();
    CreateResultList(Helper());
    ASSERT_NE(Helper().Window.ResultList, nullptr);
  }
  RECT ListRect() const {
    RECT rect{};
    HWND list = const_cast<PositionPageTest*>(this)->Helper().Window.ResultList;
    GetWindowRect(list, &rect);
    MapWindowPoints(nullptr, Phone(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  void SetFields(const int (&values)[kPosSizeFieldCount]) {
    RunSheetFromOverlayMenu(IDM_SETTINGS_POSITION, [&](HWND sheet) {
      HWND page = CurrentPage(sheet);
      for (int i = 0; i < kPosSizeFieldCount; ++i) SetText(page, kEdits[i], std::to_wstring(values[i]));
      PressOk(sheet);
    });
  }
};

TEST_F(PositionPageTest, UpDownsRangeOverTheLongerScreenSideAndFieldsShowPosSize) {
  const int32_t values[kPosSizeFieldCount] = {1, 2, 3, 4, 5, 6, 7, 8};
  std::memcpy(Helper().Options.Placement.Values, values, sizeof values);
  const int longest = std::max(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  RunSheet(kPositionPage, [&](HWND sheet) {
    HWND page = CurrentPage(sheet);
    for (int id : kUpDowns) {
      int low = -1;
      int high = -1;
      SendDlgItemMessageW(page, id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                          reinterpret_cast<LPARAM>(&high));
      EXPECT_EQ(low, 0) << id;
      EXPECT_EQ(high, longest) << id;
    }
    for (int i = 0; i < kPosSizeFieldCount; ++i) {
      EXPECT_EQ(TextOf(page, kEdits[i]), std::to_wstring(values[i])) << kEdits[i];
    }
    PressCancel(sheet);
  });
}

TEST_F(PositionPageTest, OkStoresWhateverTheFieldsHold) {
  RunSheet(kPositionPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    const wchar_t* typed[kPosSizeFieldCount] = {L"10", L"", L"5000", L"x7", L"4294967295", L"6", L"7", L"8"};
    for (int i = 0; i < kPosSizeFieldCount; ++i) SetText(page, kEdits[i], typed[i]);
    PressOk(sheet);
  });
  // An empty or non-numeric field is 0; a number beyond the up-down range
  // is kept as it is, bits and all.
  const int32_t expected[kPosSizeFieldCount] = {10, 0, 5000, 0, -1, 6, 7, 8};
  int32_t stored[kPosSizeFieldCount] = {};
  ASSERT_TRUE(ReadBinary(L"PosSize", stored, sizeof stored));
  for (int i = 0; i < kPosSizeFieldCount; ++i) {
    EXPECT_EQ(stored[i], expected[i]) << i;
    EXPECT_EQ(Helper().Options.Placement.Values[i], expected[i]) << i;
  }
}

TEST_F(PositionPageTest, OkPlacesTheListAtOnce) {
  AttachList();
  // The sheet alone reports the change and leaves the list where it is.
  const RECT before = ListRect();
  RunSheet(kPositionPage, [](HWND sheet) {
    SetText(CurrentPage(sheet), IDC_PORTRAIT_LEFT, L"10");
    PressOk(sheet);
  });
  EXPECT_TRUE(Helper().PlacementChanged);
  EXPECT_EQ(ListRect().left, before.left);
  // The same rectangle for both screen shapes, whichever this screen has.
  SetFields({10, 20, 200, 90, 10, 20, 200, 90});
  const RECT list = ListRect();
  EXPECT_EQ(list.left, 10);
  EXPECT_EQ(list.top, 20);
  EXPECT_EQ(list.right - list.left, 200);
  EXPECT_EQ(list.bottom - list.top, 90);
}

TEST_F(PositionPageTest, AllZeroFieldsReturnTheListToItsAutomaticPlace) {
  AttachList();
  const RECT automatic = ListRect();
  SetFields({10, 20, 200, 90, 10, 20, 200, 90});
  ASSERT_EQ(ListRect().left, 10);
  SetFields({0, 0, 0, 0, 0, 0, 0, 0});
  const int32_t zeros[kPosSizeFieldCount] = {};
  int32_t stored[kPosSizeFieldCount] = {1};
  ASSERT_TRUE(ReadBinary(L"PosSize", stored, sizeof stored));
  EXPECT_EQ(std::memcmp(stored, zeros, sizeof zeros), 0);
  const RECT list = ListRect();
  EXPECT_EQ(list.left, automatic.left);
  EXPECT_EQ(list.top, automatic.top);
  EXPECT_EQ(list.right, automatic.right);
  EXPECT_EQ(list.bottom, automatic.bottom);
}

}  // namespace
}  // namespace settings_test
