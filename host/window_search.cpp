#include "window_search.h"

#include "desktop_only.h"
#include "dialer_window_state.h"
#include "dictionary_path.h"
#include "holders.h"
#include "process_rules.h"
#include "process_values.h"
#include "replacement_procs.h"
#include "resource_ids.h"
#include "win_text.h"

namespace vostarel {
namespace {

// The executable path of the window's process, at most kPathCapacity units.
bool WindowProcessPath(HWND window, wchar_t (&path)[kPathCapacity]) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == 0) return false;
  const KernelHandle process(OpenProcess(kProcessPathAccess, FALSE, processId));
  if (!process.Valid()) return false;
  return ProcessImagePath(process.Get(), path, kPathCapacity);
}

// Puts `replacement` in front of the window's procedure. The replacement
// may receive its first message on the window's own thread the moment it is
// installed, so the procedure it passes messages on to is published first;
// if another party changed the procedure between the read and the install,
// the one the install actually replaced is published instead. Fails (and
// installs nothing) for a window that is gone or belongs to another
// process, whose procedure cannot be read.
bool InstallProcedure(HWND window, WNDPROC replacement, WNDPROC& previous) {
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (current == nullptr) return false;
  // Already ours: passing messages on to ourselves would never end.
  if (current == replacement) return true;
  PublishProcedure(previous, current);
  const auto replaced = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replacement)));
  if (replaced == nullptr) return false;
  if (replaced != current) PublishProcedure(previous, replaced);
  return true;
}

HWND FindNumberField(HWND window) {
  return GetDlgItem(window, g_version5 ? kNumberFieldId5 : kNumberFieldIdOlder);
}

}  // namespace

bool TryAttachDialer(DialHelper& helper, HWND window) {
  const HWND field = FindNumberField(window);
  if (field == nullptr) return false;
  if (g_version52 && GetDlgItem(window, kDialer52ControlId) == nullptr) return false;

  DialerWindowState& state = helper.Window;
  if (!InstallProcedure(window, DialerWndPrc, state.PreviousDialerProc)) return false;
  state.Dialer = window;
  state.NumberField = field;
  InstallProcedure(field, NumberFieldWndPrc, state.PreviousNumberFieldProc);
  // Posted, not sent: the refresh runs on the dialer's own thread, after
  // everything above is in place.
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_RELOAD, 0), 0);
  return true;
}

BOOL TerminatePhoneApplication(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == 0) return TRUE;
  // The device opens the process asking for no access rights at all and may
  // still terminate it; desktop Windows grants a handle only the rights
  // asked for, so TerminateProcess needs PROCESS_TERMINATE here.
  const KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
  if (!process.Valid()) return TRUE;  // try the next window
  if (!TerminateProcess(process.Get(), 0)) return TRUE;
  return FALSE;  // one phone application ended: stop
}

BOOL CALLBACK WindowSearchProc(HWND window, LPARAM mode) {
  wchar_t path[kPathCapacity];
  if (!WindowProcessPath(window, path) || !IsPhoneApplicationWindowPath(AsUtf16(path))) {
    return TRUE;
  }
  if (mode == kSearchTerminate) return TerminatePhoneApplication(window);
  DialHelper* helper = g_mainObject;
  if (helper == nullptr || mode != kSearchAttach) return TRUE;
  return TryAttachDialer(*helper, window) ? FALSE : TRUE;
}

}  // namespace vostarel
