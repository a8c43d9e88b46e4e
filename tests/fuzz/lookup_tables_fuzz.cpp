// Any text into SurnameReadingRows and FindCallingCode, held in a buffer of
// exactly its length plus terminator so AddressSanitizer sees any read past
// it: the surname spans no more units than the text has and reads syllable
// rows only; the calling code spans no more digits than the text has and
// hands back a prefix of digits.
#include <cstdlib>
#include <vector>

#include "calling_codes.h"
#include "fuzz_input.h"
#include "surname_readings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);
  const bool digitsOnly = input.Byte() & 1;  // reach the calling codes more often
  std::u16string text = input.Text(input.Remaining() / 2);
  if (digitsOnly) {
    for (char16_t& unit : text) unit = static_cast<char16_t>(u'0' + unit % 10);
  }
  std::vector<char16_t> exact(text.begin(), text.end());
  exact.push_back(u'\0');

  uint16_t rows[2];
  const int units = SurnameReadingRows(exact.data(), rows);
  if (units < 0 || units > 2 || static_cast<size_t>(units) > text.size()) std::abort();
  for (int i = 0; i < units; ++i) {
    if (rows[i] < 1 || rows[i] > 407) std::abort();
  }

  const char16_t* prefix = nullptr;
  const int length = FindCallingCode(exact.data(), prefix);
  if (length < 0 || length > 3 || static_cast<size_t>(length) > text.size()) std::abort();
  if (prefix == nullptr) std::abort();
  for (const char16_t* p = prefix; *p != u'\0'; ++p) {
    if (*p < u'0' || *p > u'9') std::abort();
  }
  return 0;
}
