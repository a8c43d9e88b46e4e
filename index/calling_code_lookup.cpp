#include <algorithm>

#include "calling_codes.h"

namespace vostarel {

int FindCallingCode(const char16_t* digits, const char16_t*& nationalPrefix) {
  nationalPrefix = u"";
  if (digits == nullptr) return 0;
  // No calling code starts with 0; without this check "01" would read as 1.
  if (digits[0] == u'0') return 0;
  int code = 0;
  for (int length = 1; length <= 3; ++length) {
    const char16_t unit = digits[length - 1];
    if (unit < u'0' || unit > u'9') return 0;
    code = code * 10 + (unit - u'0');
    const auto found = std::lower_bound(
        CallingCodes.begin(), CallingCodes.end(), code,
        [](const CallingCode& entry, int value) { return entry.code < value; });
    if (found != CallingCodes.end() && found->code == code) {
      nationalPrefix = found->nationalPrefix;
      return length;
    }
  }
  return 0;
}

}  // namespace vostarel
