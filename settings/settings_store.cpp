#include "settings_store.h"

#include <cstring>

#include "command_text.h"
#include "registry_key.h"
#include "resource_ids.h"
#include "win_text.h"

namespace vostarel {

namespace {

// "Menu0" .. "Menu9".
struct MenuValueName {
  explicit MenuValueName(size_t index) {
    std::memcpy(text, L"Menu", 4 * sizeof(wchar_t));
    text[4] = static_cast<wchar_t>(L'0' + index % 10);
    text[5] = 0;
  }
  wchar_t text[6];
};

// Reads the command values, or the built-in strings when Menu0 holds no
// text, into `commands` (already empty). `buffer` is shared by every value:
// each read terminates what it leaves there, so no value is ever parsed
// together with the rest of an earlier, longer one.
void LoadCommands(const RegistryKey& key, HINSTANCE module, MenuCommand* commands) {
  wchar_t buffer[kCommandValueCapacity];
  size_t length = 0;
  const bool fromRegistry =
      key.ReadString(L"Menu0", buffer, kCommandValueCapacity, &length) && length > 0;

  for (size_t i = 0; i < kMenuCommandCount; ++i) {
    if (fromRegistry) {
      if (!key.ReadString(MenuValueName(i).text, buffer, kCommandValueCapacity, &length) ||
          length == 0) {
        break;
      }
    } else {
      // The built-in list has nine commands: string 828 does not exist, so
      // entry 9 stays empty.
      if (LoadStringW(module, IDS_BUILTIN_COMMAND_FIRST + static_cast<UINT>(i), buffer,
                      static_cast<int>(kCommandValueCapacity)) <= 0) {
        break;
      }
    }
    ParseCommandText(AsUtf16(buffer), commands[i]);
  }
}

}  // namespace

void LoadSettings(Settings& settings, NameSpeller& speller, HINSTANCE module) {
  // A key that cannot be opened makes every read below fail: all defaults.
  RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS);

  settings.Flags = key.ReadDword(L"Flag", SettingsFlags::kDefault);
  speller.TTable = SpellingTableFromStored(key.ReadDword(L"TTable", 0));
  speller.Keypad = KoreanKeypadFromStored(key.ReadDword(L"KoreanKeypad", 0));
  settings.Order = ListOrderFromStored(key.ReadDword(L"OrderByCalls", 0));

  std::memset(&settings.Keys, 0, sizeof settings.Keys);
  key.ReadBinary(L"KeyMap", settings.Keys.Bytes, sizeof settings.Keys.Bytes);

  std::memset(&settings.Placement, 0, sizeof settings.Placement);
  key.ReadBinary(L"PosSize", settings.Placement.Values, sizeof settings.Placement.Values);

  for (MenuCommand& entry : settings.Commands) ClearCommand(entry);
  LoadCommands(key, module, settings.Commands);

  settings.RowHeight = GetSystemMetrics(SM_CYSMICON) + 4;
}

bool WriteFlag(uint32_t flags) {
  RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS);
  return key.WriteDword(L"Flag", flags);
}

bool WriteChoice(const wchar_t* name, int32_t value) {
  RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS);
  return key.WriteDword(name, static_cast<DWORD>(value));
}

bool WritePosSize(const PosSize& placement) {
  RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS);
  return key.WriteBinary(L"PosSize", placement.Values, sizeof placement.Values);
}

bool WriteCommands(const MenuCommand* commands, size_t count) {
  RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_ALL_ACCESS);
  if (count > kMenuCommandCount) count = kMenuCommandCount;
  bool written = true;
  char16_t text[kCommandValueCapacity];
  for (size_t i = 0; i < count; ++i) {
    FormatCommandText(commands[i], text, kCommandValueCapacity);
    written = key.WriteString(MenuValueName(i).text, AsWide(text)) && written;
  }
  if (count < kMenuCommandCount) {
    written = key.WriteString(MenuValueName(count).text, L"") && written;
  }
  return written;
}

}  // namespace vostarel
