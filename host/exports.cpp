// Vostarel.dll's exports other than the PHExt* forwarders
// (phext_forwarders.cpp); their ordinals are fixed in Vostarel.def.
#include <windows.h>

#include "chained_extension.h"
#include "registration.h"

extern "C" {

// The dial-pad window procedure that an older phone application finds by
// ordinal 1: the chained extension's, or the default one.
LRESULT WINAPI DialpadWndPrc(HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  const WNDPROC target = vostarel::g_dialpadTarget;
  return (target != nullptr ? target : DefWindowProcW)(window, message, wParam, lParam);
}

// Both always succeed: a registration tool has nothing to act on.
HRESULT WINAPI DllRegisterServer() {
  vostarel::RegisterExtension();
  return S_OK;
}

HRESULT WINAPI DllUnregisterServer() {
  vostarel::UnregisterExtension();
  return S_OK;
}

// The library leaves every call to the phone application's own handling:
// not dialed at once, and let through unchanged. The arguments are the
// phone application's and are not looked at.
BOOL WINAPI IsImmediateDialRequestRequired(const void*) { return FALSE; }
BOOL WINAPI PreprocessDialRequest(void*, UINT) { return TRUE; }

}  // extern "C"
