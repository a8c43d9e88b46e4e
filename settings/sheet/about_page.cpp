// The About page: no controls, only a painted face (about_painting.h) with
// two links that the arrow keys, Tab and Enter or a tap can follow.
#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include "about_links.h"
#include "about_painting.h"
#include "desktop_values.h"
#include "sheet_pages.h"
#include "win_text.h"

namespace vostarel {
namespace {

// Hands the link's target to the shell, owned by whatever window is active
// now. A target that cannot be opened is not reported.
void FollowLink(int32_t row) {
  const AboutLink& link = g_aboutLinks[row];
  SHELLEXECUTEINFOW info{};
  info.cbSize = kShellExecuteInfoSize;
  info.fMask = 0;
  info.hwnd = GetActiveWindow();
  info.lpVerb = nullptr;
  info.lpFile = AsWide(link.Target);
  info.lpParameters = AsWide(link.Parameters);
  info.lpDirectory = nullptr;
  info.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&info);
}

void FocusLink(HWND page, int32_t row) {
  if (row == g_focusedAboutLink) return;
  g_focusedAboutLink = row;
  RedrawAboutLinks(page);
}

// The page wants the keys that move between the links and Enter on a
// focused link; without that the sheet would take them for moving between
// its own controls and for its default button. The answer goes through the
// dialog's message result.
INT_PTR OnGetDlgCode(HWND page, const MSG* message) {
  if (message == nullptr || message->message != WM_KEYDOWN) return 0;
  if (!PageTakesKeyDown(message->wParam == VK_RETURN, g_focusedAboutLink)) return 0;
  SetWindowLongPtrW(page, DWLP_MSGRESULT, DLGC_WANTALLKEYS);
  return DLGC_WANTALLKEYS;
}

void OnKeyDown(HWND page, WPARAM key) {
  switch (key) {
    case VK_TAB:
    case VK_DOWN:
      FocusLink(page, FocusAfterNextKey(g_focusedAboutLink));
      break;
    case VK_UP:
      FocusLink(page, FocusAfterPreviousKey(g_focusedAboutLink));
      break;
    case VK_RETURN:
      if (g_focusedAboutLink != kNoLink) FollowLink(g_focusedAboutLink);
      break;
    default:
      break;
  }
}

int32_t LinkUnder(LPARAM point) {
  return LinkAt(g_aboutLinks, GET_X_LPARAM(point), GET_Y_LPARAM(point));
}

// A press anywhere moves the focus to the link under it, or takes it away.
// It also gives the page the keyboard: the page has no controls that could
// take it, and the sheet leaves it on the tabs, where the keys that move
// between the links would never reach the page.
void OnButtonDown(HWND page, LPARAM point) {
  if (GetFocus() != page) SetFocus(page);
  FocusLink(page, LinkUnder(point));
}

void OnButtonUp(LPARAM point) {
  const int32_t row = LinkUnder(point);
  if (ReleaseFollowsLink(row, g_focusedAboutLink)) FollowLink(row);
}

void OnPaint(HWND page) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(page, &paint);
  if (dc != nullptr) PaintAboutPage(page, dc);
  EndPaint(page, &paint);
}

}  // namespace

INT_PTR CALLBACK AboutPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint(page);
      return 0;
    case WM_GETDLGCODE:
      return OnGetDlgCode(page, reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
      OnKeyDown(page, wParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(page, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(lParam);
      return 0;
    default:
      return 0;
  }
}

}  // namespace vostarel
