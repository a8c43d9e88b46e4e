// A main object built the way process attach builds it, with this test
// program as the module (its resources are linked in), and what the loader
// tests read back from it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_object.h"
#include "process_values.h"
#include "settings.h"
#include "stand_in_counters.h"

namespace vostarel::testing {

// All three load bits, nothing else.
inline constexpr uint32_t kAllLoadBits =
    SettingsFlags::kLoadAddressBook | SettingsFlags::kLoadSim | SettingsFlags::kLoadCallLog;

class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_ = std::make_unique<MainObject>(GetModuleHandleW(nullptr));
    main_->Helper.Options.Flags = kAllLoadBits;
    g_lastCallLogSize = 0;
  }
  void TearDown() override {
    EXPECT_EQ(StandInLiveObjects(), 0) << "address-book objects left alive";
    EXPECT_EQ(StandInOpenSimHandles(), 0) << "SIM sessions left open";
    EXPECT_EQ(StandInOpenCallLogHandles(), 0) << "call logs left open";
    EXPECT_EQ(StandInOutstandingStrings(), 0) << "call-log strings not freed";
  }

  DialHelper& Helper() { return main_->Helper; }
  ContactIndex& Index() { return main_->Helper.Index; }
  void SetFlags(uint32_t flags) { main_->Helper.Options.Flags = flags; }

  std::unique_ptr<MainObject> main_;
};

// "name|number|number..." per entry, each number as "label:number".
std::string Describe(const ContactEntry& entry);
std::vector<std::string> Describe(const ContactStore& store);

}  // namespace vostarel::testing
