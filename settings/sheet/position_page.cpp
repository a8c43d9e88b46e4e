// The Position page: the result list's two rectangles (portrait and
// landscape) as eight number fields with up-down controls.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "dial_helper.h"
#include "process_values.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "sheet_pages.h"

namespace vostarel {
namespace {

// The edit of each PosSize field, in PosSize order.
constexpr int kFieldEdits[kPosSizeFieldCount] = {
    IDC_PORTRAIT_LEFT,  IDC_PORTRAIT_TOP,  IDC_PORTRAIT_WIDTH,  IDC_PORTRAIT_HEIGHT,
    IDC_LANDSCAPE_LEFT, IDC_LANDSCAPE_TOP, IDC_LANDSCAPE_WIDTH, IDC_LANDSCAPE_HEIGHT,
};
constexpr int kUpDowns[] = {
    IDC_PORTRAIT_LEFT_SPIN,  IDC_PORTRAIT_TOP_SPIN,  IDC_PORTRAIT_WIDTH_SPIN,  IDC_PORTRAIT_HEIGHT_SPIN,
    IDC_LANDSCAPE_LEFT_SPIN, IDC_LANDSCAPE_TOP_SPIN, IDC_LANDSCAPE_WIDTH_SPIN, IDC_LANDSCAPE_HEIGHT_SPIN,
};

void ShowPlacement(HWND page, const PosSize& placement) {
  // Any coordinate on the screen, in either orientation.
  const int longest = std::max(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  for (int id : kUpDowns) {
    SendDlgItemMessageW(page, id, UDM_SETRANGE, 0, MAKELPARAM(longest, 0));
  }
  for (int i = 0; i < kPosSizeFieldCount; ++i) {
    SetDlgItemInt(page, kFieldEdits[i], static_cast<UINT>(placement.Values[i]), FALSE);
  }
}

// The fields are not checked: an empty or non-numeric field gives 0, and a
// typed number outside the up-down range is kept.
void ApplyPlacement(HWND page, DialHelper& helper) {
  PosSize& placement = helper.Options.Placement;
  for (int i = 0; i < kPosSizeFieldCount; ++i) {
    placement.Values[i] = static_cast<int32_t>(GetDlgItemInt(page, kFieldEdits[i], nullptr, FALSE));
  }
  WritePosSize(placement);
  helper.PlacementChanged = TRUE;
}

}  // namespace

INT_PTR CALLBACK PositionPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  DialHelper* helper = g_mainObject;
  if (helper == nullptr) return message == WM_INITDIALOG;
  switch (message) {
    case WM_INITDIALOG:
      ShowPlacement(page, helper->Options.Placement);
      return TRUE;
    case WM_NOTIFY:
      if (IsApplyNotification(lParam)) ApplyPlacement(page, *helper);
      return 0;
    default:
      return 0;
  }
}

}  // namespace vostarel
