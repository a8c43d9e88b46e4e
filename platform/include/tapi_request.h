// Assisted telephony's call request as the device platform declares it:
// cellcore.dll exports the Unicode function tapiRequestMakeCallW, which
// callers name tapiRequestMakeCall in a Unicode build. The desktop tapi.h
// declares an ANSI pair of its own under the same names, so the two headers
// cannot be used together.
#pragma once

#include <windows.h>

#if defined(tapiRequestMakeCall) || defined(TAPI_CURRENT_VERSION)
#error "tapi_request.h and the desktop tapi.h declare tapiRequestMakeCall differently"
#endif

#ifndef TAPIERR_CONNECTED
#define TAPIERR_CONNECTED 0L
#endif
#ifndef TAPIERR_NOREQUESTRECIPIENT
#define TAPIERR_NOREQUESTRECIPIENT (-2L)
#endif
#ifndef TAPIERR_REQUESTQUEUEFULL
#define TAPIERR_REQUESTQUEUEFULL (-3L)
#endif
#ifndef TAPIERR_INVALDESTADDRESS
#define TAPIERR_INVALDESTADDRESS (-4L)
#endif
#ifndef TAPIERR_REQUESTFAILED
#define TAPIERR_REQUESTFAILED (-16L)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Asks the phone application to dial lpszDestAddress. Returns 0 when the
// request was handed over, TAPIERR_NOREQUESTRECIPIENT when no phone
// application runs. Null texts count as empty.
LONG WINAPI tapiRequestMakeCallW(LPCWSTR lpszDestAddress, LPCWSTR lpszAppName,
                                 LPCWSTR lpszCalledParty, LPCWSTR lpszComment);

#ifdef __cplusplus
}
#endif

#ifdef UNICODE
#define tapiRequestMakeCall tapiRequestMakeCallW
#endif
