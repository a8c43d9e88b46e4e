// SHCreateMenuBar and SHFindMenuBar: the soft-key bar.
//
// The bar is a real "ToolbarWindow32" (so TB_GETBUTTONINFOW and
// TB_SETBUTTONINFOW by command ID work on it) inside a small host window.
// The host is an owned popup that sits right below the parent window, as the
// device's menu bar sits at the bottom of the screen outside the
// application's window: whatever the application puts over its whole client
// area (an expanded list, say) never covers the soft keys. A parent that
// moves re-places the bar by moving GetParent(hwndMB).
//
// Plain buttons send WM_COMMAND with their command ID to the parent; a
// button with a submenu opens that popup with the parent as the owner, so
// the parent gets WM_INITMENUPOPUP and the chosen item's WM_COMMAND.
#include <algorithm>
#include <string>
#include <vector>

#include "aygshell.h"
#include "menu_bar_place.h"
#include "menu_bar_resource.h"

namespace {

using vostarel::aygshell::MenuBarButton;

constexpr wchar_t kHostClass[] = L"SoftKeyBarHost";
// Property on the parent window naming its bar (the toolbar).
constexpr wchar_t kMenuBarProperty[] = L"SoftKeyBar";
constexpr int kBarHeight = 28;
constexpr int kFontHeight = 16;

// Owned by the host window; freed when it is destroyed.
struct BarState {
  HWND parent = nullptr;
  HWND toolbar = nullptr;
  HMENU menu = nullptr;  // the menu resource of the bar's popups, or null
  HFONT font = nullptr;
  COLORREF background = 0;
  bool colored = false;
  std::vector<MenuBarButton> buttons;
};

BarState* StateOf(HWND host) {
  return reinterpret_cast<BarState*>(GetWindowLongPtrW(host, GWLP_USERDATA));
}

const MenuBarButton* FindButton(const BarState& state, UINT command) {
  for (const MenuBarButton& button : state.buttons) {
    if (button.command == command) return &button;
  }
  return nullptr;
}

std::wstring LoadText(HINSTANCE instance, UINT id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(instance, id, reinterpret_cast<wchar_t*>(&text), 0);
  if (length <= 0 || text == nullptr) return {};
  return std::wstring(text, static_cast<size_t>(length));
}

std::wstring MenuTitle(HMENU menu, UINT position) {
  if (menu == nullptr) return {};
  wchar_t buffer[128] = {};
  if (GetMenuStringW(menu, position, buffer, 128, MF_BYPOSITION) <= 0) return {};
  return buffer;
}

void OpenSubmenu(const BarState& state, const MenuBarButton& button) {
  if (state.menu == nullptr) return;
  HMENU popup = GetSubMenu(state.menu, button.submenu);
  if (popup == nullptr) return;
  const LRESULT index = SendMessageW(state.toolbar, TB_COMMANDTOINDEX, button.command, 0);
  RECT rect{};
  SendMessageW(state.toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  MapWindowPoints(state.toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  // The owner gets WM_INITMENUPOPUP (lParam 0: position 0, not a system
  // menu) and, after a choice, the item's WM_COMMAND.
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, rect.left, rect.top, 0, state.parent, nullptr);
}

void OnBarCommand(BarState& state, WPARAM wParam) {
  const MenuBarButton* button = FindButton(state, LOWORD(wParam));
  if (button != nullptr && button->HasSubmenu()) {
    OpenSubmenu(state, *button);
    return;
  }
  SendMessageW(state.parent, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0),
               reinterpret_cast<LPARAM>(state.toolbar));
}

LRESULT OnBarCustomDraw(const BarState& state, NMTBCUSTOMDRAW* draw) {
  if (!state.colored) return CDRF_DODEFAULT;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
      HBRUSH brush = CreateSolidBrush(state.background);
      FillRect(draw->nmcd.hdc, &draw->nmcd.rc, brush);
      DeleteObject(brush);
      return CDRF_NOTIFYITEMDRAW;
    }
    case CDDS_ITEMPREPAINT: {
      // Light text on a dark bar, dark text on a light one; a pressed or
      // hovered key is a step towards the text colour, never the system's
      // light highlight under light text.
      const bool dark = (GetRValue(state.background) * 3 + GetGValue(state.background) * 6 +
                         GetBValue(state.background)) / 10 < 128;
      draw->clrText = dark ? RGB(255, 255, 255) : RGB(0, 0, 0);
      draw->clrBtnFace = state.background;
      const int step = dark ? 40 : -40;
      draw->clrHighlightHotTrack =
          RGB(std::clamp(GetRValue(state.background) + step, 0, 255), std::clamp(GetGValue(state.background) + step, 0, 255),
              std::clamp(GetBValue(state.background) + step, 0, 255));
      if (draw->nmcd.uItemState & (CDIS_SELECTED | CDIS_HOT)) {
        HBRUSH brush = CreateSolidBrush(draw->clrHighlightHotTrack);
        FillRect(draw->nmcd.hdc, &draw->nmcd.rc, brush);
        DeleteObject(brush);
        draw->nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_HOT | CDIS_CHECKED);
      }
      return TBCDRF_NOEDGES | TBCDRF_NOOFFSET | TBCDRF_NOBACKGROUND | TBCDRF_NOETCHEDEFFECT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void DestroyBarState(HWND host) {
  BarState* state = StateOf(host);
  if (state == nullptr) return;
  SetWindowLongPtrW(host, GWLP_USERDATA, 0);
  if (IsWindow(state->parent) && GetPropW(state->parent, kMenuBarProperty) == state->toolbar) {
    RemovePropW(state->parent, kMenuBarProperty);
  }
  if (state->menu != nullptr) DestroyMenu(state->menu);
  if (state->font != nullptr) DeleteObject(state->font);
  delete state;
}

LRESULT CALLBACK HostWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  BarState* state = StateOf(hwnd);
  switch (message) {
    case WM_COMMAND:
      if (state != nullptr) OnBarCommand(*state, wParam);
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (state != nullptr && header->hwndFrom == state->toolbar && header->code == NM_CUSTOMDRAW) {
        return OnBarCustomDraw(*state, reinterpret_cast<NMTBCUSTOMDRAW*>(lParam));
      }
      break;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // the parent keeps activation and focus
    case WM_NCDESTROY:
      DestroyBarState(hwnd);
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterHostClass(HINSTANCE instance) {
  WNDCLASSW wc{};
  if (GetClassInfoW(instance, kHostClass, &wc)) return true;
  wc.lpfnWndProc = HostWndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kHostClass;
  return RegisterClassW(&wc) != 0;
}

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&HostWndProc), &module);
  return module;
}

// The buttons of a plain menu resource: each top-level popup becomes a
// button that opens it, each top-level item a command button.
std::vector<MenuBarButton> ButtonsFromMenu(HMENU menu) {
  std::vector<MenuBarButton> buttons;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MenuBarButton button;
    button.state = TBSTATE_ENABLED;
    button.style = BTNS_BUTTON;
    if (GetSubMenu(menu, i) != nullptr) {
      button.submenu = static_cast<std::uint16_t>(i);
      // Popups carry no command ID of their own; give the button one that
      // no menu item uses.
      button.command = static_cast<std::uint16_t>(0xFF00 + i);
    } else {
      button.command = static_cast<std::uint16_t>(GetMenuItemID(menu, i));
    }
    buttons.push_back(button);
  }
  return buttons;
}

bool LoadLayout(const SHMENUBARINFO& info, BarState& state) {
  if (info.dwFlags & SHCMBF_EMPTYBAR) return true;
  if (info.dwFlags & SHCMBF_HMENU) {
    state.menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(info.nToolBarId));
    if (state.menu == nullptr) return false;
    state.buttons = ButtonsFromMenu(state.menu);
    return true;
  }
  HRSRC found = FindResourceW(info.hInstRes, MAKEINTRESOURCEW(info.nToolBarId), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(info.hInstRes, found);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
  auto layout = vostarel::aygshell::ParseMenuBarResource(data, SizeofResource(info.hInstRes, found));
  if (!layout) return false;
  state.buttons = std::move(layout->buttons);
  if (layout->menuId != 0) state.menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(layout->menuId));
  return true;
}

std::wstring CaptionOf(const SHMENUBARINFO& info, const BarState& state, const MenuBarButton& button) {
  if (button.stringId != 0) return LoadText(info.hInstRes, button.stringId);
  if (button.HasSubmenu()) return MenuTitle(state.menu, button.submenu);
  if (state.menu != nullptr) {
    // A command button of a plain menu resource: the item's own text.
    wchar_t buffer[128] = {};
    if (GetMenuStringW(state.menu, button.command, buffer, 128, MF_BYCOMMAND) > 0) return buffer;
  }
  return {};
}

// Every button gets an equal share of the bar's width.
void ShareOutWidth(const BarState& state, int barWidth) {
  if (state.buttons.empty()) return;
  const int width = barWidth / static_cast<int>(state.buttons.size());
  SendMessageW(state.toolbar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(width, width));
  SendMessageW(state.toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(width, kBarHeight - 2));
}

// Under the parent's window, as wide as its client area.
RECT BarRectUnder(HWND parent) {
  RECT parentRect{};
  GetWindowRect(parent, &parentRect);
  RECT client{};
  GetClientRect(parent, &client);
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return RECT{client.left, parentRect.bottom, client.right, parentRect.bottom + kBarHeight};
}

void AddButtons(const SHMENUBARINFO& info, BarState& state, int barWidth) {
  SendMessageW(state.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(state.toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  SendMessageW(state.toolbar, TB_SETPADDING, 0, MAKELPARAM(0, 0));
  if (state.buttons.empty()) return;
  for (const MenuBarButton& button : state.buttons) {
    const std::wstring caption = CaptionOf(info, state, button);
    TBBUTTON tb{};
    tb.iBitmap = I_IMAGENONE;
    tb.idCommand = button.command;
    tb.fsState = static_cast<BYTE>(button.state | TBSTATE_ENABLED);
    // Fixed-width text buttons; the resource's autosize and drop-down
    // styles are the device's look, the bar here splits its width evenly.
    tb.fsStyle = BTNS_BUTTON;
    tb.iString = reinterpret_cast<INT_PTR>(caption.c_str());  // the toolbar copies it
    SendMessageW(state.toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
  }
  ShareOutWidth(state, barWidth);
}

}  // namespace

extern "C" BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* pmb) {
  if (pmb == nullptr || !IsWindow(pmb->hwndParent)) return FALSE;
  HINSTANCE instance = ThisModule();
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  if (!RegisterHostClass(instance)) return FALSE;

  auto* state = new BarState;
  state->parent = pmb->hwndParent;
  state->colored = (pmb->dwFlags & SHCMBF_COLORBK) != 0;
  state->background = pmb->clrBk;
  if (!LoadLayout(*pmb, *state)) {
    if (state->menu != nullptr) DestroyMenu(state->menu);
    delete state;
    return FALSE;
  }

  const RECT place = BarRectUnder(pmb->hwndParent);
  const int width = place.right - place.left;
  HWND host = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kHostClass, L"", WS_POPUP,
                              place.left, place.top, width, kBarHeight, pmb->hwndParent,
                              nullptr, instance, nullptr);
  if (host == nullptr) {
    if (state->menu != nullptr) DestroyMenu(state->menu);
    delete state;
    return FALSE;
  }
  SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));  // the host owns it now

  state->toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE |
                                       CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                   0, 0, width, kBarHeight, host, nullptr, instance, nullptr);
  if (state->toolbar == nullptr) {
    DestroyWindow(host);
    return FALSE;
  }
  state->font = CreateFontW(-kFontHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  SendMessageW(state->toolbar, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
  AddButtons(*pmb, *state, width);

  SetPropW(pmb->hwndParent, kMenuBarProperty, state->toolbar);
  pmb->hwndMB = state->toolbar;
  // Shown without taking activation: the application keeps the keyboard.
  if (!(pmb->dwFlags & SHCMBF_HIDDEN)) ShowWindow(host, SW_SHOWNOACTIVATE);
  return TRUE;
}

namespace vostarel::aygshell {

void PlaceMenuBarUnder(HWND parent) {
  HWND bar = SHFindMenuBar(parent);
  if (bar == nullptr) return;
  HWND host = GetParent(bar);
  const BarState* state = StateOf(host);
  if (state == nullptr) return;
  const RECT place = BarRectUnder(parent);
  const int width = place.right - place.left;
  SetWindowPos(host, nullptr, place.left, place.top, width, kBarHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  MoveWindow(bar, 0, 0, width, kBarHeight, TRUE);
  ShareOutWidth(*state, width);
}

}  // namespace vostarel::aygshell

extern "C" HWND WINAPI SHFindMenuBar(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  HWND bar = static_cast<HWND>(GetPropW(hwnd, kMenuBarProperty));
  return IsWindow(bar) ? bar : nullptr;
}
