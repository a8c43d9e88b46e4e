#include "device_folder.h"

#include "holders.h"

namespace vostarel::platform {

std::wstring ModulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    // Cut to the buffer: try again with a larger one.
    if (path.size() >= 32768) return std::wstring();
    path.resize(path.size() * 2);
  }
}

std::wstring DeviceDataFolder() {
  const DWORD needed = GetEnvironmentVariableW(kDeviceDataDirVariable, nullptr, 0);
  if (needed > 1) {
    std::wstring folder(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(kDeviceDataDirVariable, folder.data(), needed);
    if (length > 0 && length < needed) {
      folder.resize(length);
      while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) {
        folder.pop_back();
      }
      if (!folder.empty()) return folder;
    }
  }
  std::wstring folder = ModulePath(nullptr);
  const size_t slash = folder.find_last_of(L"\\/");
  folder.resize(slash == std::wstring::npos ? 0 : slash);
  return folder + L"\\device";
}

std::wstring DeviceDataPath(const wchar_t* fileName) {
  return DeviceDataFolder() + L"\\" + fileName;
}

bool ReadFileBytes(const std::wstring& path, std::string* bytes) {
  bytes->clear();
  // Shared for deletion too, so that a writer's replace (WriteFileBytes)
  // does not fail while a reader has the file open.
  const KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || size.QuadPart > kMaxDeviceFileBytes) {
    return false;
  }
  bytes->resize(static_cast<size_t>(size.QuadPart));
  DWORD total = 0;
  while (total < bytes->size()) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes->data() + total, static_cast<DWORD>(bytes->size() - total),
                  &read, nullptr)) {
      bytes->clear();
      return false;
    }
    if (read == 0) break;  // the file shrank meanwhile: keep what was there
    total += read;
  }
  bytes->resize(total);
  return true;
}

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  if (bytes.size() > kMaxDeviceFileBytes) return false;
  const std::wstring temporary = path + L".new";
  {
    const KernelHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                              &written, nullptr) &&
                    written == bytes.size();
    if (!ok) {
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace vostarel::platform
