#include "overlay_run.h"

namespace overlay_test {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Vostarel";

bool ReadsNewRow(VersionMode mode) { return cprog_test::IsVersion5(mode); }

}  // namespace

std::string Printed::Value(const std::string& key) const {
  const std::string prefix = key + ": ";
  for (const std::string& line : lines) {
    if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
  }
  return "";
}

std::vector<std::string> Printed::All(const std::string& key) const {
  const std::string prefix = key + ": ";
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
  }
  return found;
}

std::string Printed::Text() const {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

OverlayRun::OverlayRun(VersionMode mode)
    : setup_(mode),
      path_(ReadsNewRow(mode) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
            ReadsNewRow(mode) ? L"Security\\Phone\\Skin" : L"ControlPanel\\Phone",
            ReadsNewRow(mode) ? L"Ext" : L"DialpadDll"),
      enabled_(ReadsNewRow(mode) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
               ReadsNewRow(mode) ? L"Security\\Phone\\Skin" : L"ControlPanel\\Phone",
               ReadsNewRow(mode) ? L"Enabled" : L"DialpadWndPrc"),
      flag_(HKEY_CURRENT_USER, kSettingsKey, L"Flag"),
      keyMap_(HKEY_CURRENT_USER, kSettingsKey, L"KeyMap"),
      posSize_(HKEY_CURRENT_USER, kSettingsKey, L"PosSize") {
  path_.SetString(cprog_test::BinFolder() + L"\\Vostarel.dll");
  enabled_.SetDword(1);
  for (int i = 0; i < 10; ++i) {
    commands_.push_back(std::make_unique<cprog_test::ScopedRegistryValue>(
        HKEY_CURRENT_USER, kSettingsKey, L"Menu" + std::to_wstring(i)));
  }
  WriteDeviceFile(L"contacts.vcf", "");
  WriteDeviceFile(L"sim.txt", "");
  WriteDeviceFile(L"calllog.txt", "");
}

void OverlayRun::SetFlag(DWORD flag) { flag_.SetDword(flag); }

void OverlayRun::SetKeyMap(const std::vector<BYTE>& pairs) {
  keyMap_.SetBinary(pairs.data(), static_cast<DWORD>(pairs.size()));
}

void OverlayRun::SetPosSize(const std::vector<int32_t>& values) {
  posSize_.SetBinary(values.data(), static_cast<DWORD>(values.size() * sizeof(int32_t)));
}

void OverlayRun::SetCommand(int index, const std::wstring& text) {
  commands_[static_cast<size_t>(index)]->SetString(text);
}

void OverlayRun::SetLibrary(const std::wstring& path) { path_.SetString(path); }

void OverlayRun::WriteDeviceFile(const std::wstring& name, const std::string& bytes) const {
  cprog_test::WriteWholeFile(setup_.DeviceFile(name), bytes);
}

Printed OverlayRun::Run(const std::wstring& keys, DWORD* exitCode) const {
  DWORD code = 0;
  const std::string output = cprog_test::RunCprog(L"--keys \"" + keys + L"\" --print", &code);
  if (exitCode != nullptr) *exitCode = code;
  Printed printed{cprog_test::SplitLines(output)};
  // A phone that printed nothing did not start or ended early; the failing
  // check's message then says how it ended instead of showing nothing.
  if (printed.lines.empty()) {
    printed.lines.push_back("(cprog printed nothing; exit code " + std::to_string(code) + ")");
  }
  return printed;
}

std::string ModeName(VersionMode mode) {
  const std::wstring name = cprog_test::WineVersionName(mode);
  return std::string(name.begin(), name.end());
}

bool SettleWhen(HWND dialer, const std::function<bool()>& done) {
  for (int i = 0; dialer != nullptr && i < 500; ++i) {
    if (done()) return SendMessageTimeoutW(dialer, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr) != 0;
    Sleep(20);
  }
  return false;
}

}  // namespace overlay_test

namespace overlay_test {

int RegisterAddressBook() {
  static const int exitCode = [] {
    std::wstring line = L"regsvr32.exe /s \"" + cprog_test::BinFolder() + L"\\pimstore.dll\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      return -1;
    }
    CloseHandle(process.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
  }();
  return exitCode;
}

}  // namespace overlay_test
