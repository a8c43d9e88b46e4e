#include "process_values.h"

#include "dictionary_path.h"
#include "process_rules.h"
#include "resource_ids.h"
#include "win_text.h"

namespace vostarel {

HINSTANCE g_moduleInstance = nullptr;
const wchar_t* g_productName = nullptr;
int g_productNameLength = 0;
bool g_version5 = false;
bool g_version52 = false;
bool g_pocketPcPlatform = false;
DialHelper* g_mainObject = nullptr;
SettingsSheetOpener g_openSettingsSheet = nullptr;
uint32_t g_lastCallLogSize = 0;

namespace {

static_assert(sizeof(OSVERSIONINFOW) == 276, "the version record the system expects");

void RecordVersionFlags() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return;  // flags stay false: the oldest dialer
  const VersionFlags flags = VersionFlagsFor(version.dwMajorVersion, version.dwMinorVersion);
  g_version5 = flags.Version5;
  g_version52 = flags.Version52;
}

void RecordPlatformType() {
  wchar_t type[kPlatformTypeCapacity] = {};
  if (!SystemParametersInfoW(kGetPlatformType, kPlatformTypeCapacity, type, 0)) return;
  type[kPlatformTypeCapacity - 1] = 0;
  g_pocketPcPlatform = IsPocketPcPlatformType(AsUtf16(type));
}

void RecordModule(HINSTANCE instance) {
  g_moduleInstance = instance;
  // With no buffer, LoadStringW hands out the resource text in place and
  // returns its length; the text is not terminated there.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(instance, IDS_PRODUCT_NAME, reinterpret_cast<LPWSTR>(&text), 0);
  g_productName = length > 0 ? text : nullptr;
  g_productNameLength = length > 0 ? length : 0;
}

}  // namespace

void RecordProcessValues(HINSTANCE instance) {
  RecordVersionFlags();
  RecordPlatformType();
  RecordModule(instance);
}

bool RunsInPhoneApplication() {
  wchar_t path[kPathCapacity];
  const DWORD length = GetModuleFileNameW(nullptr, path, kPathCapacity);
  if (length == 0 || length >= kPathCapacity) return false;
  return IsPhoneApplicationPath(AsUtf16(path), length);
}

}  // namespace vostarel
