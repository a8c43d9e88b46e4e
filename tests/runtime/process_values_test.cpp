// The values process attach records in every host, taken from this test
// program, whose resources carry string 800.
#include <gtest/gtest.h>

#include <string>

#include "process_values.h"

namespace vostarel::testing {
namespace {

class ProcessValuesTest : public ::testing::Test {
 protected:
  void TearDown() override {
    g_moduleInstance = nullptr;
    g_productName = nullptr;
    g_productNameLength = 0;
    g_version5 = g_version52 = false;
  }
};

TEST_F(ProcessValuesTest, TheProductNameIsString800WithItsLength) {
  RecordProcessValues(GetModuleHandleW(nullptr));
  EXPECT_EQ(g_moduleInstance, GetModuleHandleW(nullptr));
  ASSERT_NE(g_productName, nullptr);
  ASSERT_EQ(g_productNameLength, 8);
  EXPECT_EQ(std::wstring(g_productName, 8), L"Vostarel");
}

}  // namespace
}  // namespace vostarel::testing
