#include "key_player.h"

#include <commctrl.h>

#include "aygshell.h"
#include "core/dialer_profile.h"
#include "menu_answerer.h"
#include "sheet_tapper.h"
#include "stand_ins.h"

namespace vostarel::cprog {
namespace {

// The device's keypad star and pound keys (VK_TSTAR, VK_TPOUND).
constexpr UINT kStarVirtualKey = VK_F8;
constexpr UINT kPoundVirtualKey = VK_F9;
// After the dialer, the number field's procedure is replaced too; this long
// is waited for that before typing starts.
constexpr DWORD kFieldAttachGraceMs = 500;
constexpr DWORD kPollMs = 20;

void PostKey(HWND window, UINT virtualKey, wchar_t character) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(window, WM_KEYDOWN, virtualKey, scan | 1);
  if (character != 0) PostMessageW(window, WM_CHAR, character, scan | 1);
  PostMessageW(window, WM_KEYUP, virtualKey, scan | 1 | 0xC0000000);
}

void PostCharacterKey(HWND window, wchar_t c) {
  UINT virtualKey = c;  // '0'..'9' are their own virtual keys
  if (c == L'*') virtualKey = kStarVirtualKey;
  if (c == L'#') virtualKey = kPoundVirtualKey;
  PostKey(window, virtualKey, c);
}

void PostTap(HWND field) {
  RECT client{};
  GetClientRect(field, &client);
  const LPARAM point = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(field, WM_LBUTTONUP, 0, point);
}

LPARAM FieldCentre(HWND field) {
  RECT client{};
  GetClientRect(field, &client);
  return MAKELPARAM(client.right / 2, client.bottom / 2);
}

// The button goes down and stays down: the gesture recognizer sees a hold.
void PostHold(HWND field) { PostMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, FieldCentre(field)); }

// The context-menu request a tap-and-hold on the list's selected row makes.
void PostRowHold(HWND dialer) {
  HWND list = GetDlgItem(dialer, kResultListId);
  if (list == nullptr) return;
  const LRESULT row = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  if (row < 0 || !SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item))) {
    GetClientRect(list, &item);
  }
  POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &at);
  PostMessageW(dialer, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
}

// The soft-key bar's menu button, as a tap on it reports itself to the bar.
constexpr WORD kMenuButtonCommand = 1201;

void PostMenuButton(HWND dialer) {
  HWND toolbar = SHFindMenuBar(dialer);
  if (toolbar == nullptr) return;
  PostMessageW(GetParent(toolbar), WM_COMMAND, MAKEWPARAM(kMenuButtonCommand, 0),
               reinterpret_cast<LPARAM>(toolbar));
}

void PostOneKey(Dialer& d, const Key& key) {
  HWND w = d.window;
  switch (key.kind) {
    case KeyKind::kChar: PostCharacterKey(w, static_cast<wchar_t>(key.character)); break;
    case KeyKind::kLeft: PostKey(w, VK_LEFT, 0); break;
    case KeyKind::kRight: PostKey(w, VK_RIGHT, 0); break;
    case KeyKind::kUp: PostKey(w, VK_UP, 0); break;
    case KeyKind::kDown: PostKey(w, VK_DOWN, 0); break;
    case KeyKind::kEnter: PostKey(w, VK_RETURN, L'\r'); break;
    case KeyKind::kBack: PostKey(w, VK_BACK, L'\b'); break;
    case KeyKind::kTalk: PostMessageW(w, WM_HOTKEY, 0, MAKELPARAM(0, kTalkHotKey)); break;
    case KeyKind::kSoftKey:
      PostMessageW(w, WM_COMMAND, MAKEWPARAM(d.profile.softKeyCommand, 0),
                   reinterpret_cast<LPARAM>(SHFindMenuBar(w)));
      break;
    case KeyKind::kTap: PostTap(d.numberField); break;
    case KeyKind::kHome: PostKey(w, VK_HOME, 0); break;
    case KeyKind::kEnd: PostKey(w, VK_END, 0); break;
    case KeyKind::kHold: PostHold(d.numberField); break;
    case KeyKind::kRowHold: PostRowHold(w); break;
    case KeyKind::kMenu: PostMenuButton(w); break;
    case KeyKind::kPick: ArmMenuChoice(d, key.id); break;
    case KeyKind::kSheetTab: ArmSheetTab(key.id); break;
    case KeyKind::kSysMenu: PostMessageW(w, WM_SYSCOMMAND, SC_KEYMENU, L' '); break;  // Alt+Space
    case KeyKind::kPaste: PasteNumber(d, key.text); break;
    case KeyKind::kResize: ResizeDialer(d, static_cast<int>(key.width), static_cast<int>(key.height)); break;
    case KeyKind::kDropList:
      if (HWND list = GetDlgItem(w, kResultListId)) DestroyWindow(list);
      break;
    case KeyKind::kSheetCancel: ArmSheetCancel(); break;
    case KeyKind::kFaultsOn: SwitchStandInFaults(true); break;
    case KeyKind::kFaultsOff: SwitchStandInFaults(false); break;
  }
}

bool Replaced(HWND window, WNDPROC own) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != own;
}

bool WaitUntil(HWND window, WNDPROC own, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (Replaced(window, own)) return true;
    if (!DrainMessages()) return false;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

}  // namespace

bool DrainMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    DispatchMessageW(&msg);
  }
  return true;
}

bool WaitForAttach(const Dialer& d, DWORD timeoutMs) {
  if (!WaitUntil(d.window, DialerOwnProc(), timeoutMs)) return false;
  WaitUntil(d.numberField, NumberFieldOwnProc(), kFieldAttachGraceMs);
  DrainMessages();  // whatever the extension posted on attaching
  return true;
}

void PlayKeys(Dialer& d, const std::vector<Key>& keys) {
  for (const Key& key : keys) {
    if (!IsWindow(d.window)) return;
    PostOneKey(d, key);
    if (!DrainMessages()) return;
    if (key.kind == KeyKind::kHold) {
      PostMessageW(d.numberField, WM_LBUTTONUP, 0, FieldCentre(d.numberField));
      if (!DrainMessages()) return;
    }
  }
  SetPropW(d.window, kKeysPlayedProperty, reinterpret_cast<HANDLE>(1));
}

}  // namespace vostarel::cprog
