// One open registry key, closed when the holder goes away. Used by the
// settings store, the settings pages and registration; and the deletion of
// a key with everything under it.
//
// Every read treats the stored value as outside input: it never writes past
// the buffer it is given, and a value that is missing, of the wrong kind or
// too large for the buffer makes the read fail with the caller's buffer left
// as described at each function.
#pragma once

#include <windows.h>

#include <cstddef>

#include "holders.h"

namespace vostarel {

class RegistryKey {
 public:
  // Opens root\subkey with `access`, creating the key (empty) when it is
  // missing. Get() is null when that fails; every read on such a holder
  // fails and every write and delete does nothing.
  RegistryKey(HKEY root, const wchar_t* subkey, REGSAM access = KEY_ALL_ACCESS);
  HKEY Get() const { return key_.Get(); }
  bool IsOpen() const { return key_.Valid(); }

  // The value as a 32-bit number: it must be REG_DWORD or REG_BINARY and
  // exactly 4 bytes long. Anything else (missing, shorter, longer, a text)
  // gives `defaultValue`, so a malformed value never mixes stored bytes with
  // the default.
  DWORD ReadDword(const wchar_t* name, DWORD defaultValue) const;

  // Reads the value's bytes, whatever its type, into `buffer`. Fails when
  // the value is missing or holds more than `size` bytes; `buffer` is then
  // unchanged. On success the first *bytesRead bytes are the value's and the
  // rest of `buffer` is unchanged.
  bool ReadBinary(const wchar_t* name, void* buffer, DWORD size,
                  DWORD* bytesRead = nullptr) const;

  // Reads a REG_SZ or REG_EXPAND_SZ value (not expanded) into `buffer` of
  // `capacity` units, terminator included. The text ends at its first zero
  // unit; an odd last byte is dropped and a missing terminator is supplied.
  // Fails when the value is missing, is not a text, or its text does not
  // fit in capacity - 1 units. On success *length (when given) is the text's
  // length in units; on failure the buffer holds the empty text. The buffer
  // is always terminated when capacity is at least 1.
  bool ReadString(const wchar_t* name, wchar_t* buffer, size_t capacity,
                  size_t* length = nullptr) const;

  // Writes `text` as REG_SZ, its byte size counting the terminator.
  bool WriteString(const wchar_t* name, const wchar_t* text) const;
  bool WriteDword(const wchar_t* name, DWORD value) const;
  bool WriteBinary(const wchar_t* name, const void* data, DWORD size) const;
  // True when the value is gone afterwards (also when it never existed).
  bool DeleteValue(const wchar_t* name) const;

 private:
  RegistryKeyHandle key_;
};

// Deletes root\subkey with all its subkeys and values, deepest first, with
// the calls the device has (RegEnumKeyExW, RegDeleteKeyW). True when the key
// is gone afterwards (also when it never existed).
bool DeleteKeyTree(HKEY root, const wchar_t* subkey);

}  // namespace vostarel
