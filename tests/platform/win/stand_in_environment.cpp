#include "stand_in_environment.h"

#include <gtest/gtest.h>

#include "device_folder.h"

namespace vostarel::testing {
namespace {

std::wstring g_deviceFolder;
int g_registrationExitCode = -1;

// Under Wine the desktop process starts with the first program of a Wine
// session, and on the first session of a new prefix its start takes long. A
// window created before the desktop is ready falls back to Wine's null
// display driver for the whole process. The desktop's tray window appears
// once it is ready; looking for it needs no display driver.
void WaitForDesktop() {
  GetDesktopWindow();
  for (int tries = 0; tries < 300 && FindWindowW(L"Shell_TrayWnd", nullptr) == nullptr; ++tries) {
    Sleep(100);
  }
}

class StandInEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    WaitForDesktop();
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    g_deviceFolder = std::wstring(temp) + L"vostarel-platform-" +
                     std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(g_deviceFolder.c_str(), nullptr);
    ASSERT_TRUE(SetEnvironmentVariableW(platform::kDeviceDataDirVariable, g_deviceFolder.c_str()));
    g_registrationExitCode = RunRegsvr32(L"/s \"" + LoadedModulePath(L"pimstore.dll") + L"\"");
  }

  void TearDown() override {
    for (const wchar_t* name :
         {platform::kContactsFileName, platform::kSimFileName, platform::kCallLogFileName}) {
      RemoveDeviceFile(name);
    }
    RemoveDirectoryW(g_deviceFolder.c_str());
  }
};

::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new StandInEnvironment);

}  // namespace

const std::wstring& DeviceFolder() { return g_deviceFolder; }

void WriteDeviceFile(const wchar_t* name, std::string_view bytes) {
  ASSERT_TRUE(platform::WriteFileBytes(g_deviceFolder + L"\\" + name, bytes));
}

void RemoveDeviceFile(const wchar_t* name) { DeleteFileW((g_deviceFolder + L"\\" + name).c_str()); }

std::wstring LoadedModulePath(const wchar_t* moduleName) {
  return platform::ModulePath(GetModuleHandleW(moduleName));
}

int RunRegsvr32(const std::wstring& arguments) { return RunCommand(L"regsvr32.exe " + arguments); }

int InitialRegistrationExitCode() { return g_registrationExitCode; }

HWND FindThreadWindow(DWORD threadId, const wchar_t* className) {
  struct Search {
    const wchar_t* ClassName;
    HWND Found;
  } search{className, nullptr};
  EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t name[64];
        if (GetClassNameW(window, name, 64) > 0 && lstrcmpW(name, s->ClassName) == 0) {
          s->Found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

}  // namespace vostarel::testing
