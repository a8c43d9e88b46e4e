// The calls the library makes that only desktop Windows has. Each function
// here does one job that the device does with a call of its own; the device
// build compiles its own version of this file in place of desktop_only.cpp
// (each function's comment names the device call), and no other file of the
// library calls a desktop-only function.
#pragma once

#include <windows.h>

namespace vostarel {

// The full path of another process's executable into `path` of `capacity`
// units, terminated. False when it cannot be had whole. `process` needs
// PROCESS_QUERY_LIMITED_INFORMATION (kProcessPathAccess) on the desktop.
bool ProcessImagePath(HANDLE process, wchar_t* path, DWORD capacity);

// The access right that ProcessImagePath needs on the process handle. The
// device grants every right and takes 0 here.
inline constexpr DWORD kProcessPathAccess = PROCESS_QUERY_LIMITED_INFORMATION;

}  // namespace vostarel
