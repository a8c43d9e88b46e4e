// Assisted telephony's call request as the device platform declares it: a
// single Unicode function that cellcore.dll exports. The desktop tapi.h
// declares an ANSI/Unicode pair under the same name instead, so the two
// headers cannot be used together.
#pragma once

#include <windows.h>

#ifdef tapiRequestMakeCall
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
LONG WINAPI tapiRequestMakeCall(LPCWSTR lpszDestAddress, LPCWSTR lpszAppName,
                                LPCWSTR lpszCalledParty, LPCWSTR lpszComment);

#ifdef __cplusplus
}
#endif
