// Placeholder until the generated calling codes land.
#include "calling_codes.h"

namespace vostarel {

int FindCallingCode(const char16_t* digits, const char16_t*& nationalPrefix) {
  struct Code { const char16_t* digits; const char16_t* prefix; };
  static const Code kCodes[] = {{u"1", u"1"},  {u"7", u"8"},   {u"36", u"06"}, {u"39", u""},
                                {u"44", u"0"}, {u"81", u"0"},  {u"82", u"0"},  {u"86", u"0"},
                                {u"886", u"0"}};
  for (const Code& code : kCodes) {
    int i = 0;
    while (code.digits[i] != 0 && digits[i] == code.digits[i]) ++i;
    if (code.digits[i] == 0) {
      nationalPrefix = code.prefix;
      return i;
    }
  }
  return 0;
}

}  // namespace vostarel
