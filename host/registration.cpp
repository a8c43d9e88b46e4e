#include "registration.h"

#include <optional>
#include <string>
#include <vector>

#include "dictionary_path.h"
#include "process_values.h"
#include "settings_store.h"
#include "win_text.h"
#include "window_search.h"

namespace vostarel {
namespace {

const RegistrationRow kOlderRow{HKEY_CURRENT_USER, L"ControlPanel\\Phone", L"DialpadDll",
                                    L"DialpadWndPrc"};
const RegistrationRow kVersion5Row{HKEY_LOCAL_MACHINE, L"Security\\Phone\\Skin", L"Ext",
                                       L"Enabled"};

// Another extension's path is read whole, however long, so that it can
// always be backed up and put back as it was; a value is never dropped
// because it did not fit a path buffer.
constexpr size_t kStoredPathCapacity = 32768;

std::optional<std::u16string> ReadPath(const RegistryKey& key, const wchar_t* name) {
  std::vector<wchar_t> buffer(kStoredPathCapacity);
  size_t length = 0;
  // An empty text counts as no path at all (the row's reader needs at least
  // one unit and the terminator).
  if (!key.ReadString(name, buffer.data(), buffer.size(), &length) || length == 0) {
    return std::nullopt;
  }
  return std::u16string(AsUtf16(buffer.data()), length);
}

std::optional<uint32_t> ReadFlag(const RegistryKey& key, const wchar_t* name) {
  // Two different defaults tell a missing (or malformed) value apart from
  // one that holds either of them.
  const DWORD first = key.ReadDword(name, 0);
  if (first != 0) return first;
  if (key.ReadDword(name, 1) == 0) return 0u;
  return std::nullopt;
}

bool Store(const RegistryKey& key, const wchar_t* name, const std::optional<std::u16string>& before,
           const std::optional<std::u16string>& after) {
  if (before == after) return true;
  return after ? key.WriteString(name, AsWide(after->c_str())) : key.DeleteValue(name);
}

bool Store(const RegistryKey& key, const wchar_t* name, const std::optional<uint32_t>& before,
           const std::optional<uint32_t>& after) {
  if (before == after) return true;
  return after ? key.WriteDword(name, *after) : key.DeleteValue(name);
}

// This library's own full path; empty when it cannot be had whole.
std::u16string OwnPath() {
  wchar_t path[kPathCapacity] = {};
  const DWORD length = GetModuleFileNameW(g_moduleInstance, path, kPathCapacity);
  if (length == 0 || length >= kPathCapacity) return {};
  return std::u16string(AsUtf16(path), length);
}

// Ends one running phone application so that its next start loads the
// extension the row names now.
void EndPhoneApplication() {
  EnumWindows(WindowSearchProc, static_cast<LPARAM>(kSearchTerminate));
}

}  // namespace

const RegistrationRow& CurrentRegistrationRow() { return g_version5 ? kVersion5Row : kOlderRow; }

RowValues ReadRowValues(const RegistryKey& key, const RegistrationRow& row) {
  RowValues values;
  values.Path = ReadPath(key, row.PathValue);
  values.Flag = ReadFlag(key, row.FlagValue);
  values.PathBackup = ReadPath(key, kPathBackupValue);
  values.FlagBackup = ReadFlag(key, kFlagBackupValue);
  return values;
}

void RegisterExtension() {
  const std::u16string ownPath = OwnPath();
  if (!ownPath.empty()) {
    const RegistrationRow& row = CurrentRegistrationRow();
    const RegistryKey key(row.Root, row.Subkey, KEY_ALL_ACCESS);
    const RowValues before = ReadRowValues(key, row);
    const RowValues after = RowAfterRegister(before, ownPath, g_version5);
    // The backup is written first, and the previous extension is replaced
    // only once it is safe in the backup.
    Store(key, kPathBackupValue, before.PathBackup, after.PathBackup) &&
        Store(key, kFlagBackupValue, before.FlagBackup, after.FlagBackup) &&
        Store(key, row.FlagValue, before.Flag, after.Flag) &&
        Store(key, row.PathValue, before.Path, after.Path);
  }
  EndPhoneApplication();
}

void UnregisterExtension() {
  {
    const RegistrationRow& row = CurrentRegistrationRow();
    const RegistryKey key(row.Root, row.Subkey, KEY_ALL_ACCESS);
    const RowValues before = ReadRowValues(key, row);
    const RowValues after = RowAfterUnregister(before);
    // The backup is dropped only once the extension it held is back.
    Store(key, row.PathValue, before.Path, after.Path) &&
        Store(key, row.FlagValue, before.Flag, after.Flag) &&
        Store(key, kPathBackupValue, before.PathBackup, after.PathBackup) &&
        Store(key, kFlagBackupValue, before.FlagBackup, after.FlagBackup);
  }
  // The settings key has no subkeys of its own, but whatever was put under
  // it goes with it.
  DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKeyPath);
  EndPhoneApplication();
}

}  // namespace vostarel
