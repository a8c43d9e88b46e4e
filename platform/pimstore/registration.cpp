// Self-registration for regsvr32: CLSID_Application as an in-process server
// at this DLL's path, usable from both apartment models so that a
// multithreaded caller gets its objects directly, without marshalling.
#include <olectl.h>

#include <string>

#include "device_folder.h"
#include "holders.h"
#include "module.h"

namespace {

constexpr const wchar_t* kClassKey = L"CLSID\\{05058F23-20BE-11D2-8F18-0000F87A4335}";
constexpr const wchar_t* kClassName = L"Address book application (stand-in)";

bool SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        bytes) == ERROR_SUCCESS;
}

bool CreateKey(HKEY parent, const wchar_t* path, vostarel::RegistryKeyHandle* key) {
  return RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                         key->Receive(), nullptr) == ERROR_SUCCESS;
}

}  // namespace

STDAPI DllRegisterServer(void) {
  using vostarel::RegistryKeyHandle;
  const std::wstring path = vostarel::platform::ModulePath(vostarel::pimstore::ModuleInstance());
  if (path.empty()) return SELFREG_E_CLASS;
  RegistryKeyHandle classKey;
  RegistryKeyHandle serverKey;
  const bool ok = CreateKey(HKEY_CLASSES_ROOT, kClassKey, &classKey) &&
                  SetString(classKey.Get(), nullptr, kClassName) &&
                  CreateKey(classKey.Get(), L"InprocServer32", &serverKey) &&
                  SetString(serverKey.Get(), nullptr, path) &&
                  SetString(serverKey.Get(), L"ThreadingModel", L"Both");
  return ok ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer(void) {
  const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey);
  return (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) ? S_OK : SELFREG_E_CLASS;
}
