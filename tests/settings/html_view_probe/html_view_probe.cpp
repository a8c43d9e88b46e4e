// A stand-in for the platform's HTML viewer library, copied beside the test
// program as HtmlView.dll by the one test that wants it. Its
// InitHTMLControl reports the module instance it was given through an
// environment variable of the process, which outlives the library.
#include <windows.h>

#include <cwchar>

extern "C" __declspec(dllexport) BOOL WINAPI InitHTMLControl(HINSTANCE instance) {
  wchar_t text[32] = {};
  std::swprintf(text, 32, L"%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(instance)));
  SetEnvironmentVariableW(L"VOSTAREL_HTMLVIEW_INIT", text);
  return TRUE;
}
