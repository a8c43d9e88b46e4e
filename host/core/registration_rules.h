// How installing and uninstalling the library changes the phone
// application's registration row, as plain values: what is backed up, which
// flag is written and what uninstalling puts back. Header-only and
// platform-free, so the native tests cover every starting state; the Win32
// side (registration.cpp) only reads the row into a RowValues, calls these
// and writes back the values that changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "matchers.h"

namespace vostarel {

// The product name that marks a path as this library's own, in any ASCII
// letter case. Also an older copy of the library counts as its own.
inline constexpr char16_t kOwnPathMarker[] = u"Vostarel";

// Whether an extension path is this library's own.
inline bool IsOwnExtensionPath(const std::u16string& path) {
  return FindTextIgnoringAsciiCase(path.c_str(), kOwnPathMarker) >= 0;
}

// The four values of one registration row's key. An absent path is a
// missing value or an empty text; an absent flag is a missing value or one
// that is not a 32-bit number.
struct RowValues {
  std::optional<std::u16string> Path;        // the row's path value
  std::optional<uint32_t> Flag;              // the row's flag value
  std::optional<std::u16string> PathBackup;  // "VostarelPathBak"
  std::optional<uint32_t> FlagBackup;        // "VostarelFlagBak"

  bool operator==(const RowValues&) const = default;
};

// The row after installing the library at `ownPath`. Another extension's
// path and flag (0 when it has none) go to the backup; a row that is empty
// or names this library already keeps the backup it has, so installing
// twice never loses the first one. The flag is 1 on version 5 or more; on
// older systems it is the dial-pad procedure's ordinal, 1, when an earlier
// extension is kept to chain to and 0 otherwise.
inline RowValues RowAfterRegister(const RowValues& before, const std::u16string& ownPath,
                                  bool version5) {
  RowValues after = before;
  if (before.Path && !IsOwnExtensionPath(*before.Path)) {
    after.PathBackup = before.Path;
    after.FlagBackup = before.Flag.value_or(0);
  }
  after.Flag = (version5 || after.PathBackup) ? 1u : 0u;
  after.Path = ownPath;
  return after;
}

// The row after uninstalling. When the row names this library (or nothing),
// the backed-up extension comes back with its flag (0 when the flag backup
// is missing), or, without a backup, the path and flag are removed. When
// the row names another extension, installed after this library, that
// extension stays registered: uninstalling this library must not unregister
// someone else's. The backup values are this library's and go in every case.
inline RowValues RowAfterUnregister(const RowValues& before) {
  RowValues after = before;
  after.PathBackup.reset();
  after.FlagBackup.reset();
  if (before.Path && !IsOwnExtensionPath(*before.Path)) return after;
  if (before.PathBackup) {
    after.Path = before.PathBackup;
    after.Flag = before.FlagBackup.value_or(0);
  } else {
    after.Path.reset();
    after.Flag.reset();
  }
  return after;
}

// The export ordinal of the chained extension's dial-pad procedure on older
// systems: the flag that extension had in the row before this library took
// its place, low 16 bits; 0 for none. (The row's own flag now holds this
// library's ordinal, which says nothing about the other library's exports.)
inline uint16_t ChainedDialpadOrdinal(const RowValues& row) {
  return static_cast<uint16_t>(row.FlagBackup.value_or(0) & 0xFFFFu);
}

// Whether the chained extension named by the backup should be loaded.
inline bool ShouldLoadChainedExtension(const RowValues& row) {
  return row.PathBackup && !IsOwnExtensionPath(*row.PathBackup);
}

}  // namespace vostarel
