// The library's window procedures in front of the dialer window and its
// number field (installed by the attachment in host/window_search.cpp).
#pragma once

#include <windows.h>

#include "result_list.h"

namespace vostarel {

LRESULT CALLBACK DialerWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK NumberFieldWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vostarel
