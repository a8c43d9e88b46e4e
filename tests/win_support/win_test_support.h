// What the Wine test programs share: the program's own folder, registry
// values and environment variables set for one scope, temporary folders,
// and whole-file reads and writes.
#pragma once

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Rectangles compare and print in test failures: EXPECT_EQ(got, want) shows
// both as (left,top)-(right,bottom).
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
void PrintTo(const RECT& rect, std::ostream* out);

namespace vostarel::testing {

// The folder of the running test program (no trailing backslash): the DLLs
// and cprog.exe are there.
std::wstring BinFolder();

// A registry value for one scope: it starts absent, and the value that was
// there before (or its absence) is put back at the end.
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, std::wstring subkey, std::wstring name);
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;
  ~ScopedRegistryValue();
  void SetString(const std::wstring& value) const;
  void SetDword(DWORD value) const;
  void SetBinary(const void* bytes, DWORD size) const;

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
  explicit TemporaryFolder(const std::wstring& prefix = L"vostarel-test-");
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder();
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

std::string ReadWholeFile(const std::wstring& path);  // empty when missing
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);
// Lines without their line ends ("\n" or "\r\n").
std::vector<std::string> SplitLines(const std::string& text);
std::string Utf8(const std::wstring& text);

// Runs a command line to its end; one still running after a minute is
// ended. Its exit code, or -1 when it could not start or was ended.
int RunCommand(std::wstring commandLine);

// The system versions the phone application runs under in the tests, set
// through Wine's per-program Version value, and the version flags each gives.
enum class VersionMode { kNt40, kWinXp, kWin2003 };
const wchar_t* WineVersionName(VersionMode mode);
bool IsVersion5(VersionMode mode);
bool IsVersion52(VersionMode mode);

}  // namespace vostarel::testing
