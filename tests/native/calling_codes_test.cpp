#include <gtest/gtest.h>

#include <string>

#include "calling_codes.h"

namespace vostarel {
namespace {

const char16_t kUntouched[] = u"untouched";

struct Found {
  int length;
  std::u16string nationalPrefix;
  bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Found& f) {
  return os << f.length << " '" << std::string(f.nationalPrefix.begin(), f.nationalPrefix.end())
            << "'";
}

Found Find(const char16_t* digits) {
  const char16_t* prefix = kUntouched;
  const int length = FindCallingCode(digits, prefix);
  return {length, prefix ? prefix : u"(null)"};
}

TEST(FindCallingCode, CodesOfOneToThreeDigitsAndTheirNationalPrefixes) {
  struct Case {
    const char16_t* digits;
    Found expected;
  };
  const Case cases[] = {
      {u"821023456789", {2, u"0"}},  // Korea: 010 2345 6789 at home
      {u"8613812345678", {2, u"0"}},
      {u"442079460000", {2, u"0"}},
      {u"81312345678", {2, u"0"}},
      {u"886223456789", {3, u"0"}},
      {u"12125550100", {1, u"1"}},
      {u"74951234567", {1, u"8"}},
      {u"3612345678", {2, u"06"}},
      {u"390612345678", {2, u""}},   // Italy keeps its leading 0 abroad: no prefix
      {u"85223456789", {3, u""}},
      {u"35312345678", {3, u"0"}},
      {u"82", {2, u"0"}},            // the code alone
      // Nothing fits: no digits, unassigned codes, a code cut short, a
      // leading zero (which must not read as code 1), a long run.
      {u"", {0, u""}},
      {nullptr, {0, u""}},
      {u"999", {0, u""}},
      {u"8", {0, u""}},
      {u"85", {0, u""}},
      {u"01234", {0, u""}},
      {u"0", {0, u""}},
      {u"8a2", {0, u""}},
      {u"99999999999999999999999999999999999999999999999999", {0, u""}},
  };
  for (const Case& c : cases) {
    const std::u16string digits = c.digits ? c.digits : u"(null)";
    EXPECT_EQ(Find(c.digits), c.expected) << std::string(digits.begin(), digits.end());
  }
}

TEST(FindCallingCode, FindsEveryCodeOfItsTable) {
  // Every row is reached by its own digits followed by a number, so the
  // table is sorted for the search and no code is a prefix of another.
  ASSERT_GT(CallingCodes.size(), 200u);
  for (const CallingCode& row : CallingCodes) {
    const std::string code = std::to_string(row.code);
    const std::u16string digits = std::u16string(code.begin(), code.end()) + u"23456789";
    EXPECT_EQ(Find(digits.c_str()), (Found{int(code.size()), row.nationalPrefix})) << code;
  }
}

}  // namespace
}  // namespace vostarel
