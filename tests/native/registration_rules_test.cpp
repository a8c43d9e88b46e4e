// How installing and uninstalling change the registration row, for every
// starting state, without a registry.
#include <gtest/gtest.h>

#include <string>

#include "registration_rules.h"

namespace vostarel {
namespace {

const std::u16string kOwn = u"\\Program Files\\Vostarel\\Vostarel.dll";
const std::u16string kOther = u"\\Windows\\otherdial.dll";

RowValues Row(std::optional<std::u16string> path, std::optional<uint32_t> flag,
              std::optional<std::u16string> pathBackup = std::nullopt,
              std::optional<uint32_t> flagBackup = std::nullopt) {
  return RowValues{std::move(path), flag, std::move(pathBackup), flagBackup};
}

std::string Show(const RowValues& row) {
  auto text = [](const std::optional<std::u16string>& value) {
    return value ? std::string(value->begin(), value->end()) : std::string("-");
  };
  auto number = [](const std::optional<uint32_t>& value) {
    return value ? std::to_string(*value) : std::string("-");
  };
  return "{" + text(row.Path) + ", " + number(row.Flag) + ", " + text(row.PathBackup) + ", " +
         number(row.FlagBackup) + "}";
}

TEST(RegistrationRulesTest, OwnPathIsRecognisedInAnyLetterCase) {
  EXPECT_TRUE(IsOwnExtensionPath(kOwn));
  EXPECT_TRUE(IsOwnExtensionPath(u"C:\\OLD\\VOSTAREL.DLL"));
  EXPECT_TRUE(IsOwnExtensionPath(u"c:\\x\\vOsTaReL_1.7.dll"));
  EXPECT_FALSE(IsOwnExtensionPath(kOther));
  EXPECT_FALSE(IsOwnExtensionPath(u"C:\\Vostare\\l.dll"));
}

TEST(RegistrationRulesTest, RegisteringOnAnEmptyRowWritesNoBackup) {
  EXPECT_EQ(Show(RowAfterRegister(Row({}, {}), kOwn, true)), Show(Row(kOwn, 1)));
  EXPECT_EQ(Show(RowAfterRegister(Row({}, {}), kOwn, false)), Show(Row(kOwn, 0)))
      << "older systems: no extension to chain to, so no dial-pad ordinal";
  // A flag left without a path is no extension to keep.
  EXPECT_EQ(Show(RowAfterRegister(Row({}, 7), kOwn, false)), Show(Row(kOwn, 0)));
}

TEST(RegistrationRulesTest, RegisteringOverAnotherExtensionBacksItUp) {
  for (bool version5 : {false, true}) {
    SCOPED_TRACE(version5 ? "version 5" : "older");
    EXPECT_EQ(Show(RowAfterRegister(Row(kOther, 0), kOwn, version5)), Show(Row(kOwn, 1, kOther, 0)));
    EXPECT_EQ(Show(RowAfterRegister(Row(kOther, 3), kOwn, version5)), Show(Row(kOwn, 1, kOther, 3)));
    EXPECT_EQ(Show(RowAfterRegister(Row(kOther, {}), kOwn, version5)),
              Show(Row(kOwn, 1, kOther, 0)))
        << "a missing flag is backed up as 0";
  }
}

TEST(RegistrationRulesTest, RegisteringAgainKeepsTheFirstBackup) {
  for (bool version5 : {false, true}) {
    const RowValues once = RowAfterRegister(Row(kOther, 5), kOwn, version5);
    EXPECT_EQ(Show(RowAfterRegister(once, kOwn, version5)), Show(once));
    // An older copy of this library in the row is not backed up either.
    const RowValues over = RowAfterRegister(Row(u"C:\\old\\VOSTAREL.dll", 1, kOther, 5), kOwn, version5);
    EXPECT_EQ(Show(over), Show(Row(kOwn, 1, kOther, 5)));
  }
  EXPECT_EQ(Show(RowAfterRegister(Row(u"C:\\old\\vostarel.dll", 1), kOwn, false)), Show(Row(kOwn, 0)))
      << "an older copy of this library is nothing to chain to";
}

TEST(RegistrationRulesTest, UnregisteringPutsTheBackupBackOrEmptiesTheRow) {
  EXPECT_EQ(Show(RowAfterUnregister(Row(kOwn, 1, kOther, 3))), Show(Row(kOther, 3)));
  EXPECT_EQ(Show(RowAfterUnregister(Row(kOwn, 1, kOther, {}))), Show(Row(kOther, 0)));
  EXPECT_EQ(Show(RowAfterUnregister(Row(kOwn, 1))), Show(Row({}, {})));
  EXPECT_EQ(Show(RowAfterUnregister(Row({}, {}))), Show(Row({}, {})));
  EXPECT_EQ(Show(RowAfterUnregister(Row({}, {}, kOther, 2))), Show(Row(kOther, 2)));
}

TEST(RegistrationRulesTest, UnregisteringLeavesALaterExtensionRegistered) {
  const std::u16string later = u"C:\\later\\ext.dll";
  EXPECT_EQ(Show(RowAfterUnregister(Row(later, 1, kOther, 3))), Show(Row(later, 1)));
  EXPECT_EQ(Show(RowAfterUnregister(Row(later, 0))), Show(Row(later, 0)));
}

TEST(RegistrationRulesTest, RegisterThenUnregisterLosesNothing) {
  const RowValues starts[] = {RowValues{}, Row(kOther, 0), Row(kOther, 1), Row(kOther, 0x10003)};
  for (bool version5 : {false, true}) {
    for (const RowValues& start : starts) {
      SCOPED_TRACE(Show(start) + (version5 ? " version 5" : " older"));
      const RowValues registered = RowAfterRegister(start, kOwn, version5);
      EXPECT_EQ(Show(RowAfterUnregister(registered)), Show(start));
    }
    // Already registered over X: the round trip gives X back, as
    // unregistering alone would.
    const RowValues own = Row(kOwn, 1, kOther, 4);
    const RowValues registeredAgain = RowAfterRegister(own, kOwn, version5);
    EXPECT_EQ(Show(RowAfterUnregister(registeredAgain)), Show(Row(kOther, 4)));
  }
}

TEST(RegistrationRulesTest, ChainingUsesTheBackupAndItsOwnOrdinal) {
  EXPECT_TRUE(ShouldLoadChainedExtension(Row(kOwn, 1, kOther, 1)));
  EXPECT_FALSE(ShouldLoadChainedExtension(Row(kOwn, 1)));
  EXPECT_FALSE(ShouldLoadChainedExtension(Row(kOwn, 1, u"D:\\VoStArEl.DLL", 1)));
  EXPECT_EQ(ChainedDialpadOrdinal(Row(kOwn, 1, kOther, 1)), 1);
  EXPECT_EQ(ChainedDialpadOrdinal(Row(kOwn, 1, kOther, 0x20007)), 7) << "low 16 bits";
  EXPECT_EQ(ChainedDialpadOrdinal(Row(kOwn, 1, kOther, {})), 0);
}

}  // namespace
}  // namespace vostarel
