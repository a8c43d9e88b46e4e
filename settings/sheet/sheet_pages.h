// The dialog procedures of the settings sheet's pages. Each acts on the
// main object (g_mainObject), which exists whenever the sheet is open.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "sheet_state.h"

namespace vostarel {

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PositionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SpellingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CommandsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Whether a WM_NOTIFY is the sheet's apply notification (PSN_APPLY).
inline bool IsApplyNotification(LPARAM lParam) {
  return reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY);
}

}  // namespace vostarel
