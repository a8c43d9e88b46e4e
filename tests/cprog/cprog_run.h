// Running cprog.exe from a test: the Wine version mode, the registration
// values, a device data folder, the test extension's log, and the child
// process with its standard output.
#pragma once

#include <windows.h>

#include "win_test_support.h"

#include <optional>
#include <string>
#include <vector>

namespace cprog_test {

using vostarel::testing::BinFolder;
using vostarel::testing::ReadWholeFile;
using vostarel::testing::ScopedEnvironment;
using vostarel::testing::ScopedRegistryValue;
using vostarel::testing::SplitLines;
using vostarel::testing::TemporaryFolder;
using vostarel::testing::Utf8;
using vostarel::testing::WriteWholeFile;

// cprog.exe started with arguments; standard output is collected.
class CprogProcess {
 public:
  // kInherited: the child reads this process's standard input and writes to
  // its standard error. kPiped, for --input: both are pipes of this object.
  enum class Input { kInherited, kPiped };
  explicit CprogProcess(const std::wstring& arguments, Input input = Input::kInherited);
  CprogProcess(const CprogProcess&) = delete;
  CprogProcess& operator=(const CprogProcess&) = delete;
  ~CprogProcess();

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return processId_; }
  // The process's top-level "Dialer" window, waited for; null on timeout.
  HWND WaitForDialer(DWORD timeoutMs = 20000);
  // Waits until cprog has played all of its --keys; false on timeout or
  // when the process ended first.
  bool WaitForKeysPlayed(HWND dialer, DWORD timeoutMs = 20000);
  // Ends cprog's message loop as --exit-after does (--print still prints
  // the state), without waiting for the end.
  static void Quit(HWND dialer);
  // Waits for the end (killing it after timeoutMs) and returns its exit
  // code; Output() then holds all it wrote.
  DWORD Finish(DWORD timeoutMs = 30000);
  const std::string& Output() const { return output_; }

  // kPiped: sends one line of keys to --input and returns its answer, "end"
  // line included ("" when cprog ended first).
  std::string Ask(const std::string& keys);
  // kPiped: ends cprog's standard input, which ends --input.
  void CloseInput();
  // kPiped: what cprog wrote to standard error, once Finish() has run.
  const std::string& Errors() const { return errors_; }

 private:
  void ReadOutput();
  void StartReader();
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HANDLE outputRead_ = nullptr;
  HANDLE inputWrite_ = nullptr;
  HANDLE errorsRead_ = nullptr;
  HANDLE reader_ = nullptr;
  std::string output_;
  std::string errors_;
};

// Runs cprog.exe to its end; its standard output.
std::string RunCprog(const std::wstring& arguments, DWORD* exitCode = nullptr);

// The registry and environment a cprog run in one version mode needs.
using vostarel::testing::IsVersion5;
using vostarel::testing::VersionMode;
using vostarel::testing::WineVersionName;

class CprogSetup {
 public:
  // Version mode set; no extension registered in either row; device data
  // and the extension's log in a fresh folder.
  explicit CprogSetup(VersionMode mode);
  // Registers test_extension.dll in the row that the mode reads (or, with
  // otherRow, the row it does not read).
  void RegisterTestExtension(bool otherRow = false, DWORD flag = 1);
  std::vector<std::string> ExtensionLog() const { return SplitLines(ReadWholeFile(folder_.File(L"extension.log"))); }
  std::wstring CallLogPath() const { return folder_.File(L"calllog.txt"); }
  std::wstring DeviceFile(const std::wstring& name) const { return folder_.File(name); }
  VersionMode Mode() const { return mode_; }

 private:
  VersionMode mode_;
  TemporaryFolder folder_;
  ScopedRegistryValue version_;
  ScopedRegistryValue unmanaged_;
  ScopedRegistryValue oldPath_;
  ScopedRegistryValue oldFlag_;
  ScopedRegistryValue newPath_;
  ScopedRegistryValue newFlag_;
  ScopedEnvironment deviceData_;
  ScopedEnvironment log_;
};

// Index of the first line equal to `line` at or after `from`; -1 if none.
int FindLine(const std::vector<std::string>& lines, const std::string& line, int from = 0);

}  // namespace cprog_test
