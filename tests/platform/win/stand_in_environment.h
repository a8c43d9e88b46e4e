// What every stand-in test shares: a temporary device data folder named by
// DEVICE_DATA_DIR for this process, pimstore.dll registered with the real
// regsvr32 of the test's Wine prefix, and small helpers.
#pragma once

#include <windows.h>

#include "win_test_support.h"

#include <string>
#include <string_view>

namespace vostarel::testing {

// The temporary device data folder (no trailing backslash).
const std::wstring& DeviceFolder();

// Writes a data file into the device folder, replacing it.
void WriteDeviceFile(const wchar_t* name, std::string_view bytes);
// Removes a data file from the device folder, if there.
void RemoveDeviceFile(const wchar_t* name);

// Full path of a DLL this program has loaded.
std::wstring LoadedModulePath(const wchar_t* moduleName);

// Runs "regsvr32 <arguments>" and returns its exit code (or -1 when it could
// not be started or did not end within a minute).
int RunRegsvr32(const std::wstring& arguments);

// The exit code of "regsvr32 /s pimstore.dll" run once before all tests.
int InitialRegistrationExitCode();

// Top-level windows of this thread whose class is `className`.
HWND FindThreadWindow(DWORD threadId, const wchar_t* className);

}  // namespace vostarel::testing
