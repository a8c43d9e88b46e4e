// The chained extension: Vostarel.dll loaded into a host named *cprog.exe
// (chain_host_cprog.exe) with the settings bit 0x40000 and a backup naming
// chain_probe.dll passes the phone application's extension calls on to it
// with every argument, out-parameter and result intact; without the bit, or
// with a backup that is this library's own, nothing is loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "registration_support.h"

namespace vostarel::registration_test {
namespace {

constexpr DWORD kChainedExtensionBit = 0x40000;

// Export name -> the host's line for it, without the name.
using Calls = std::map<std::string, std::string>;

class ChainingTest : public ::testing::Test {
 protected:
  // Runs the host with the row of `row` holding only the backup values and
  // the settings option word `flag`; the host's lines by export.
  Calls Run(const Row& row, const std::wstring& backupPath, DWORD backupFlag, DWORD flag) {
    const ScopedWineVersion version(L"chain_host_cprog.exe", row.WineVersion);
    const KeySnapshot rowKey(row.Root, row.Subkey);
    const KeySnapshot settings(HKEY_CURRENT_USER, L"Software\\Vostarel");
    WriteAllValues(row.Root, row.Subkey,
                   {{row.PathValue, Text(BinFile(L"Vostarel.dll"))},
                    {row.FlagValue, Number(1)},
                    {L"VostarelPathBak", Text(backupPath)},
                    {L"VostarelFlagBak", Number(backupFlag)}});
    WriteAllValues(HKEY_CURRENT_USER, L"Software\\Vostarel", {{L"Flag", Number(flag)}});

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring output = std::wstring(temp) + L"chain_host_output.txt";
    DeleteFileW(output.c_str());
    EXPECT_EQ(RunCommand(L"\"" + BinFile(L"chain_host_cprog.exe") + L"\" \"" + BinFile(L"Vostarel.dll") +
                       L"\" \"" + output + L"\""),
              0);
    output_ = ReadWholeFile(output);
    DeleteFileW(output.c_str());
    Calls calls;
    size_t start = 0;
    while (start < output_.size()) {
      size_t end = output_.find('\n', start);
      if (end == std::string::npos) end = output_.size();
      std::string line = output_.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const size_t space = line.find(' ');
      if (space != std::string::npos) calls[line.substr(0, space)] = line.substr(space + 1);
      start = end + 1;
    }
    return calls;
  }

  // Every PHExt* export returned E_NOTIMPL without reaching the probe (its
  // out-parameters untouched), and the two dial-request exports answered.
  void ExpectNothingForwarded(const Calls& calls) {
    EXPECT_EQ(calls.at("PHExtInitialize"), "80004001 | -");
    EXPECT_EQ(calls.at("PHExtDoVerb"), "80004001 | -");
    EXPECT_EQ(calls.at("PHExtGetPhoneControlMetrics"), "80004001 -1,-1,-1,-1 | -");
    EXPECT_EQ(calls.at("PHExtGetPhoneViewInfo"), "80004001 DEADBEEF DEADBEEF DEADBEEF untouched | -");
    EXPECT_EQ(calls.at("PHExtShowPhoneMsg"), "80004001 1234 | -");
    ExpectDialRequestAnswers(calls);
  }

  void ExpectDialRequestAnswers(const Calls& calls) {
    EXPECT_EQ(calls.at("IsImmediateDialRequestRequired"), "0");
    EXPECT_EQ(calls.at("PreprocessDialRequest"), "1");
  }

  std::string output_;
};

TEST_F(ChainingTest, Version5ForwardsEveryPHExtCallWithArgumentsAndResults) {
  const Calls calls = Run(kVersion5Row, BinFile(L"chain_probe.dll"), 1, kChainedExtensionBit);
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  EXPECT_EQ(calls.at("chained"), "1");
  // One argument.
  EXPECT_EQ(calls.at("PHExtInitialize"), "A10001 | PHExtInitialize 1122334455667788");
  // Three, the last a full 64-bit value.
  EXPECT_EQ(calls.at("PHExtDoVerb"), "A10002 | PHExtDoVerb DEAD0005 2147483647 102030405060708");
  // Two, with an out-parameter.
  EXPECT_EQ(calls.at("PHExtGetPhoneControlMetrics"),
            "A10003 11,22,33,44 | PHExtGetPhoneControlMetrics 23041");
  // Five: the fifth is passed on the stack.
  EXPECT_EQ(calls.at("PHExtGetPhoneViewInfo"),
            "A10004 5150000 F1A6 400C probe view | PHExtGetPhoneViewInfo 9 1111");
  // Six: the fifth and sixth on the stack, the sixth an out-parameter.
  EXPECT_EQ(calls.at("PHExtShowPhoneMsg"),
            "A10005 77 | PHExtShowPhoneMsg C0DE0001 010-1234 Kim 21930 FEEDF00D 1");
  // Version 5 does not chain the dial-pad procedure.
  EXPECT_EQ(calls.at("DialpadWndPrc"), "0 | -");
  ExpectDialRequestAnswers(calls);
}

TEST_F(ChainingTest, WithoutTheOptionNothingIsLoaded) {
  for (const Row& row : {kVersion5Row, kOlderRow}) {
    const Calls calls = Run(row, BinFile(L"chain_probe.dll"), 1, 0);
    SCOPED_TRACE(output_);
    ASSERT_EQ(calls.count("chained"), 1u);
    EXPECT_EQ(calls.at("chained"), "0");
    ExpectNothingForwarded(calls);
  }
}

TEST_F(ChainingTest, ABackupThatIsThisLibrarysOwnIsNeverLoaded) {
  // A copy of the probe whose path names the product in another case.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring copy = std::wstring(temp) + L"old_vOsTaReL_copy.dll";
  ASSERT_TRUE(CopyFileW(BinFile(L"chain_probe.dll").c_str(), copy.c_str(), FALSE));
  const Calls calls = Run(kVersion5Row, copy, 1, kChainedExtensionBit);
  DeleteFileW(copy.c_str());
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  // The copy's module name differs from chain_probe.dll, so check the copy
  // is not loaded through what the forwarders do.
  ExpectNothingForwarded(calls);
}

TEST_F(ChainingTest, MissingBackupLibraryLeavesEverythingUnforwarded) {
  const Calls calls = Run(kVersion5Row, L"C:\\nowhere\\missing.dll", 1, kChainedExtensionBit);
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  ExpectNothingForwarded(calls);
}

TEST_F(ChainingTest, OlderSystemForwardsTheDialpadProcedureByTheBackedUpOrdinal) {
  const Calls calls = Run(kOlderRow, BinFile(L"chain_probe.dll"), 1, kChainedExtensionBit);
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  EXPECT_EQ(calls.at("chained"), "1");
  EXPECT_EQ(calls.at("DialpadWndPrc"),
            "123456789ABCDEF0 | DialpadWndPrc 10AB0 8007 AAAABBBBCCCCDDDD 1111222233334444");
  // Older systems do not chain the PHExt* calls.
  EXPECT_EQ(calls.at("PHExtInitialize"), "80004001 | -");
  EXPECT_EQ(calls.at("PHExtShowPhoneMsg"), "80004001 1234 | -");
  ExpectDialRequestAnswers(calls);
}

TEST_F(ChainingTest, OlderSystemWithoutABackedUpOrdinalKeepsTheDefaultProcedure) {
  // The earlier extension had no dial-pad procedure (flag 0): its ordinal 1
  // is some other function and must not be called as a window procedure.
  const Calls calls = Run(kOlderRow, BinFile(L"chain_probe.dll"), 0, kChainedExtensionBit);
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  EXPECT_EQ(calls.at("DialpadWndPrc"), "0 | -") << "DefWindowProcW on a window that does not exist";
}

// The real stand-in phone application with Vostarel.dll registered over the
// recording test extension: the phone application's own calls reach the
// test extension through the library.
class PhoneApplicationChainTest : public ::testing::TestWithParam<Row> {
 protected:
  std::string RunPhone() {
    const Row& row = GetParam();
    const ScopedWineVersion version(L"cprog.exe", row.WineVersion);
    const KeySnapshot rowKey(row.Root, row.Subkey);
    const KeySnapshot settings(HKEY_CURRENT_USER, L"Software\\Vostarel");
    WriteAllValues(row.Root, row.Subkey,
                   {{row.PathValue, Text(BinFile(L"Vostarel.dll"))},
                    {row.FlagValue, Number(1)},
                    {L"VostarelPathBak", Text(BinFile(L"test_extension.dll"))},
                    {L"VostarelFlagBak", Number(1)}});
    WriteAllValues(HKEY_CURRENT_USER, L"Software\\Vostarel", {{L"Flag", Number(kChainedExtensionBit)}});

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring log = std::wstring(temp) + L"chained_test_extension.log";
    DeleteFileW(log.c_str());
    SetEnvironmentVariableW(L"VOSTAREL_TEST_EXTENSION_LOG", log.c_str());
    const int exitCode =
        RunCommand(L"\"" + BinFile(L"cprog.exe") + L"\" --exit-after 1500");
    SetEnvironmentVariableW(L"VOSTAREL_TEST_EXTENSION_LOG", nullptr);
    EXPECT_EQ(exitCode, 0);
    const std::string text = ReadWholeFile(log);
    DeleteFileW(log.c_str());
    return text;
  }
};

TEST_P(PhoneApplicationChainTest, PhoneCallsReachTheEarlierExtension) {
  const std::string log = RunPhone();
  SCOPED_TRACE(log);
  EXPECT_NE(log.find("loaded\n"), std::string::npos);
  if (GetParam().Version5) {
    EXPECT_NE(log.find("PHExtGetPhoneViewInfo 0\n"), std::string::npos);
    EXPECT_NE(log.find("PHExtGetPhoneControlMetrics 23061\n"), std::string::npos);
    EXPECT_NE(log.find("PHExtInitialize\n"), std::string::npos);
    EXPECT_EQ(log.find("DialpadWndPrc"), std::string::npos);
  } else {
    // WM_SIZE (0x5) reaches the dial-pad procedure; no PHExt* call is made.
    EXPECT_NE(log.find("DialpadWndPrc 0x5 "), std::string::npos);
    EXPECT_EQ(log.find("PHExt"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, PhoneApplicationChainTest, ::testing::Values(kOlderRow, kVersion5Row),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return std::string(info.param.Version5 ? "Version5Row" : "OlderRow");
                         });

}  // namespace
}  // namespace vostarel::registration_test
