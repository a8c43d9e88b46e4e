// What the host tests share: a temporary device data folder named by
// DEVICE_DATA_DIR (inherited by the programs the tests start), pimstore.dll
// registered with the real regsvr32 of the test's Wine prefix, registry
// values and environment variables set for one scope, and small file and
// process helpers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vostarel::testing {

// The folder of the running test program: the DLLs and cprog.exe are there.
std::wstring BinFolder();

// The temporary device data folder (no trailing backslash).
const std::wstring& DeviceFolder();
// Replaces a data file of the device folder; removes one.
void WriteDeviceFile(const wchar_t* name, std::string_view bytes);
void RemoveDeviceFile(const wchar_t* name);
// Removes all three data files.
void ClearDeviceFiles();

// The exit code of "regsvr32 /s pimstore.dll", run once before the tests.
int PimstoreRegistrationExitCode();

// Runs a command line to its end (a minute at most); its exit code, or -1.
int RunCommand(std::wstring commandLine);

std::string ReadWholeFile(const std::wstring& path);  // empty when missing
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);
std::vector<std::string> SplitLines(const std::string& text);

// A registry value set for one scope: starts absent, and the value that was
// there before (or its absence) is put back at the end.
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, std::wstring subkey, std::wstring name);
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;
  ~ScopedRegistryValue();
  void SetString(const std::wstring& value) const;
  void SetDword(DWORD value) const;

 private:
  HKEY root_;
  std::wstring subkey_;
  std::wstring name_;
  bool hadValue_ = false;
  DWORD oldType_ = 0;
  std::vector<BYTE> oldData_;
};

// An environment variable of this process (and so of the programs it
// starts) for one scope; an empty value removes it.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::wstring name, const std::wstring& value);
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment();

 private:
  std::wstring name_;
  std::optional<std::wstring> old_;
};

// A fresh folder under the temporary folder, removed with its files.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::wstring& prefix);
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder();
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

}  // namespace vostarel::testing
