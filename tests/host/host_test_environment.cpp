#include "host_test_environment.h"

#include <gtest/gtest.h>

namespace vostarel::testing {
namespace {

std::wstring g_deviceFolder;
int g_registrationExitCode = -1;

class HostTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    g_deviceFolder = std::wstring(temp) + L"vostarel-host-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(g_deviceFolder.c_str(), nullptr);
    ASSERT_TRUE(SetEnvironmentVariableW(L"DEVICE_DATA_DIR", g_deviceFolder.c_str()));
    g_registrationExitCode =
        RunCommand(L"regsvr32.exe /s \"" + BinFolder() + L"\\pimstore.dll\"");
  }

  void TearDown() override {
    ClearDeviceFiles();
    RemoveDirectoryW(g_deviceFolder.c_str());
  }
};

::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new HostTestEnvironment);

}  // namespace

const std::wstring& DeviceFolder() { return g_deviceFolder; }

void WriteDeviceFile(const wchar_t* name, std::string_view bytes) {
  ASSERT_TRUE(WriteWholeFile(g_deviceFolder + L"\\" + name, bytes));
}

void RemoveDeviceFile(const wchar_t* name) { DeleteFileW((g_deviceFolder + L"\\" + name).c_str()); }

void ClearDeviceFiles() {
  for (const wchar_t* name : {L"contacts.vcf", L"sim.txt", L"calllog.txt"}) RemoveDeviceFile(name);
}

int PimstoreRegistrationExitCode() { return g_registrationExitCode; }

}  // namespace vostarel::testing
