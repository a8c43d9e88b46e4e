#include "cprog_run.h"

#include <shellapi.h>

#include <thread>

namespace cprog_test {
CprogProcess::CprogProcess(const std::wstring& arguments, Input input) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE outputWrite = nullptr;
  if (!CreatePipe(&outputRead_, &outputWrite, &inherit, 0)) return;
  SetHandleInformation(outputRead_, HANDLE_FLAG_INHERIT, 0);
  HANDLE inputRead = nullptr;
  HANDLE errorsWrite = nullptr;
  if (input == Input::kPiped) {
    if (!CreatePipe(&inputRead, &inputWrite_, &inherit, 0) ||
        !CreatePipe(&errorsRead_, &errorsWrite, &inherit, 0)) {
      return;
    }
    SetHandleInformation(inputWrite_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errorsRead_, HANDLE_FLAG_INHERIT, 0);
  }

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = outputWrite;
  startup.hStdError = errorsWrite != nullptr ? errorsWrite : GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = inputRead != nullptr ? inputRead : GetStdHandle(STD_INPUT_HANDLE);
  const std::wstring exe = BinFolder() + L"\\cprog.exe";
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  PROCESS_INFORMATION info{};
  if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &info)) {
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    CloseHandle(info.hThread);
  }
  CloseHandle(outputWrite);
  for (HANDLE childEnd : {inputRead, errorsWrite}) {
    if (childEnd != nullptr) CloseHandle(childEnd);
  }
  // With piped input the answers are read line by line by Ask(); otherwise
  // all along, so that a child writing much never blocks on the pipe.
  if (input == Input::kInherited) StartReader();
}

void CprogProcess::StartReader() {
  reader_ = CreateThread(
      nullptr, 0,
      [](void* self) WINAPI -> DWORD {
        static_cast<CprogProcess*>(self)->ReadOutput();
        return 0;
      },
      this, 0, nullptr);
}

std::string CprogProcess::Ask(const std::string& keys) {
  const std::string line = keys + "\n";
  DWORD written = 0;
  if (inputWrite_ == nullptr ||
      !WriteFile(inputWrite_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) {
    return {};
  }
  std::string answer;
  char c = 0;
  DWORD read = 0;
  while (ReadFile(outputRead_, &c, 1, &read, nullptr) && read == 1) {
    answer.push_back(c);
    if (answer == "end\n" || (answer.size() > 4 && answer.compare(answer.size() - 5, 5, "\nend\n") == 0)) {
      output_ += answer;
      return answer;
    }
  }
  output_ += answer;
  return {};
}

void CprogProcess::CloseInput() {
  if (inputWrite_ != nullptr) CloseHandle(inputWrite_);
  inputWrite_ = nullptr;
  if (reader_ == nullptr) StartReader();
}

void CprogProcess::ReadOutput() {
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(outputRead_, buffer, sizeof(buffer), &read, nullptr) && read > 0) output_.append(buffer, read);
}

CprogProcess::~CprogProcess() {
  CloseInput();
  Finish(5000);
}

HWND CprogProcess::WaitForDialer(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"Dialer", nullptr)) != nullptr) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == processId_ && IsWindowVisible(window)) return window;
    }
    if (process_ == nullptr || WaitForSingleObject(process_, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

bool CprogProcess::WaitForKeysPlayed(HWND dialer, DWORD timeoutMs) {
  // The property cprog puts on its dialer window after the last key.
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if (GetPropW(dialer, L"cprog.KeysPlayed") != nullptr) return true;
    if (process_ == nullptr || WaitForSingleObject(process_, 20) == WAIT_OBJECT_0) return false;
  }
  return false;
}

void CprogProcess::Quit(HWND dialer) {
  if (dialer != nullptr) PostThreadMessageW(GetWindowThreadProcessId(dialer, nullptr), WM_QUIT, 0, 0);
}

DWORD CprogProcess::Finish(DWORD timeoutMs) {
  CloseInput();
  DWORD code = static_cast<DWORD>(-1);
  if (process_ != nullptr) {
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) TerminateProcess(process_, 99);
    WaitForSingleObject(process_, INFINITE);
    GetExitCodeProcess(process_, &code);
    CloseHandle(process_);
    process_ = nullptr;
  }
  if (reader_ != nullptr) {
    WaitForSingleObject(reader_, 10000);
    CloseHandle(reader_);
    reader_ = nullptr;
  }
  if (outputRead_ != nullptr) {
    CloseHandle(outputRead_);
    outputRead_ = nullptr;
  }
  if (errorsRead_ != nullptr) {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(errorsRead_, buffer, sizeof(buffer), &read, nullptr) && read > 0) errors_.append(buffer, read);
    CloseHandle(errorsRead_);
    errorsRead_ = nullptr;
  }
  return code;
}

std::string RunCprog(const std::wstring& arguments, DWORD* exitCode) {
  CprogProcess process(arguments);
  const DWORD code = process.Finish();
  if (exitCode != nullptr) *exitCode = code;
  return process.Output();
}

namespace {
constexpr wchar_t kOldRowKey[] = L"ControlPanel\\Phone";
constexpr wchar_t kNewRowKey[] = L"Security\\Phone\\Skin";
}  // namespace

CprogSetup::CprogSetup(VersionMode mode)
    : mode_(mode),
      version_(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\cprog.exe", L"Version"),
      unmanaged_(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\cprog.exe\\X11 Driver", L"Managed"),
      oldPath_(HKEY_CURRENT_USER, kOldRowKey, L"DialpadDll"),
      oldFlag_(HKEY_CURRENT_USER, kOldRowKey, L"DialpadWndPrc"),
      newPath_(HKEY_LOCAL_MACHINE, kNewRowKey, L"Ext"),
      newFlag_(HKEY_LOCAL_MACHINE, kNewRowKey, L"Enabled"),
      deviceData_(L"DEVICE_DATA_DIR", folder_.Path()),
      log_(L"VOSTAREL_TEST_EXTENSION_LOG", folder_.File(L"extension.log")) {
  version_.SetString(WineVersionName(mode));
  // Without a window manager, Wine waits about two seconds for one whenever
  // a managed window goes away; the tests' dialers are left unmanaged.
  unmanaged_.SetString(L"N");
}

void CprogSetup::RegisterTestExtension(bool otherRow, DWORD flag) {
  const std::wstring path = BinFolder() + L"\\test_extension.dll";
  if (IsVersion5(mode_) != otherRow) {
    newPath_.SetString(path);
    newFlag_.SetDword(flag);
  } else {
    oldPath_.SetString(path);
    oldFlag_.SetDword(flag);
  }
}

int FindLine(const std::vector<std::string>& lines, const std::string& line, int from) {
  for (size_t i = static_cast<size_t>(from); i < lines.size(); ++i) {
    if (lines[i] == line) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace cprog_test
