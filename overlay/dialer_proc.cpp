// DialerWndPrc: the library's procedure in front of the dialer window. While
// the list is shown it takes the list's keys, the soft key and (by option)
// the talk key; every other message goes to the dialer's own procedure
// first, and some are then acted on.
#include <windows.h>
#include <commctrl.h>

#include "dialer_window_state.h"
#include "dialer_keys.h"
#include "overlay_menu.h"
#include "process_values.h"
#include "replacement_procs.h"
#include "resource_ids.h"
#include "row_commands.h"
#include "settings.h"
#include "command_text.h"
#include "soft_key.h"

namespace vostarel {
namespace {

constexpr int kSettingsItemTextCapacity = 64;

bool ListShown(const DialHelper& helper) { return helper.Window.ListVisibility == kListShown; }

void ToggleExpanded(DialHelper& helper) { PlaceResultList(helper, !helper.Window.Expanded); }

// First phase. Returns true when the message was consumed.
bool OnListKey(DialHelper& helper, UINT message, WPARAM& wParam, LPARAM lParam) {
  const uint32_t translated = TranslateKey(helper.Options.Keys, static_cast<uint32_t>(wParam));
  wParam = translated;
  if (!KeyGoesToList(translated)) return false;
  SendMessageW(helper.Window.ResultList, message, translated, lParam);
  return true;
}

bool OnTalkKey(DialHelper& helper, LPARAM lParam) {
  if (!IsTalkKey(lParam) || (helper.Options.Flags & SettingsFlags::kTalkKeyActsOnRow) == 0) {
    return false;
  }
  SendMessageW(helper.Window.ResultList, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(helper.Window.ResultList, WM_KEYUP, VK_RETURN, 0);
  return true;
}

bool ConsumedWhileShown(DialHelper& helper, UINT message, WPARAM& wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      return OnListKey(helper, message, wParam, lParam);
    case WM_COMMAND:
      if (!IsSoftKeyCommand(wParam)) return false;
      ToggleExpanded(helper);
      return true;
    case WM_HOTKEY:
      return OnTalkKey(helper, lParam);
    default:
      return false;
  }
}

// Second phase handlers, after the dialer's own procedure.
void OnDialerSize(DialHelper& helper) {
  if (ResultListExists(helper)) {
    PlaceResultList(helper, false);
    return;
  }
  RemakeResultList(helper);
}

void OnNotify(DialHelper& helper, const NMHDR& notice, LRESULT& result) {
  if (notice.idFrom != static_cast<UINT_PTR>(kResultListId)) return;
  if (notice.code == LVN_DELETEALLITEMS) {
    result = TRUE;  // no per-item deletion notices wanted
    return;
  }
  OnListNotify(helper, notice);
}

void OnDialerCommand(DialHelper& helper, WORD command) {
  if (command == IDM_DIALER_SETTINGS) RunOverlayCommand(helper, IDM_SETTINGS_GENERAL);
  if (command == IDM_RELOAD) RefreshResultList(helper);
}

void AddSettingsItem(HMENU popup) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  if (GetMenuItemInfoW(popup, IDM_DIALER_SETTINGS, FALSE, &info)) return;
  wchar_t text[kSettingsItemTextCapacity] = {};
  LoadStringW(g_moduleInstance, IDS_SETTINGS_MENU_ITEM, text, kSettingsItemTextCapacity);
  AppendMenuW(popup, MF_STRING, IDM_DIALER_SETTINGS, text);
}

void OnInitMenuPopup(DialHelper& helper, HMENU popup, LPARAM lParam) {
  if (IsDialerMenuPopup(lParam)) AddSettingsItem(popup);
  if (helper.Window.Expanded) PlaceResultList(helper, false);
}

LRESULT AfterDialer(DialHelper& helper, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT result) {
  switch (message) {
    case WM_SIZE:
      OnDialerSize(helper);
      return result;
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure.CtlID == kResultListId) measure.itemHeight = helper.Options.RowHeight;
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw.CtlID == kResultListId) DrawResultRow(helper, draw);
      return TRUE;
    }
    case WM_NOTIFY:
      OnNotify(helper, *reinterpret_cast<const NMHDR*>(lParam), result);
      return result;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == helper.Window.ResultList && wParam != 0) {
        ShowRowMenu(helper, lParam);
      }
      return result;
    case WM_COMMAND:
      OnDialerCommand(helper, LOWORD(wParam));
      return result;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(helper, reinterpret_cast<HMENU>(wParam), lParam);
      return result;
    default:
      return result;
  }
}

LRESULT PassToDialer(DialHelper* helper, HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam) {
  const WNDPROC previous =
      helper != nullptr ? PreviousProcedure(helper->Window.PreviousDialerProc) : nullptr;
  if (previous == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK DialerWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialHelper* helper = g_mainObject;
  if (helper != nullptr && ListShown(*helper) &&
      ConsumedWhileShown(*helper, message, wParam, lParam)) {
    return 0;
  }
  const LRESULT result = PassToDialer(helper, window, message, wParam, lParam);
  if (helper == nullptr) return result;
  return AfterDialer(*helper, message, wParam, lParam, result);
}

}  // namespace vostarel
