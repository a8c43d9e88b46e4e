// SHRecognizeGesture: tap-and-hold. The caller is in its WM_LBUTTONDOWN; the
// gesture is a hold when the left button stays down, and the pointer stays
// within a few pixels of where it went down, for about half a second.
#include "aygshell.h"

namespace {

// How long the button must stay down.
constexpr DWORD kHoldTimeMs = 500;
constexpr DWORD kLongHoldTimeMs = 1000;  // SHRG_LONGDELAY
// How far (pixels, each axis) the pointer may wander and still be held.
constexpr LONG kHoldSlop = 4;
// Longest single wait, so that a posted mouse message is seen promptly.
constexpr DWORD kPollMs = 10;

bool WithinSlop(POINT down, POINT now) {
  const LONG dx = now.x - down.x;
  const LONG dy = now.y - down.y;
  return dx >= -kHoldSlop && dx <= kHoldSlop && dy >= -kHoldSlop && dy <= kHoldSlop;
}

// Waits until the hold time passes (true) or the button comes up, another
// mouse button event arrives or the pointer leaves the slop (false). The
// message that ends the wait stays in the queue for the window to handle;
// mouse moves within the slop are taken out.
bool WaitForHold(HWND window, POINT down, DWORD holdMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) {
      if (msg.message != WM_MOUSEMOVE) return false;
      POINT now{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
      if (msg.hwnd != window) MapWindowPoints(msg.hwnd, window, &now, 1);
      if (!WithinSlop(down, now)) return false;
      PeekMessageW(&msg, msg.hwnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
      continue;
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= holdMs) return true;
    const DWORD left = holdMs - elapsed;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, left < kPollMs ? left : kPollMs, QS_MOUSE | QS_POSTMESSAGE);
  }
}

}  // namespace

extern "C" DWORD WINAPI SHRecognizeGesture(SHRGINFO* shrg) {
  if (shrg == nullptr || !IsWindow(shrg->hwndClient)) return 0;
  // The device passes cbSize 20, its own layout's size; the fields are read
  // by name, so either size is accepted.
  const DWORD holdMs = (shrg->dwFlags & SHRG_LONGDELAY) ? kLongHoldTimeMs : kHoldTimeMs;

  HWND window = shrg->hwndClient;
  const bool tookCapture = GetCapture() != window;
  if (tookCapture) SetCapture(window);
  const bool held = WaitForHold(window, shrg->ptDown, holdMs);
  if (tookCapture && GetCapture() == window) ReleaseCapture();
  if (!held) return 0;

  if (shrg->dwFlags & SHRG_RETURNCMD) return GN_CONTEXTMENU;

  NMRGINFO info{};
  HWND target = (shrg->dwFlags & SHRG_NOTIFYPARENT) ? GetParent(window) : window;
  if (target == nullptr) return 0;
  info.hdr.hwndFrom = window;
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
  info.hdr.code = GN_CONTEXTMENU;
  info.ptAction = shrg->ptDown;
  ClientToScreen(window, &info.ptAction);
  return static_cast<DWORD>(
      SendMessageW(target, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info)));
}
