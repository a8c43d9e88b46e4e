// Reading the extension's result list (control 43295) for --print: whether
// it covers the dialer, and each row's texts as the extension draws them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/printed_state.h"

namespace vostarel::cprog {

// Whether `list` covers the whole client area of `dialer`.
bool ListCoversDialer(HWND dialer, HWND list);
// The list's rectangle in the dialer's client coordinates, "X Y WIDTH HEIGHT".
std::string ListPlace(HWND dialer, HWND list);

// The rows of `list`, drawn once more through the dialer's WM_DRAWITEM
// into a memory bitmap while the DrawTextW calls into it are recorded.
std::vector<PrintedRow> ReadListRows(HWND dialer, HWND list);

}  // namespace vostarel::cprog
