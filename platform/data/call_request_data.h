// The payload of a call request (see platform/include/call_request.h): four
// UTF-16 texts, each followed by a zero unit, in the order number, called
// party, application name, comment.
#pragma once

#include <cstddef>
#include <string>

namespace vostarel::device {

struct CallRequestTexts {
  std::u16string Number;
  std::u16string CalledParty;
  std::u16string AppName;
  std::u16string Comment;
};

// The payload for the four texts; a null text is sent as an empty one. The
// byte size to send is size() * sizeof(char16_t).
std::u16string EncodeCallRequest(const char16_t* number, const char16_t* calledParty,
                                 const char16_t* appName, const char16_t* comment);

// Reads a payload of byteCount bytes, which may come from anyone: a text
// without its zero unit ends at the end of the data, missing texts are
// empty, an odd last byte is ignored, units after the fourth zero are
// ignored. `data` may be unaligned, and null when byteCount is 0.
CallRequestTexts DecodeCallRequest(const void* data, size_t byteCount);

}  // namespace vostarel::device
