// Finding the phone application's dialer window among the top-level windows
// and attaching to it: its procedure and its number field's are replaced by
// the library's, and the first refresh is asked for.
#pragma once

#include <windows.h>

namespace vostarel {

struct DialHelper;

// What a window search does with the phone application's windows.
enum WindowSearchMode : LPARAM {
  kSearchAttach = 0,     // attach to the dialer window
  kSearchTerminate = 1,  // end the phone application
};

// Control IDs of the dialer (the phone application's own).
inline constexpr int kNumberFieldId5 = 23002;     // number field, major version 5 or more
inline constexpr int kNumberFieldIdOlder = 22301; // number field, older systems
inline constexpr int kDialer52ControlId = 23041;  // present in the 5.2 dialer

// The EnumWindows callback; `mode` is a WindowSearchMode. Windows of other
// programs than the phone application are passed over. Returns FALSE to stop
// the enumeration.
BOOL CALLBACK WindowSearchProc(HWND window, LPARAM mode);

// The attach step for one window of the phone application: the window is
// accepted when it has the number field of this system version (and, on
// 5.2 or later, control 23041) and both procedures could be replaced. Then
// the window and the field are recorded in the helper's window state and
// WM_COMMAND 20102 is posted to the window. Returns whether it was accepted.
bool TryAttachDialer(DialHelper& helper, HWND window);

// Mode 1 for one window of the phone application: ends the window's process
// with exit code 0. Returns FALSE (stop) once a process has been ended, so
// that a search ends at most one; TRUE (go on) when it could not be opened
// or ended.
BOOL TerminatePhoneApplication(HWND window);

}  // namespace vostarel
