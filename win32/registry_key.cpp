#include "registry_key.h"

#include <cstring>
#include <cwchar>
#include <memory>
#include <new>
#include <string>

namespace vostarel {

RegistryKey::RegistryKey(HKEY root, const wchar_t* subkey, REGSAM access) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExW(root, subkey, 0, nullptr, 0, access, nullptr, &key, &disposition) ==
      ERROR_SUCCESS) {
    key_.Reset(key);
  }
}

DWORD RegistryKey::ReadDword(const wchar_t* name, DWORD defaultValue) const {
  if (!key_) return defaultValue;
  DWORD type = REG_NONE;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExW(key_.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
      ERROR_SUCCESS) {
    return defaultValue;
  }
  if ((type != REG_DWORD && type != REG_BINARY) || size != sizeof value) return defaultValue;
  return value;
}

bool RegistryKey::ReadBinary(const wchar_t* name, void* buffer, DWORD size,
                             DWORD* bytesRead) const {
  if (bytesRead != nullptr) *bytesRead = 0;
  if (!key_ || buffer == nullptr) return false;
  // The registry may fill a too-small buffer partly before it reports that
  // the value does not fit, so the value is read aside and copied only when
  // it fits whole.
  BYTE local[512];
  std::unique_ptr<BYTE[]> heap;
  BYTE* aside = local;
  if (size > sizeof local) {
    heap.reset(new (std::nothrow) BYTE[size]);
    if (!heap) return false;
    aside = heap.get();
  }
  DWORD type = REG_NONE;
  DWORD got = size;
  if (RegQueryValueExW(key_.Get(), name, nullptr, &type, aside, &got) != ERROR_SUCCESS) return false;
  if (got > size) return false;
  std::memcpy(buffer, aside, got);
  if (bytesRead != nullptr) *bytesRead = got;
  return true;
}

bool RegistryKey::ReadString(const wchar_t* name, wchar_t* buffer, size_t capacity,
                             size_t* length) const {
  if (length != nullptr) *length = 0;
  if (buffer == nullptr || capacity == 0) return false;
  buffer[0] = 0;
  if (!key_) return false;

  // The registry's byte count is a DWORD; a larger buffer is used only up to
  // what it can count.
  const size_t maxUnits = MAXDWORD / sizeof(wchar_t);
  const size_t units = capacity < maxUnits ? capacity : maxUnits;
  DWORD type = REG_NONE;
  DWORD bytes = static_cast<DWORD>(units * sizeof(wchar_t));
  const LSTATUS status =
      RegQueryValueExW(key_.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) ||
      bytes > units * sizeof(wchar_t)) {
    buffer[0] = 0;
    return false;
  }

  // Stored texts need not carry their terminator, and their byte size may
  // be odd: the text is the whole units read, up to the first zero unit.
  const size_t stored = bytes / sizeof(wchar_t);
  size_t textLength = 0;
  while (textLength < stored && buffer[textLength] != 0) ++textLength;
  if (textLength >= capacity) {
    // Every unit of the buffer is text: there is no room for a terminator.
    buffer[0] = 0;
    return false;
  }
  buffer[textLength] = 0;
  if (length != nullptr) *length = textLength;
  return true;
}

bool RegistryKey::WriteString(const wchar_t* name, const wchar_t* text) const {
  if (!key_) return false;
  if (text == nullptr) text = L"";
  const size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
  if (bytes > MAXDWORD) return false;
  return RegSetValueExW(key_.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>(bytes)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const wchar_t* name, DWORD value) const {
  if (!key_) return false;
  return RegSetValueExW(key_.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::WriteBinary(const wchar_t* name, const void* data, DWORD size) const {
  if (!key_ || (data == nullptr && size != 0)) return false;
  return RegSetValueExW(key_.Get(), name, 0, REG_BINARY, static_cast<const BYTE*>(data), size) ==
         ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const wchar_t* name) const {
  if (!key_) return false;
  const LSTATUS status = RegDeleteValueW(key_.Get(), name);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool DeleteKeyTree(HKEY root, const wchar_t* subkey) {
  if (subkey == nullptr || subkey[0] == 0) return false;  // never the root itself
  // Walks down to a key without subkeys and deletes it, then goes back up
  // one level, until the top key is gone: no recursion, so no depth of the
  // tree can exhaust the stack. Every step either deletes a key or goes one
  // level deeper, so the walk ends.
  const std::wstring top = subkey;
  std::wstring path = top;
  for (;;) {
    const LSTATUS deleted = RegDeleteKeyW(root, path.c_str());
    if (deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND) {
      if (path.size() == top.size()) return true;
      path.resize(path.rfind(L'\\'));
      continue;
    }
    // Not deleted: it has subkeys (the desktop deletes only a key without
    // any); take the first one.
    RegistryKeyHandle key;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &opened) != ERROR_SUCCESS) {
      return false;
    }
    key.Reset(opened);
    wchar_t name[256];  // the longest key name the registry allows, and a terminator
    DWORD length = 256;
    if (RegEnumKeyExW(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      return false;  // no subkey, and still not deletable
    }
    path.append(1, L'\\').append(name, length);
  }
}

}  // namespace vostarel
