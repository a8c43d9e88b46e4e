#include <gtest/gtest.h>

#include <string>

#include "utf8.h"

namespace vostarel::device {
namespace {

constexpr char16_t R = kReplacementCharacter;

TEST(Utf8Decoding, DecodesEveryLengthAndBuildsSurrogatePairs) {
  EXPECT_EQ(DecodeUtf8("A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"),
            (std::u16string{u'A', 0x00E9, 0x4E2D, 0xD83D, 0xDE00, 0xDBFF, 0xDFFF}));
}

TEST(Utf8Decoding, EachMaximalInvalidSequenceBecomesOneReplacement) {
  // Stray continuation byte, invalid leads, overlong forms.
  EXPECT_EQ(DecodeUtf8("a\x80z"), (std::u16string{u'a', R, u'z'}));
  EXPECT_EQ(DecodeUtf8("\xC0\x80"), (std::u16string{R, R}));
  EXPECT_EQ(DecodeUtf8("\xE0\x80\x80"), (std::u16string{R, R, R}));
  // Encoded surrogate and code points above U+10FFFF.
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::u16string{R, R, R}));
  EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80\xF5"), (std::u16string{R, R, R, R, R}));
  // A sequence cut short is one replacement; the byte that broke it is read
  // again.
  EXPECT_EQ(DecodeUtf8("\xE2\x82" "A\xF0\x9F\x98"), (std::u16string{R, u'A', R}));
  EXPECT_EQ(DecodeUtf8("\xE2\x82\xE2\x82\xAC"), (std::u16string{R, 0x20AC}));
  // A zero byte would cut the text short once handed out.
  EXPECT_EQ(DecodeUtf8(std::string("1\0" "2", 3)), (std::u16string{u'1', R, u'2'}));
}

TEST(Utf8Encoding, RoundTripsAndReplacesUnpairedSurrogates) {
  const std::u16string text{u'A', 0x00E9, 0x4E2D, 0xD83D, 0xDE00};
  EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
  EXPECT_EQ(EncodeUtf8(std::u16string{0xD800, u'x', 0xDC00}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

}  // namespace
}  // namespace vostarel::device
