// Stands in for the mail program and the browser that a followed link of the
// About page would start: the shell runs it with the link's target, and it
// writes that target (UTF-8) into a new numbered file, 1.txt, 2.txt, ..., of
// the folder that ABOUT_TEST_FOLLOWED names. Files made with CREATE_NEW keep
// every target even when two copies run at once.
#include <windows.h>
#include <shellapi.h>

#include <string>

int main() {
  wchar_t folder[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"ABOUT_TEST_FOLLOWED", folder, MAX_PATH) == 0) return 1;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc < 2) return 1;
  char target[2048] = {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, target, sizeof target, nullptr, nullptr);
  LocalFree(argv);
  if (length <= 0) return 1;
  for (int n = 1; n < 1000; ++n) {
    const std::wstring path = std::wstring(folder) + L"\\" + std::to_wstring(n) + L".txt";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      return 1;
    }
    DWORD written = 0;
    WriteFile(file, target, static_cast<DWORD>(length - 1), &written, nullptr);
    CloseHandle(file);
    return 0;
  }
  return 1;
}
