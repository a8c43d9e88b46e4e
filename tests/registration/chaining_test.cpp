// The chained extension: Vostarel.dll loaded into a host named *cprog.exe
// (chain_host_cprog.exe) with the settings bit 0x40000 and a backup naming
// chain_probe.dll passes the phone application's extension calls on to it
// with every argument, out-parameter and result intact, and the PHExt* calls
// by a jump that leaves the host's return address in place; without the
// bit, or with a backup that is this library's own, nothing is loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "chain_values.h"
#include "registration_support.h"

namespace vostarel::registration_test {
namespace {

constexpr DWORD kChainedExtensionBit = 0x40000;

// Export name -> the host's line for it, without the name.
using Calls = std::map<std::string, std::string>;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

// The host's line for each PHExt* call that reached chain_probe.dll through
// a tail jump: the probe's result and out-parameters as the host got them,
// then every argument as the probe got it, and the host as the module its
// return address lies in.
std::map<std::string, std::string> ForwardedLines() {
  using namespace chain_values;
  const char* host = "chain_host_cprog.exe";
  return {
      // One argument.
      {"PHExtInitialize", Format("A10001 | PHExtInitialize %llX from %s", Bits(kInitializeReserved), host)},
      // Three.
      {"PHExtDoVerb", Format("A10002 | PHExtDoVerb %lX %d %llX from %s", kVerb, kValidateOnly,
                             Bits(kVerbParam), host)},
      // Two, with an out-parameter.
      {"PHExtGetPhoneControlMetrics",
       Format("A10003 11,22,33,44 | PHExtGetPhoneControlMetrics %lu from %s", kControlId, host)},
      // Five, four of them out-parameters; on x86_64 the fifth is on the stack.
      {"PHExtGetPhoneViewInfo", Format("A10004 %llX %lX %llX probe view | PHExtGetPhoneViewInfo %lu 1111 from %s",
                                       Bits(kProbeInstance), kProbeFlags, Bits(kProbeHook), kView, host)},
      // Six: the sixth an out-parameter.
      {"PHExtShowPhoneMsg", Format("A10005 77 | PHExtShowPhoneMsg %lX 010-1234 Kim %d %lX 1 from %s", kPhoneMsg,
                                   kRemove, kSupplementaryStatus, host)},
  };
}

// The PHExt* exports whose line differs from a forwarded call's, each with
// what the host wrote ("(no line)" when the host ended before the call).
std::vector<std::string> UnfaithfulForwards(const Calls& calls) {
  std::vector<std::string> faults;
  for (const auto& [name, expected] : ForwardedLines()) {
    const auto found = calls.find(name);
    if (found == calls.end()) {
      faults.push_back(name + ": (no line)");
    } else if (found->second != expected) {
      faults.push_back(name + ": " + found->second);
    }
  }
  return faults;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

class ChainingTest : public ::testing::Test {
 protected:
  // Runs the host on Vostarel.dll with the row of `row` holding only the
  // backup values and the settings option word `flag`; the host's lines by
  // export. The host must end normally.
  Calls Run(const Row& row, const std::wstring& backupPath, DWORD backupFlag, DWORD flag) {
    Calls calls = RunHost(row, backupPath, backupFlag, flag, L"Vostarel.dll");
    EXPECT_EQ(exitCode_, 0);
    return calls;
  }

  // The same on `library` (from the program folder); the host's exit code
  // is left in exitCode_.
  Calls RunHost(const Row& row, const std::wstring& backupPath, DWORD backupFlag, DWORD flag,
                const wchar_t* library) {
    const ScopedWineVersion version(L"chain_host_cprog.exe", row.WineVersion);
    const KeySnapshot rowKey(row.Root, row.Subkey);
    const KeySnapshot settings(HKEY_CURRENT_USER, L"Software\\Vostarel");
    WriteAllValues(row.Root, row.Subkey,
                   {{row.PathValue, Text(BinFile(library))},
                    {row.FlagValue, Number(1)},
                    {L"VostarelPathBak", Text(backupPath)},
                    {L"VostarelFlagBak", Number(backupFlag)}});
    WriteAllValues(HKEY_CURRENT_USER, L"Software\\Vostarel", {{L"Flag", Number(flag)}});

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring output = std::wstring(temp) + L"chain_host_output.txt";
    DeleteFileW(output.c_str());
    exitCode_ = RunCommand(L"\"" + BinFile(L"chain_host_cprog.exe") + L"\" \"" + BinFile(library) + L"\" \"" +
                           output + L"\"");
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
  int exitCode_ = -1;
};

TEST_F(ChainingTest, Version5ForwardsEveryPHExtCallWithArgumentsAndResults) {
  const Calls calls = Run(kVersion5Row, BinFile(L"chain_probe.dll"), 1, kChainedExtensionBit);
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  EXPECT_EQ(calls.at("chained"), "1");
  EXPECT_EQ(Joined(UnfaithfulForwards(calls)), "");
  // Version 5 does not chain the dial-pad procedure.
  EXPECT_EQ(calls.at("DialpadWndPrc"), "0 | -");
  ExpectDialRequestAnswers(calls);
}

// The checks above catch a forwarder that calls its target instead of
// jumping to it. planted_call_forwarders.dll is Vostarel.dll built with that
// one fault (planted_call_forwarders.cpp): on x86_64 the target returns into
// the library and misses its stack arguments, on i686 it finds every
// argument one slot off.
TEST_F(ChainingTest, ACallInPlaceOfTheTailJumpIsCaught) {
  const Calls calls = RunHost(kVersion5Row, BinFile(L"chain_probe.dll"), 1, kChainedExtensionBit,
                              L"planted_call_forwarders.dll");
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  EXPECT_EQ(calls.at("chained"), "1");
  EXPECT_EQ(UnfaithfulForwards(calls).size(), ForwardedLines().size());
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
  using namespace chain_values;
  const Calls calls = Run(kOlderRow, BinFile(L"chain_probe.dll"), 1, kChainedExtensionBit);
  SCOPED_TRACE(output_);
  ASSERT_EQ(calls.count("chained"), 1u);
  EXPECT_EQ(calls.at("chained"), "1");
  EXPECT_EQ(calls.at("DialpadWndPrc"),
            Format("%llX | DialpadWndPrc %llX %X %llX %llX", Bits(kDialpadResult),
                   Bits(kDialpadWindow), kDialpadMessage, Bits(kDialpadWParam), Bits(kDialpadLParam)));
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
