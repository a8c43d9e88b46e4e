// Running the stand-in phone application with the attach probe
// (attach_probe/) as its registered extension, and reading the probe's log.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "host_test_environment.h"

namespace vostarel::testing {

// The registry one run needs, for one scope: Wine's version setting for the
// executable name, the registration row that the mode's phone application
// reads naming the probe (the other row empty), and the settings' option
// word (none: the default).
class PhoneSetup {
 public:
  PhoneSetup(VersionMode mode, const std::wstring& exeName, const std::wstring& probePath,
             std::optional<DWORD> settingsFlag = std::nullopt);

 private:
  ScopedRegistryValue version_;
  ScopedRegistryValue oldRowPath_;
  ScopedRegistryValue oldRowFlag_;
  ScopedRegistryValue newRowPath_;
  ScopedRegistryValue newRowFlag_;
  ScopedRegistryValue flag_;
};

// One phone application process. Standard output is not read; the probe's
// log is what the tests look at.
class PhoneProcess {
 public:
  PhoneProcess(const std::wstring& exePath, const std::wstring& arguments);
  PhoneProcess(const PhoneProcess&) = delete;
  PhoneProcess& operator=(const PhoneProcess&) = delete;
  ~PhoneProcess();

  bool Started() const { return process_ != nullptr; }
  // The process's visible "Dialer" window, waited for; null on timeout.
  HWND WaitForDialer(DWORD timeoutMs = 20000) const;
  // Waits for the end (killing the process after timeoutMs); its exit code.
  DWORD Finish(DWORD timeoutMs = 30000);

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

// The probe's log lines.
class ProbeLog {
 public:
  explicit ProbeLog(const std::wstring& path);
  const std::vector<std::string>& Lines() const { return lines_; }
  // Lines that start with `prefix`.
  std::vector<std::string> Starting(const std::string& prefix) const;
  // The number after `prefix` on its first line, or -1.
  long long Number(const std::string& prefix) const;
  std::string All() const;

 private:
  std::vector<std::string> lines_;
};

// The top-level windows' order in EnumWindows, top first, as labels of the
// probe's "zorder" line; -1 when the label is not there.
int ZOrderIndex(const ProbeLog& log, const std::string& label);

}  // namespace vostarel::testing
