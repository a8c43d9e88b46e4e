#include "extension_host.h"

#include <vector>

#include "holders.h"

namespace vostarel::cprog {
namespace {

constexpr UINT kNumberBufferUnits = 128;

std::wstring ReadString(HKEY key, const wchar_t* name) {
  wchar_t buffer[MAX_PATH] = {};
  DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
  // RRF_RT_REG_SZ takes REG_EXPAND_SZ too, expanded.
  if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, buffer, &bytes) !=
      ERROR_SUCCESS) {
    return {};
  }
  return buffer;
}

DWORD ReadDword(HKEY key, const wchar_t* name) {
  DWORD value = 0;
  DWORD bytes = sizeof(value);
  if (RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) != ERROR_SUCCESS) return 0;
  return value;
}

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool ExtensionHost::Load(const DialerProfile& profile) {
  const HKEY root = profile.version5 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  const wchar_t* subkey = profile.version5 ? L"Security\\Phone\\Skin" : L"ControlPanel\\Phone";
  RegistryKeyHandle key;
  if (RegOpenKeyExW(root, subkey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return false;
  const std::wstring path = ReadString(key.Get(), profile.version5 ? L"Ext" : L"DialpadDll");
  const DWORD flag = ReadDword(key.Get(), profile.version5 ? L"Enabled" : L"DialpadWndPrc");
  if (path.empty() || (profile.version5 && flag == 0)) return false;

  module_ = LoadLibraryW(path.c_str());
  if (module_ == nullptr) return false;
  if (profile.version5) {
    initialize_ = Export<PHExtInitializeFn>(module_, "PHExtInitialize");
    viewInfo_ = Export<PHExtGetPhoneViewInfoFn>(module_, "PHExtGetPhoneViewInfo");
    controlMetrics_ = Export<PHExtGetPhoneControlMetricsFn>(module_, "PHExtGetPhoneControlMetrics");
    showPhoneMsg_ = Export<PHExtShowPhoneMsgFn>(module_, "PHExtShowPhoneMsg");
    doVerb_ = Export<PHExtDoVerbFn>(module_, "PHExtDoVerb");
  } else if (LOWORD(flag) != 0) {
    dialpadProc_ = reinterpret_cast<WNDPROC>(
        reinterpret_cast<void*>(GetProcAddress(module_, MAKEINTRESOURCEA(LOWORD(flag)))));
  }
  immediate_ = Export<IsImmediateDialRequestRequiredFn>(module_, "IsImmediateDialRequestRequired");
  preprocess_ = Export<PreprocessDialRequestFn>(module_, "PreprocessDialRequest");
  return true;
}

void ExtensionHost::AskViewInfo() {
  if (viewInfo_ == nullptr) return;
  HINSTANCE instance = nullptr;
  PH_VIEWINFOFLAGS flags = 0;
  LPPHONEVIEWHOOKPROC hook = nullptr;
  LPCWSTR templateName = nullptr;
  // The stand-in has one built-in dialer view; a replacement view the
  // extension might offer is not used.
  viewInfo_(kPhoneViewDialer, &instance, &flags, &hook, &templateName);
}

void ExtensionHost::AskControlMetrics(DWORD controlId) {
  if (controlMetrics_ == nullptr) return;
  RECT rect{};
  controlMetrics_(controlId, &rect);  // the stand-in keeps its own layout
}

void ExtensionHost::Initialize() {
  if (initialize_ != nullptr) initialize_(nullptr);
}

void ExtensionHost::ShowPhoneMsg(PH_MSG msg, const std::wstring& text1, const std::wstring& text2) {
  if (showPhoneMsg_ == nullptr) return;
  std::wstring first = text1;
  std::wstring second = text2;
  BOOL dial = FALSE;
  showPhoneMsg_(msg, first.data(), second.data(), FALSE, 0, &dial);
}

HRESULT ExtensionHost::DoVerb(PH_VERB verb, const std::wstring& number) {
  if (doVerb_ == nullptr) return E_NOTIMPL;
  return doVerb_(verb, FALSE, reinterpret_cast<VPARAM>(number.c_str()));
}

void ExtensionHost::ForwardToDialpadProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (dialpadProc_ != nullptr) CallWindowProcW(dialpadProc_, window, message, wParam, lParam);
}

bool ExtensionHost::IsImmediateDialRequestRequired(const std::wstring& number) {
  return immediate_ != nullptr && immediate_(number.c_str()) != FALSE;
}

bool ExtensionHost::PreprocessDialRequest(std::wstring& number) {
  if (preprocess_ == nullptr) return true;
  std::vector<wchar_t> buffer(kNumberBufferUnits, L'\0');
  lstrcpynW(buffer.data(), number.c_str(), static_cast<int>(kNumberBufferUnits));
  if (!preprocess_(buffer.data(), kNumberBufferUnits)) return false;
  buffer.back() = L'\0';
  number = buffer.data();
  return true;
}

}  // namespace vostarel::cprog
