// Placeholder while the Commands page is built.
#include "sheet_pages.h"

namespace vostarel {
INT_PTR CALLBACK CommandsPageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }
}  // namespace vostarel
