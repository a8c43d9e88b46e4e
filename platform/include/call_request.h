// The call request that the telephony stand-in hands to the running phone
// application: WM_COPYDATA sent to the dialer window (class "Dialer").
//
// COPYDATASTRUCT.dwData is kCallRequestCopyDataId. lpData holds four UTF-16
// texts, each zero-terminated, one right after the other:
//   number, called party (name), application name, comment.
// cbData is the byte size of all four including their terminators. Empty
// texts are a lone terminator.
//
// The sender (cellcore.dll's tapiRequestMakeCall) finds the dialer with
// FindWindowW(kCallRequestWindowClass, nullptr) and sends the message with a
// timeout; the dialer's reply is not examined. The receiver may decode lpData
// with DecodeCallRequest (platform/data/call_request_data.h), which never
// reads past cbData whatever the sender put there.
#pragma once

#include <windows.h>

constexpr ULONG_PTR kCallRequestCopyDataId = 0x4C4C4143;  // "CALL" in memory order
constexpr const wchar_t* kCallRequestWindowClass = L"Dialer";
// How long the sender waits for a dialer that does not answer.
constexpr UINT kCallRequestTimeoutMs = 5000;
