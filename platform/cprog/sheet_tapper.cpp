#include "sheet_tapper.h"

#include <windows.h>
#include <commctrl.h>

namespace vostarel::cprog {
namespace {

constexpr UINT kPollMs = 50;
constexpr int kGiveUpPolls = 200;  // ten seconds

struct Armed {
  bool tab = false;
  unsigned tabIndex = 0;
  bool cancel = false;
  int polls = 0;
  UINT_PTR timer = 0;
};
Armed g_armed;

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

void TapTab(HWND tabs, unsigned index) {
  RECT item{};
  if (!TabCtrl_GetItemRect(tabs, static_cast<int>(index), &item)) return;
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(tabs, WM_LBUTTONUP, 0, point);
}

void Disarm() {
  if (g_armed.timer != 0) KillTimer(nullptr, g_armed.timer);
  g_armed = Armed{};
}

// One step a tick, so that the tab's page is up before Cancel arrives.
void CALLBACK OnSheetTimer(HWND, UINT, UINT_PTR, DWORD) {
  HWND tabs = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindSheetTabs, reinterpret_cast<LPARAM>(&tabs));
  if (tabs == nullptr) {
    if (++g_armed.polls >= kGiveUpPolls) Disarm();
    return;
  }
  if (g_armed.tab) {
    g_armed.tab = false;
    TapTab(tabs, g_armed.tabIndex);
    if (g_armed.cancel) return;
  } else if (g_armed.cancel) {
    // What the Cancel item of the sheet's menu bar sends the sheet.
    PostMessageW(GetParent(tabs), WM_COMMAND, IDCANCEL, 0);
  }
  Disarm();
}

void StartTimer() {
  g_armed.polls = 0;
  if (g_armed.timer == 0) g_armed.timer = SetTimer(nullptr, 0, kPollMs, OnSheetTimer);
}

}  // namespace

void ArmSheetTab(unsigned index) {
  g_armed.tab = true;
  g_armed.tabIndex = index;
  StartTimer();
}

void ArmSheetCancel() {
  g_armed.cancel = true;
  StartTimer();
}

}  // namespace vostarel::cprog
