// The exports that the phone application calls on its dial-pad extension.
//
// The five PHExt* signatures follow the phone platform's published sample
// extension. IsImmediateDialRequestRequired, PreprocessDialRequest and the
// PHExtGetPhoneControlMetrics arguments are not published; the forms here
// are the stand-in's own choice (the extension under test does not look at
// its arguments). The enumeration values below are the stand-in's too.
#pragma once

#include <windows.h>

typedef DWORD PH_VIEW;
typedef DWORD PH_VIEWINFOFLAGS;
typedef DWORD PH_MSG;
typedef DWORD PH_VERB;
typedef LPARAM VPARAM;
typedef BOOL(CALLBACK* LPPHONEVIEWHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

// Values the stand-in passes.
constexpr PH_VIEW kPhoneViewDialer = 0;
constexpr PH_MSG kPhoneMsgCalling = 1;
constexpr PH_VERB kPhoneVerbTalk = 1;

typedef HRESULT(WINAPI* PHExtInitializeFn)(void* reserved);
typedef HRESULT(WINAPI* PHExtGetPhoneViewInfoFn)(PH_VIEW view, HINSTANCE* instance, PH_VIEWINFOFLAGS* flags,
                                                  LPPHONEVIEWHOOKPROC* hook, LPCWSTR* templateName);
typedef HRESULT(WINAPI* PHExtGetPhoneControlMetricsFn)(DWORD controlId, RECT* rect);
typedef HRESULT(WINAPI* PHExtShowPhoneMsgFn)(PH_MSG msg, LPWSTR text1, LPWSTR text2, BOOL remove,
                                              DWORD supplementaryStatus, BOOL* dial);
typedef HRESULT(WINAPI* PHExtDoVerbFn)(PH_VERB verb, BOOL validateOnly, VPARAM param);
// TRUE: the number is dialed at once, without PreprocessDialRequest.
typedef BOOL(WINAPI* IsImmediateDialRequestRequiredFn)(LPCWSTR number);
// May rewrite number (capacity units); FALSE cancels the call.
typedef BOOL(WINAPI* PreprocessDialRequestFn)(LPWSTR number, UINT capacity);
