// Loading the dial-pad extension named by the registration values and
// calling its exports.
//
// Registration: major version 5 or more: HKLM\Security\Phone\Skin, "Ext"
// (path) and "Enabled" (DWORD, 0 = not loaded); older:
// HKCU\ControlPanel\Phone, "DialpadDll" (path) and "DialpadWndPrc" (DWORD:
// export ordinal of the dial-pad window procedure, 0 for none).
#pragma once

#include <windows.h>

#include <string>

#include "core/dialer_profile.h"
#include "phone_extension.h"

namespace vostarel::cprog {

class ExtensionHost {
 public:
  ExtensionHost() = default;
  ExtensionHost(const ExtensionHost&) = delete;
  ExtensionHost& operator=(const ExtensionHost&) = delete;
  // The library stays loaded for the life of the process, as on the device.
  ~ExtensionHost() = default;

  // Reads the registration row of the profile's version and loads the
  // library it names. False when none is registered or it cannot be loaded.
  bool Load(const DialerProfile& profile);
  bool Loaded() const { return module_ != nullptr; }

  // Version 5 or more; each does nothing when the export is missing.
  void AskViewInfo();                  // before the dialer is created
  void AskControlMetrics(DWORD controlId);  // while laying the dialer out
  void Initialize();                   // once, after the dialer exists
  void ShowPhoneMsg(PH_MSG msg, const std::wstring& text1, const std::wstring& text2);
  // S_OK when the extension carried the verb out itself.
  HRESULT DoVerb(PH_VERB verb, const std::wstring& number);

  // Older systems: the dial-pad window procedure sees the dialer's size
  // changes and number-field notifications; its answers are not used.
  void ForwardToDialpadProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Every system, when a call is about to be placed.
  bool IsImmediateDialRequestRequired(const std::wstring& number);
  // False cancels the call; the extension may rewrite number.
  bool PreprocessDialRequest(std::wstring& number);

 private:
  HMODULE module_ = nullptr;
  PHExtInitializeFn initialize_ = nullptr;
  PHExtGetPhoneViewInfoFn viewInfo_ = nullptr;
  PHExtGetPhoneControlMetricsFn controlMetrics_ = nullptr;
  PHExtShowPhoneMsgFn showPhoneMsg_ = nullptr;
  PHExtDoVerbFn doVerb_ = nullptr;
  WNDPROC dialpadProc_ = nullptr;
  IsImmediateDialRequestRequiredFn immediate_ = nullptr;
  PreprocessDialRequestFn preprocess_ = nullptr;
};

}  // namespace vostarel::cprog
