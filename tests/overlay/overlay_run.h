// One run of the stand-in phone application with Vostarel.dll as its
// extension: the version mode, the registration row that mode reads, the
// settings values, a device data folder, and cprog's --print output.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cprog_run.h"

namespace overlay_test {

using cprog_test::VersionMode;

// cprog's --print lines, split.
struct Printed {
  std::vector<std::string> lines;
  // The value after "key: " on the first such line; "" when missing.
  std::string Value(const std::string& key) const;
  // Every line that starts with "key: ", without that prefix.
  std::vector<std::string> All(const std::string& key) const;
  std::string Text() const;
};

class OverlayRun {
 public:
  explicit OverlayRun(VersionMode mode);
  // Settings of this run (HKCU\Software\Vostarel); absent values keep their
  // defaults.
  void SetFlag(DWORD flag);
  void SetKeyMap(const std::vector<BYTE>& pairs);
  void SetPosSize(const std::vector<int32_t>& values);  // 8 values
  void SetCommand(int index, const std::wstring& text);  // "mode|caption|command"
  // The extension the phone loads (default: the built Vostarel.dll).
  void SetLibrary(const std::wstring& path);
  // Device data files (UTF-8).
  void WriteDeviceFile(const std::wstring& name, const std::string& bytes) const;
  // Runs cprog with --keys KEYS --print to its end.
  Printed Run(const std::wstring& keys, DWORD* exitCode = nullptr) const;

 private:
  cprog_test::CprogSetup setup_;
  cprog_test::ScopedRegistryValue path_;
  cprog_test::ScopedRegistryValue enabled_;
  cprog_test::ScopedRegistryValue flag_;
  cprog_test::ScopedRegistryValue keyMap_;
  cprog_test::ScopedRegistryValue posSize_;
  std::vector<std::unique_ptr<cprog_test::ScopedRegistryValue>> commands_;
};

std::string ModeName(VersionMode mode);

// For tests that look at a running cprog's windows: polls `done` for up to
// ten seconds, then waits until the dialer's thread has handled what it was
// doing then (a message through that thread). False when `done` never held.
bool SettleWhen(HWND dialer, const std::function<bool()>& done);

}  // namespace overlay_test

namespace overlay_test {

// Registers pimstore.dll (the address book) with the prefix's regsvr32 once;
// its exit code.
int RegisterAddressBook();

}  // namespace overlay_test
