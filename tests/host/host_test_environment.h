// What the host tests share besides the common Wine test helpers: a
// temporary device data folder named by DEVICE_DATA_DIR (inherited by the
// programs the tests start), pimstore.dll registered with the real regsvr32
// of the test's Wine prefix.
#pragma once

#include <windows.h>

#include "win_test_support.h"

#include <string>
#include <string_view>
#include <vector>

namespace vostarel::testing {

// The temporary device data folder (no trailing backslash).
const std::wstring& DeviceFolder();
// Replaces a data file of the device folder; removes one.
void WriteDeviceFile(const wchar_t* name, std::string_view bytes);
void RemoveDeviceFile(const wchar_t* name);
// Removes all three data files.
void ClearDeviceFiles();

// The exit code of "regsvr32 /s pimstore.dll", run once before the tests.
int PimstoreRegistrationExitCode();

}  // namespace vostarel::testing
