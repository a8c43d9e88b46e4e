// tapiRequestMakeCallW: hands the call request to the running phone
// application by the protocol in call_request.h. Failing on purpose
// (fault_injection.h), it hands nothing over and reports the request failed.
#include <string>

#include "call_request.h"
#include "call_request_data.h"
#include "fault_injection.h"
#include "tapi_request.h"
#include "win_text.h"

// The fault point keeps the call's plain name; the export is defined by its
// device name below.
#undef tapiRequestMakeCall

namespace {

// No dialer needs more; a larger request comes from a broken caller.
constexpr size_t kMaxCallRequestBytes = 64 * 1024;

}  // namespace

extern "C" LONG WINAPI tapiRequestMakeCallW(LPCWSTR lpszDestAddress, LPCWSTR lpszAppName,
                                            LPCWSTR lpszCalledParty, LPCWSTR lpszComment) {
  using vostarel::AsUtf16;
  if (vostarel::faults::InjectFault(vostarel::faults::FaultPoint::tapiRequestMakeCall)) {
    return TAPIERR_REQUESTFAILED;
  }
  const HWND dialer = FindWindowW(kCallRequestWindowClass, nullptr);
  if (dialer == nullptr) return TAPIERR_NOREQUESTRECIPIENT;
  std::u16string payload;
  try {
    payload = vostarel::device::EncodeCallRequest(AsUtf16(lpszDestAddress), AsUtf16(lpszCalledParty),
                                                  AsUtf16(lpszAppName), AsUtf16(lpszComment));
  } catch (...) {
    return TAPIERR_REQUESTFAILED;
  }
  const size_t bytes = payload.size() * sizeof(char16_t);
  if (bytes > kMaxCallRequestBytes) return TAPIERR_REQUESTFAILED;

  COPYDATASTRUCT request;
  request.dwData = kCallRequestCopyDataId;
  request.cbData = static_cast<DWORD>(bytes);
  request.lpData = payload.data();
  DWORD_PTR reply = 0;
  // A dialer that hangs must not hang the caller, and the caller keeps
  // answering messages sent to it meanwhile; the reply is not examined.
  if (!SendMessageTimeoutW(dialer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, kCallRequestTimeoutMs, &reply)) {
    // The window went away between the search and the message, or hangs.
    return IsWindow(dialer) ? TAPIERR_REQUESTFAILED : TAPIERR_NOREQUESTRECIPIENT;
  }
  return 0;
}
