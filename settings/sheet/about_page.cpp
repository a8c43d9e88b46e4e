// Placeholder while the About page is built.
#include "sheet_pages.h"

namespace vostarel {
INT_PTR CALLBACK AboutPageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }
}  // namespace vostarel
