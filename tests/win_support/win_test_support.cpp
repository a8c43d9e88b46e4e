#include "win_test_support.h"

void PrintTo(const RECT& rect, std::ostream* out) {
  *out << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
}

namespace vostarel::testing {

std::wstring BinFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/"));
}

std::string ReadWholeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

int RunCommand(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  DWORD exitCode = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process.hProcess, &exitCode)) {
    TerminateProcess(process.hProcess, 99);
    exitCode = static_cast<DWORD>(-1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, std::wstring subkey, std::wstring name)
    : root_(root), subkey_(std::move(subkey)), name_(std::move(name)) {
  DWORD size = 0;
  if (RegGetValueW(root_, subkey_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &oldType_,
                   nullptr, &size) == ERROR_SUCCESS) {
    oldData_.resize(size);
    hadValue_ = RegGetValueW(root_, subkey_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                             &oldType_, oldData_.data(), &size) == ERROR_SUCCESS;
    oldData_.resize(size);
  }
  RegDeleteKeyValueW(root_, subkey_.c_str(), name_.c_str());
}

ScopedRegistryValue::~ScopedRegistryValue() {
  if (hadValue_) {
    RegSetKeyValueW(root_, subkey_.c_str(), name_.c_str(), oldType_, oldData_.data(),
                    static_cast<DWORD>(oldData_.size()));
  } else {
    RegDeleteKeyValueW(root_, subkey_.c_str(), name_.c_str());
  }
}

void ScopedRegistryValue::SetString(const std::wstring& value) const {
  RegSetKeyValueW(root_, subkey_.c_str(), name_.c_str(), REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void ScopedRegistryValue::SetDword(DWORD value) const {
  RegSetKeyValueW(root_, subkey_.c_str(), name_.c_str(), REG_DWORD, &value, sizeof value);
}

void ScopedRegistryValue::SetBinary(const void* bytes, DWORD size) const {
  RegSetKeyValueW(root_, subkey_.c_str(), name_.c_str(), REG_BINARY, bytes, size);
}

ScopedEnvironment::ScopedEnvironment(std::wstring name, const std::wstring& value)
    : name_(std::move(name)) {
  wchar_t buffer[4096] = {};
  const DWORD length = GetEnvironmentVariableW(name_.c_str(), buffer, 4096);
  if (length > 0 && length < 4096) old_ = std::wstring(buffer, length);
  SetEnvironmentVariableW(name_.c_str(), value.empty() ? nullptr : value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
  SetEnvironmentVariableW(name_.c_str(), old_ ? old_->c_str() : nullptr);
}

TemporaryFolder::TemporaryFolder(const std::wstring& prefix) {
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  path_ = std::wstring(base) + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  CreateDirectoryW(path_.c_str(), nullptr);
}

TemporaryFolder::~TemporaryFolder() {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW(File(found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path_.c_str());
}

const wchar_t* WineVersionName(VersionMode mode) {
  switch (mode) {
    case VersionMode::kNt40: return L"nt40";
    case VersionMode::kWinXp: return L"winxp";
    case VersionMode::kWin2003: return L"win2003";
  }
  return L"";
}

bool IsVersion5(VersionMode mode) { return mode != VersionMode::kNt40; }
bool IsVersion52(VersionMode mode) { return mode == VersionMode::kWin2003; }

}  // namespace vostarel::testing
