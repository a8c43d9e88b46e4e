#include "call_request_data.h"

#include <cstring>

namespace vostarel::device {
namespace {

void AppendText(std::u16string& payload, const char16_t* text) {
  if (text != nullptr) {
    while (*text != 0) payload.push_back(*text++);
  }
  payload.push_back(0);
}

}  // namespace

std::u16string EncodeCallRequest(const char16_t* number, const char16_t* calledParty,
                                 const char16_t* appName, const char16_t* comment) {
  std::u16string payload;
  AppendText(payload, number);
  AppendText(payload, calledParty);
  AppendText(payload, appName);
  AppendText(payload, comment);
  return payload;
}

CallRequestTexts DecodeCallRequest(const void* data, size_t byteCount) {
  CallRequestTexts texts;
  std::u16string* const fields[] = {&texts.Number, &texts.CalledParty, &texts.AppName,
                                    &texts.Comment};
  if (data == nullptr) return texts;
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  const size_t unitCount = byteCount / sizeof(char16_t);
  size_t field = 0;
  for (size_t at = 0; at < unitCount && field < 4; ++at) {
    char16_t unit;
    std::memcpy(&unit, bytes + at * sizeof(char16_t), sizeof unit);
    if (unit == 0) {
      ++field;
    } else {
      fields[field]->push_back(unit);
    }
  }
  return texts;
}

}  // namespace vostarel::device
