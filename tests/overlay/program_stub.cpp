// A program that stands in for the ones a command starts (the SIM
// programs): it leaves an empty file named after its own executable in the
// folder that OVERLAY_TEST_MARKS names, and exits at once.
#include <windows.h>

#include <string>

int main() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path = self;
  const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  wchar_t folder[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"OVERLAY_TEST_MARKS", folder, MAX_PATH) == 0) return 1;
  HANDLE mark = CreateFileW((std::wstring(folder) + L"\\" + name + L".mark").c_str(), GENERIC_WRITE, 0,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(mark);
  return 0;
}
