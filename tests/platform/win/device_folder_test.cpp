#include <gtest/gtest.h>

#include "device_folder.h"
#include "stand_in_environment.h"

namespace vostarel::testing {
namespace {

// Sets DEVICE_DATA_DIR for one scope and restores the test folder after.
class DeviceDirOverride {
 public:
  explicit DeviceDirOverride(const wchar_t* value) {
    SetEnvironmentVariableW(platform::kDeviceDataDirVariable, value);
  }
  ~DeviceDirOverride() {
    SetEnvironmentVariableW(platform::kDeviceDataDirVariable, DeviceFolder().c_str());
  }
};

TEST(DeviceFolder, VariableNamesTheFolderElseItIsBesideTheProgram) {
  EXPECT_EQ(platform::DeviceDataFolder(), DeviceFolder());
  {
    DeviceDirOverride set(L"C:\\data\\phone\\\\");
    EXPECT_EQ(platform::DeviceDataPath(platform::kSimFileName), L"C:\\data\\phone\\sim.txt");
  }
  std::wstring program = platform::ModulePath(nullptr);
  program.resize(program.find_last_of(L'\\'));
  for (const wchar_t* unset : {static_cast<const wchar_t*>(nullptr), L""}) {
    DeviceDirOverride override(unset);
    EXPECT_EQ(platform::DeviceDataFolder(), program + L"\\device");
  }
}

}  // namespace
}  // namespace vostarel::testing
