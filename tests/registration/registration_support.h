// What the registration and chaining tests share besides the common Wine
// test helpers: paths of the built programs, registry snapshots of one key
// that are put back at the end of a scope, and the registration rows.
#pragma once

#include <windows.h>

#include "win_test_support.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vostarel::registration_test {

std::wstring BinFile(const wchar_t* name);  // beside the test program
using vostarel::testing::ReadWholeFile;
using vostarel::testing::RunCommand;

// One registry value as stored: type and bytes.
struct StoredValue {
  DWORD Type = REG_NONE;
  std::vector<BYTE> Bytes;
  bool operator==(const StoredValue&) const = default;
};
using KeyValues = std::map<std::wstring, StoredValue>;

// Every value of root\subkey (none when the key is missing).
KeyValues ReadAllValues(HKEY root, const std::wstring& subkey);
// Makes root\subkey hold exactly `values` (creating the key).
void WriteAllValues(HKEY root, const std::wstring& subkey, const KeyValues& values);
std::string Describe(const KeyValues& values);

StoredValue Text(const std::wstring& text);  // REG_SZ, terminator counted
StoredValue Number(DWORD value);             // REG_DWORD

// Keeps the values of one key for the scope and puts them back at its end.
class KeySnapshot {
 public:
  KeySnapshot(HKEY root, std::wstring subkey);
  KeySnapshot(const KeySnapshot&) = delete;
  KeySnapshot& operator=(const KeySnapshot&) = delete;
  ~KeySnapshot();

 private:
  HKEY root_;
  std::wstring subkey_;
  KeyValues values_;
};

// Wine's system version for one program name, for the scope.
class ScopedWineVersion {
 public:
  ScopedWineVersion(const std::wstring& exeName, const std::wstring& version);
  ~ScopedWineVersion();

 private:
  std::wstring subkey_;
  KeySnapshot snapshot_;
};

// The two registration rows as the phone application reads them.
struct Row {
  HKEY Root;
  const wchar_t* Subkey;
  const wchar_t* PathValue;
  const wchar_t* FlagValue;
  const wchar_t* WineVersion;  // the version mode that picks this row
  bool Version5;
};
inline const Row kOlderRow{HKEY_CURRENT_USER, L"ControlPanel\\Phone", L"DialpadDll",
                               L"DialpadWndPrc", L"nt40", false};
inline const Row kVersion5Row{HKEY_LOCAL_MACHINE, L"Security\\Phone\\Skin", L"Ext", L"Enabled",
                                  L"winxp", true};

}  // namespace vostarel::registration_test
