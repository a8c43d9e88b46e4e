#include "overlay_menu.h"

#include <cwchar>

#include "dialer_window_state.h"
#include "overlay_commands.h"
#include "process_values.h"
#include "resource_ids.h"
#include "result_list.h"
#include "store_loaders.h"

namespace vostarel {
namespace {

constexpr int kReportCapacity = 260;
constexpr wchar_t kReportCaption[] = L"Vostarel";

// The overlay popup: the first popup of menu 102, loaded once; the menu
// stays loaded (and is never destroyed) for the life of the process.
HMENU g_overlayMenu = nullptr;

HMENU OverlayMenu() {
  if (g_overlayMenu == nullptr) {
    HMENU bar = LoadMenuW(g_moduleInstance, MAKEINTRESOURCEW(IDR_OVERLAY_MENU));
    if (bar != nullptr) g_overlayMenu = GetSubMenu(bar, 0);
  }
  return g_overlayMenu;
}

void ReloadAndReport(DialHelper& helper) {
  ReloadStores(helper);
  const unsigned total = helper.Index.AddressBook.Count() + helper.Index.Sim.Count() +
                         helper.Index.CallLog.Count();
  wchar_t format[kReportCapacity] = {};
  LoadStringW(g_moduleInstance, IDS_RELOAD_REPORT, format, kReportCapacity);
  wchar_t report[kReportCapacity] = {};
  _snwprintf(report, kReportCapacity - 1, format, total);
  MessageBoxW(GetActiveWindow(), report, kReportCaption, MB_ICONINFORMATION);
}

// The sheet reports what it changed; the list it knows nothing of is placed
// again here.
void OpenSettingsSheet(DialHelper& helper, int startPage) {
  if (g_openSettingsSheet == nullptr) return;
  g_openSettingsSheet(helper, helper.Window.Dialer, startPage);
  if (helper.PlacementChanged) PlaceResultList(helper, false);
}

}  // namespace

void ShowOverlayMenu(DialHelper& helper, int x, int y) {
  HMENU menu = OverlayMenu();
  if (menu == nullptr) return;
  // The list owns the menu; without a list window (overlay switched off)
  // the dialer does, so that the menu, and with it the way back into the
  // settings, is still there.
  HWND owner = helper.Window.ResultList != nullptr ? helper.Window.ResultList : helper.Window.Dialer;
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenuEx(menu, TPM_RETURNCMD, x, y, owner, nullptr));
  RunOverlayCommand(helper, chosen);
}

void RunOverlayCommand(DialHelper& helper, UINT commandId) {
  const OverlayAction action = OverlayCommandKind(commandId);
  switch (action.Kind) {
    case OverlayActionKind::Reload:
      ReloadAndReport(helper);
      RefreshResultList(helper);
      break;
    case OverlayActionKind::OpenSettings:
      OpenSettingsSheet(helper, action.SettingsPage);
      RefreshResultList(helper);
      break;
    case OverlayActionKind::Exit:
      PostQuitMessage(0);
      break;
    case OverlayActionKind::Nothing:
      break;
  }
}

}  // namespace vostarel
