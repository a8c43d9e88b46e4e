// The settings in the registry: key Software\Vostarel under
// HKEY_CURRENT_USER. LoadSettings fills the in-memory settings once at
// library load; the writers are what the settings sheet saves on apply.
//
// Every access opens the key with all access (creating it, empty, when it
// is missing) and closes it before returning. Failures are silent: a read
// that fails leaves the default, a write that fails leaves the previous
// registry value.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "name_speller.h"
#include "settings.h"

namespace vostarel {

inline constexpr wchar_t kSettingsKeyPath[] = L"Software\\Vostarel";

// Fills every field of `settings` and the speller's TTable from the
// registry, with defaults for what is missing or unreadable:
// - Flag (exactly 4 bytes, REG_DWORD or REG_BINARY), else 0x7717B;
// - TTable (same), 0 when missing or not 0..2;
// - OrderByCalls (same): the people called most first when it holds 1, the
//   stores' order otherwise;
// - KeyMap and PosSize: zeroed, then the stored bytes when they fit (a
//   shorter value leaves the rest zero, a longer one is not read);
// - the commands from Menu0 upward when Menu0 holds text, otherwise the
//   built-in commands, strings 819.. of `module`. Reading stops at the
//   first value that is missing, not a text, empty or over 259 units; an
//   entry whose text does not parse stays empty (see ParseCommandText);
// - the row height from the small-icon height plus 4.
void LoadSettings(Settings& settings, NameSpeller& speller, HINSTANCE module);

// The General page's save: Flag as REG_DWORD.
bool WriteFlag(uint32_t flags);
// The settings sheet's save of one of its choices that lasts as a REG_DWORD
// of its own, such as TTable (settings/sheet/sheet_choices.h).
bool WriteChoice(const wchar_t* name, int32_t value);
// The Position page's save: PosSize as 32 bytes of REG_BINARY.
bool WritePosSize(const PosSize& placement);
// The Commands page's save: commands[0..count) (at most ten) as Menu0
// upward in the text form, then, when fewer than ten were written, the next
// Menu value as the empty text, which ends the list at the next load.
// Values after that one are left as they are. Returns false when any write
// failed.
bool WriteCommands(const MenuCommand* commands, size_t count);

}  // namespace vostarel
