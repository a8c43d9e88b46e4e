// Installing and uninstalling the library as the phone application's
// dial-pad extension (DllRegisterServer / DllUnregisterServer), and reading
// the registration row that the chained-extension loader uses.
#pragma once

#include <windows.h>

#include "registration_rules.h"
#include "registry_key.h"

namespace vostarel {

// The row the phone application of this system version reads.
struct RegistrationRow {
  HKEY Root;
  const wchar_t* Subkey;
  const wchar_t* PathValue;
  const wchar_t* FlagValue;
};
const RegistrationRow& CurrentRegistrationRow();  // by the version-5 flag

inline constexpr wchar_t kPathBackupValue[] = L"VostarelPathBak";
inline constexpr wchar_t kFlagBackupValue[] = L"VostarelFlagBak";

// The row's four values as they are now in the open key.
RowValues ReadRowValues(const RegistryKey& key, const RegistrationRow& row);

// Writes the library's path into the row after backing up another
// extension, then ends the phone application so that it loads the library.
void RegisterExtension();
// Puts the backed-up extension back (or empties the row), deletes the
// settings key and ends the phone application.
void UnregisterExtension();

}  // namespace vostarel
