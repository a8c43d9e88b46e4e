#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "call_request_data.h"

namespace vostarel::device {
namespace {

TEST(CallRequestPayload, FourTextsInProtocolOrderEachTerminated) {
  const std::u16string payload = EncodeCallRequest(u"0100", u"Alice", nullptr, u"x");
  EXPECT_EQ(payload, std::u16string(u"0100\0Alice\0\0x\0", 14));
  // Unaligned, as a receiver may get it.
  std::vector<unsigned char> shifted(payload.size() * 2 + 1);
  std::memcpy(shifted.data() + 1, payload.data(), payload.size() * 2);
  const CallRequestTexts texts = DecodeCallRequest(shifted.data() + 1, payload.size() * 2);
  EXPECT_EQ(texts.Number, u"0100");
  EXPECT_EQ(texts.CalledParty, u"Alice");
  EXPECT_EQ(texts.AppName, u"");
  EXPECT_EQ(texts.Comment, u"x");
}

TEST(CallRequestPayload, DecodingNeverReadsPastTheData) {
  const std::u16string full = EncodeCallRequest(u"12", u"N", u"App", u"C");
  // Cut inside a unit: the texts end where the data ends.
  const CallRequestTexts cut = DecodeCallRequest(full.data(), 2 * sizeof(char16_t) + 1);
  EXPECT_EQ(cut.Number, u"12");
  EXPECT_EQ(cut.CalledParty, u"");
  EXPECT_EQ(DecodeCallRequest(u"123", 3 * sizeof(char16_t)).Number, u"123");
  EXPECT_EQ(DecodeCallRequest(nullptr, 100).Number, u"");
  const std::u16string extra = full + u"more";
  EXPECT_EQ(DecodeCallRequest(extra.data(), extra.size() * 2).Comment, u"C");
}

}  // namespace
}  // namespace vostarel::device
