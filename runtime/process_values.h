// The library's process-wide values. Process attach writes them once, before
// any other thread of the library exists; the loader thread and the dialer's
// thread only read them afterwards (LastCallLogSize excepted, see there).
#pragma once

#include <windows.h>

#include <cstdint>

namespace vostarel {

struct DialHelper;

// The library's own module: its resources and its path.
extern HINSTANCE g_moduleInstance;

// String 800, the product name, in place in the module's resources. The
// resource text is counted, not terminated: read g_productNameLength units.
extern const wchar_t* g_productName;
extern int g_productNameLength;

// The system version flags (see VersionFlagsFor in process_rules.h).
extern bool g_version5;
extern bool g_version52;

// Whether the system is a Pocket PC (the platform type that
// SystemParametersInfoW reports is "PocketPC" in any letter case). Only the
// menu bars of the library's dialogs read it.
extern bool g_pocketPcPlatform;

// The one main object: null until it is fully constructed, null in any host
// other than the phone application, null again after process detach.
extern DialHelper* g_mainObject;

// How the overlay opens the settings sheet. The overlay and the sheet both
// sit above the main object and neither links the other: the extension sets
// this to the sheet's ShowSettingsSheet at process attach, before the main
// object exists. While it is null, opening the settings does nothing.
using SettingsSheetOpener = int (*)(DialHelper& helper, HWND parent, int startPage);
extern SettingsSheetOpener g_openSettingsSheet;

// The number of call-log records found by the last call-log load that got
// as far as measuring the log. Written only by LoadCallLog, which runs on
// the loader thread before the dialer is attached and on the dialer's
// thread afterwards, never on both at once.
extern uint32_t g_lastCallLogSize;

// The first steps of process attach, in every host: the version flags from
// the system's version record, the platform type, the module instance and
// the product name.
void RecordProcessValues(HINSTANCE instance);

// Whether this process is the phone application: its executable path ends
// with "cprog.exe" (IsPhoneApplicationPath). A path cut at the buffer is not
// trusted, since its last units are not the executable's name.
bool RunsInPhoneApplication();

}  // namespace vostarel
