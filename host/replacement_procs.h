// The library's window procedures in front of the dialer window and its
// number field, and the refresh of the result list. For now they only pass
// messages on and run the filter on the first refresh; the result list
// window and the input handling come on top of them.
#pragma once

#include <windows.h>

namespace vostarel {

// Passes every message on to the dialer's previous procedure; after
// WM_COMMAND 20102 has reached it, refreshes the result list.
LRESULT CALLBACK DialerWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Passes every message on to the number field's previous procedure.
LRESULT CALLBACK NumberFieldWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Filters the stores of the main object by the number field's typed keys
// into the result list.
void RefreshResultList();

}  // namespace vostarel
