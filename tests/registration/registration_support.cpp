#include "registration_support.h"

namespace vostarel::registration_test {

std::wstring BinFile(const wchar_t* name) { return vostarel::testing::BinFolder() + L"\\" + name; }

KeyValues ReadAllValues(HKEY root, const std::wstring& subkey) {
  KeyValues values;
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[16384];
    DWORD nameLength = 16384;
    DWORD type = 0;
    DWORD size = 0;
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
      break;
    }
    StoredValue value{type, std::vector<BYTE>(size)};
    nameLength = 16384;
    RegEnumValueW(key, index, name, &nameLength, nullptr, &type, value.Bytes.data(), &size);
    value.Bytes.resize(size);
    values[std::wstring(name, nameLength)] = value;
  }
  RegCloseKey(key);
  return values;
}

void WriteAllValues(HKEY root, const std::wstring& subkey, const KeyValues& values) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  for (const auto& [name, value] : ReadAllValues(root, subkey)) RegDeleteValueW(key, name.c_str());
  for (const auto& [name, value] : values) {
    RegSetValueExW(key, name.c_str(), 0, value.Type, value.Bytes.data(),
                   static_cast<DWORD>(value.Bytes.size()));
  }
  RegCloseKey(key);
}

std::string Describe(const KeyValues& values) {
  std::string text = "{";
  for (const auto& [name, value] : values) {
    text += " " + std::string(name.begin(), name.end()) + "=";
    if (value.Type == REG_DWORD && value.Bytes.size() == 4) {
      DWORD number = 0;
      memcpy(&number, value.Bytes.data(), 4);
      text += std::to_string(number);
    } else if (value.Type == REG_SZ) {
      text += "\"";
      for (size_t i = 0; i + 1 < value.Bytes.size(); i += 2) {
        const wchar_t unit = static_cast<wchar_t>(value.Bytes[i] | (value.Bytes[i + 1] << 8));
        text += unit == 0 ? std::string("\\0") : std::string(1, static_cast<char>(unit));
      }
      text += "\"(" + std::to_string(value.Bytes.size()) + " bytes)";
    } else {
      text += "type " + std::to_string(value.Type) + ", " + std::to_string(value.Bytes.size()) + " bytes";
    }
  }
  return text + " }";
}

StoredValue Text(const std::wstring& text) {
  const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return StoredValue{REG_SZ, std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t))};
}

StoredValue Number(DWORD value) {
  const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
  return StoredValue{REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof value)};
}

KeySnapshot::KeySnapshot(HKEY root, std::wstring subkey)
    : root_(root), subkey_(std::move(subkey)), values_(ReadAllValues(root_, subkey_)) {}

KeySnapshot::~KeySnapshot() { WriteAllValues(root_, subkey_, values_); }

ScopedWineVersion::ScopedWineVersion(const std::wstring& exeName, const std::wstring& version)
    : subkey_(L"Software\\Wine\\AppDefaults\\" + exeName), snapshot_(HKEY_CURRENT_USER, subkey_) {
  RegSetKeyValueW(HKEY_CURRENT_USER, subkey_.c_str(), L"Version", REG_SZ, version.c_str(),
                  static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
}

ScopedWineVersion::~ScopedWineVersion() = default;

}  // namespace vostarel::registration_test
