#include "sheet_tapper.h"

#include <windows.h>
#include <commctrl.h>

namespace vostarel::cprog {
namespace {

constexpr UINT kPollMs = 50;
constexpr int kGiveUpPolls = 200;  // ten seconds

unsigned g_tab = 0;
int g_polls = 0;

// The tab control of a visible dialog of this thread, or null.
BOOL CALLBACK FindSheetTabs(HWND window, LPARAM param) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (!IsWindowVisible(window) || lstrcmpW(name, L"#32770") != 0) return TRUE;
  HWND tabs = FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr);
  if (tabs == nullptr) return TRUE;
  *reinterpret_cast<HWND*>(param) = tabs;
  return FALSE;
}

void CALLBACK OnSheetTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND tabs = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindSheetTabs, reinterpret_cast<LPARAM>(&tabs));
  if (tabs == nullptr && ++g_polls < kGiveUpPolls) return;
  KillTimer(nullptr, timer);
  RECT item{};
  if (tabs == nullptr || !TabCtrl_GetItemRect(tabs, static_cast<int>(g_tab), &item)) return;
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(tabs, WM_LBUTTONUP, 0, point);
}

}  // namespace

void ArmSheetTab(unsigned index) {
  g_tab = index;
  g_polls = 0;
  SetTimer(nullptr, 0, kPollMs, OnSheetTimer);
}

}  // namespace vostarel::cprog
