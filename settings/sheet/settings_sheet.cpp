#include "settings_sheet.h"

#include <commctrl.h>

#include "aygshell.h"
#include "desktop_values.h"
#include "dial_helper.h"
#include "holders.h"
#include "phone_screen_sheet.h"
#include "process_values.h"
#include "resource_ids.h"
#include "sheet_choices.h"
#include "sheet_pages.h"
#include "store_loaders.h"

namespace vostarel {
namespace {

struct PageSpec {
  int TemplateId;
  DLGPROC Procedure;
};

// Every page made tells the sheet of its apply notification before the page
// acts on it: the sheet needs to know, once it has closed, whether it was
// left with OK, and only the pages that were shown hear of it.
template <DLGPROC PageProc>
INT_PTR CALLBACK NotingApply(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && IsApplyNotification(lParam) && g_mainObject != nullptr) {
    g_mainObject->Sheet.Applied = TRUE;
  }
  return PageProc(page, message, wParam, lParam);
}

// Sheet order; the titles come from the templates.
constexpr PageSpec kPages[kSettingsPageCount] = {
    {IDD_GENERAL_PAGE, NotingApply<GeneralPageProc>},
    {IDD_POSITION_PAGE, NotingApply<PositionPageProc>},
    {IDD_SPELLING_PAGE, NotingApply<SpellingPageProc>},
    {IDD_COMMANDS_PAGE, NotingApply<CommandsPageProc>},
    {IDD_ABOUT_PAGE, NotingApply<AboutPageProc>},
};

// The sheet's answer to callback message 3.
constexpr int kSheetCallbackAnswer = 526;

int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED) {
    // Laid out first: the menu bar goes right below the sheet.
    FitSheetToPhoneScreen(sheet);
    SHMENUBARINFO info{};
    info.cbSize = kMenuBarInfoSize;
    info.hwndParent = sheet;
    info.dwFlags = 0;
    info.nToolBarId = IDR_MENU_BAR;
    info.hInstRes = g_moduleInstance;
    SHCreateMenuBar(&info);
    return 0;
  }
  if (message == 3) return kSheetCallbackAnswer;
  return 0;
}

// The platform's HTML viewer registers its dialog control for this module
// when it is there; the sheet works the same without it.
ModuleHandle InitHtmlViewer() {
  ModuleHandle viewer(LoadLibraryW(L"HtmlView.dll"));
  if (!viewer) return viewer;
  using InitHtmlControl = BOOL(WINAPI*)(HINSTANCE);
  auto init = reinterpret_cast<InitHtmlControl>(
      reinterpret_cast<void*>(GetProcAddress(viewer.Get(), "InitHTMLControl")));
  if (init != nullptr) init(g_moduleInstance);
  return viewer;
}

}  // namespace

int ShowSettingsSheet(DialHelper& helper, HWND parent, int startPage) {
  SheetPageRecord pages[kSettingsPageCount] = {};
  for (int i = 0; i < kSettingsPageCount; ++i) {
    pages[i].dwSize = kPropSheetPageSize;
    pages[i].dwFlags = PSP_DEFAULT;
    pages[i].hInstance = g_moduleInstance;
    pages[i].pszTemplate = MAKEINTRESOURCEW(kPages[i].TemplateId);
    pages[i].pfnDlgProc = kPages[i].Procedure;
  }
  PROPSHEETHEADERW header{};
  header.dwSize = kPropSheetHeaderSize;
  header.dwFlags = kSheetFlags;
  header.hwndParent = parent;
  header.hInstance = g_moduleInstance;
  header.pszCaption = MAKEINTRESOURCEW(IDS_PRODUCT_NAME);
  header.nPages = kSettingsPageCount;
  header.nStartPage = static_cast<UINT>(startPage);
  header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEW>(pages);  // walked by dwSize
  header.pfnCallback = SheetCallback;

  const ModuleHandle viewer = InitHtmlViewer();
  helper.Sheet.ReloadStores = FALSE;
  helper.PlacementChanged = FALSE;
  helper.Sheet.Applied = FALSE;
  const SheetChoiceValues opened = TakeSheetChoices(helper);
  PropertySheetW(&header);
  if (SettleSheetChoices(helper, opened, helper.Sheet.Applied)) helper.Sheet.ReloadStores = TRUE;
  if (helper.Sheet.ReloadStores) ReloadStores(helper);
  return 0;
}

HWND CreateMenuBar(HWND* menuBar, HWND window, UINT resourceId, DWORD flags) {
  SHMENUBARINFO info{};
  info.cbSize = kMenuBarInfoSize;
  info.hwndParent = window;
  info.dwFlags = flags | (resourceId != 0 ? SHCMBF_HMENU : SHCMBF_EMPTYBAR);
  info.nToolBarId = resourceId;
  info.hInstRes = g_moduleInstance;
  SHCreateMenuBar(&info);
  if (menuBar != nullptr) *menuBar = info.hwndMB;

  if (g_pocketPcPlatform && info.hwndMB != nullptr) {
    // The bar takes the bottom of the screen: the window ends above it.
    RECT windowRect{};
    RECT barRect{};
    GetWindowRect(window, &windowRect);
    GetWindowRect(info.hwndMB, &barRect);
    MoveWindow(window, windowRect.left, windowRect.top, windowRect.right - windowRect.left,
               (windowRect.bottom - windowRect.top) - (barRect.bottom - barRect.top), FALSE);
  }
  return info.hwndMB;
}

}  // namespace vostarel
