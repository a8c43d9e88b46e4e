#include "phone_run.h"

#include <sstream>

namespace vostarel::testing {

namespace {
constexpr wchar_t kOldRowKey[] = L"ControlPanel\\Phone";
constexpr wchar_t kNewRowKey[] = L"Security\\Phone\\Skin";
}  // namespace

PhoneSetup::PhoneSetup(VersionMode mode, const std::wstring& exeName, const std::wstring& probePath,
                       std::optional<DWORD> settingsFlag)
    : version_(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\" + exeName, L"Version"),
      oldRowPath_(HKEY_CURRENT_USER, kOldRowKey, L"DialpadDll"),
      oldRowFlag_(HKEY_CURRENT_USER, kOldRowKey, L"DialpadWndPrc"),
      newRowPath_(HKEY_LOCAL_MACHINE, kNewRowKey, L"Ext"),
      newRowFlag_(HKEY_LOCAL_MACHINE, kNewRowKey, L"Enabled"),
      flag_(HKEY_CURRENT_USER, L"Software\\Vostarel", L"Flag") {
  version_.SetString(WineVersionName(mode));
  if (settingsFlag) flag_.SetDword(*settingsFlag);
  if (IsVersion5(mode)) {
    newRowPath_.SetString(probePath);
    newRowFlag_.SetDword(1);
  } else {
    // Flag 0: the probe has no dial-pad window procedure to call.
    oldRowPath_.SetString(probePath);
    oldRowFlag_.SetDword(0);
  }
}

PhoneProcess::PhoneProcess(const std::wstring& exePath, const std::wstring& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exePath + L"\" " + arguments;
  PROCESS_INFORMATION info{};
  if (CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &startup, &info)) {
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    CloseHandle(info.hThread);
  }
}

PhoneProcess::~PhoneProcess() { Finish(5000); }

HWND PhoneProcess::WaitForDialer(DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  while (process_ != nullptr && GetTickCount() - start < timeoutMs) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"Dialer", nullptr)) != nullptr) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == processId_ && IsWindowVisible(window)) return window;
    }
    if (WaitForSingleObject(process_, 20) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

DWORD PhoneProcess::Finish(DWORD timeoutMs) {
  DWORD code = static_cast<DWORD>(-1);
  if (process_ == nullptr) return code;
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) TerminateProcess(process_, 99);
  WaitForSingleObject(process_, INFINITE);
  GetExitCodeProcess(process_, &code);
  CloseHandle(process_);
  process_ = nullptr;
  return code;
}

ProbeLog::ProbeLog(const std::wstring& path) : lines_(SplitLines(ReadWholeFile(path))) {}

std::vector<std::string> ProbeLog::Starting(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : lines_) {
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  }
  return found;
}

long long ProbeLog::Number(const std::string& prefix) const {
  const std::vector<std::string> found = Starting(prefix);
  if (found.empty()) return -1;
  try {
    return std::stoll(found.front().substr(prefix.size()));
  } catch (...) {
    return -1;
  }
}

std::string ProbeLog::All() const {
  std::string text;
  for (const std::string& line : lines_) text += "  " + line + "\n";
  return text;
}

int ZOrderIndex(const ProbeLog& log, const std::string& label) {
  const std::vector<std::string> lines = log.Starting("zorder");
  if (lines.empty()) return -1;
  std::istringstream words(lines.front());
  std::string word;
  words >> word;  // "zorder"
  for (int index = 0; words >> word; ++index) {
    if (word == label) return index;
  }
  return -1;
}

}  // namespace vostarel::testing
