// The library's life inside the stand-in phone application, in each system
// version mode, seen from the attach probe that the phone application loads
// as its extension (attach_probe/): the probe sits behind the library's
// procedures, so every message the library passes on reaches it. And the
// library in any other program, loaded into this test program itself.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "contact_entry.h"
#include "host_test_environment.h"
#include "phone_run.h"

namespace vostarel::testing {
namespace {

constexpr int kContacts = 1500;
constexpr int kDictionaryLines = 20000;

std::string ManyContacts() {
  std::string cards;
  for (int i = 1; i <= kContacts; ++i) {
    const std::string n = std::to_string(i);
    cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person " + n + "\r\nTEL;TYPE=CELL:010-" + n +
             "\r\nTEL;TYPE=HOME:02-" + n + "\r\nEND:VCARD\r\n";
  }
  return cards;
}

std::string ManyCalls() {
  std::string lines;
  for (int i = 0; i < 300; ++i) lines += "031-" + std::to_string(i) + "\tCaller\n";
  return lines;
}

// UTF-16LE lines "zi<TAB>character".
std::string Dictionary() {
  std::string bytes = "\xFF\xFE";
  for (int i = 0; i < kDictionaryLines; ++i) {
    for (char16_t unit : {u'z', u'i', u'\t', static_cast<char16_t>(0x4E00 + i), u'\r', u'\n'}) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
  }
  return bytes;
}

bool SettingsKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Vostarel", 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

std::wstring Bin(const wchar_t* name) { return BinFolder() + L"\\" + name; }

std::string ModeName(const ::testing::TestParamInfo<VersionMode>& info) {
  const std::wstring name = WineVersionName(info.param);
  return std::string(name.begin(), name.end());
}

class PhoneApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PimstoreRegistrationExitCode(), 0) << "regsvr32 pimstore.dll";
    WriteDeviceFile(L"contacts.vcf", ManyContacts());
    WriteDeviceFile(L"sim.txt", "250\n3\tKim\t111\n90\tLee\t222\n250\tPark\t333\n");
    WriteDeviceFile(L"calllog.txt", ManyCalls());
    // The library runs from a folder of its own, with a user dictionary
    // beside it.
    ASSERT_TRUE(CopyFileW(Bin(L"Vostarel.dll").c_str(), Library().c_str(), FALSE));
    ASSERT_TRUE(WriteWholeFile(folder_.File(L"Vostarel.txt"), Dictionary()));
  }
  void TearDown() override { ClearDeviceFiles(); }

  std::wstring Library() const { return folder_.File(L"Vostarel.dll"); }
  std::wstring LogPath(const wchar_t* name) const { return folder_.File(name); }

  // Runs the phone application with the probe loading the library and
  // making decoys, until it ends by itself; the probe's log.
  ProbeLog RunWithProbe(VersionMode mode, std::optional<DWORD> settingsFlag = std::nullopt) {
    const PhoneSetup setup(mode, L"cprog.exe", Bin(L"attach_probe.dll"), settingsFlag);
    const ScopedEnvironment log(L"VOSTAREL_PROBE_LOG", LogPath(L"probe.log"));
    const ScopedEnvironment library(L"VOSTAREL_PROBE_LIBRARY", Library());
    const ScopedEnvironment decoys(L"VOSTAREL_PROBE_DECOYS", L"1");
    PhoneProcess phone(Bin(L"cprog.exe"), L"--exit-after 4000");
    EXPECT_TRUE(phone.Started());
    EXPECT_EQ(phone.Finish(), 0u);
    return ProbeLog(LogPath(L"probe.log"));
  }

  TemporaryFolder folder_{L"vostarel-lifecycle-"};
};

class LifecycleTest : public PhoneApplicationTest, public ::testing::WithParamInterface<VersionMode> {};

// What the stores and the dictionary take at least.
constexpr long long kStoreBytes = static_cast<long long>(kContacts) * sizeof(ContactEntry);
constexpr long long kDictionaryBytes = kDictionaryLines * 12LL;

TEST_P(LifecycleTest, AttachesToTheDialerRefreshesOnceAndFreesAtTheEnd) {
  const VersionMode mode = GetParam();
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vostarel");
  const ProbeLog probe = RunWithProbe(mode);
  SCOPED_TRACE("probe log:\n" + probe.All());
  ASSERT_EQ(probe.Starting("loaded ok").size(), 1u);
  EXPECT_TRUE(SettingsKeyExists()) << "the settings were never read";

  // The decoys lay above the dialer, so the search met them first.
  const int dialer = ZOrderIndex(probe, "dialer");
  ASSERT_GE(dialer, 0);
  EXPECT_GE(ZOrderIndex(probe, "decoy-nofield"), 0);
  EXPECT_LT(ZOrderIndex(probe, "decoy-nofield"), dialer);
  EXPECT_LT(ZOrderIndex(probe, "decoy-otherfield"), dialer);
  if (IsVersion52(mode)) {
    EXPECT_LT(ZOrderIndex(probe, "decoy-no23041"), dialer);
  }

  // One refresh, posted to the dialer and passed on by the library.
  std::vector<std::string> refreshes;
  for (const std::string& line : probe.Starting("command ")) {
    if (line.find(" 20102 ") != std::string::npos) refreshes.push_back(line);
  }
  ASSERT_EQ(refreshes.size(), 1u);
  EXPECT_EQ(refreshes[0], "command dialer 20102 0 front=vostarel.dll");

  // By then every store was loaded and everything the loaders got from the
  // platform was given back.
  EXPECT_EQ(probe.Starting("counters").at(0), "counters objects=0 sims=0 logs=0 strings=0");
  EXPECT_GT(probe.Number("field-limit "), 0) << "the number field's messages do not reach it";
  const long long before = probe.Number("heap before-load ");
  const long long atRefresh = probe.Number("heap refresh ");
  const long long atDetach = probe.Number("heap detach ");
  EXPECT_GT(atRefresh - before, kStoreBytes + kDictionaryBytes)
      << "the stores or the dictionary are missing";
  ASSERT_GT(atDetach, 0);
  EXPECT_LT(atDetach - before, (kStoreBytes + kDictionaryBytes) / 4)
      << "the stores were not freed at the end";

  std::string final = "final dialer=vostarel.dll field=vostarel.dll decoy-nofield=attach_probe.dll "
                      "decoy-otherfield=attach_probe.dll";
  if (IsVersion52(mode)) final += " decoy-no23041=attach_probe.dll";
  EXPECT_EQ(probe.Starting("final").at(0), final);
}

TEST_F(PhoneApplicationTest, WithTheLoadBitsClearNoStoreIsFilled) {
  // The default word without the three load bits.
  const ProbeLog probe = RunWithProbe(VersionMode::kWin2003, 0x7717Bu & ~0x7000u);
  SCOPED_TRACE("probe log:\n" + probe.All());
  ASSERT_EQ(probe.Starting("command dialer 20102").size(), 1u);
  const long long grown = probe.Number("heap refresh ") - probe.Number("heap before-load ");
  EXPECT_GT(grown, kDictionaryBytes) << "the dictionary is loaded whatever the bits say";
  EXPECT_LT(grown, kDictionaryBytes + kStoreBytes / 2) << "a store was filled with its bit clear";
}

// A host that frees the library while the loader thread still works: the
// thread keeps it loaded, and once attached it stays, since the dialer's
// procedures are in it.
TEST_F(PhoneApplicationTest, AHostThatFreesTheLibraryEarlyDoesNotPullItAway) {
  const ScopedEnvironment freeAtOnce(L"VOSTAREL_PROBE_FREE", L"1");
  const ProbeLog probe = RunWithProbe(VersionMode::kWinXp);
  SCOPED_TRACE("probe log:\n" + probe.All());
  ASSERT_EQ(probe.Starting("freed").size(), 1u);
  EXPECT_EQ(probe.Starting("command dialer 20102").size(), 1u);
  ASSERT_FALSE(probe.Starting("final").empty()) << "the phone application did not end normally";
  EXPECT_EQ(probe.Starting("final").at(0).rfind("final dialer=vostarel.dll", 0), 0u);
}

// Two phone applications: the library in one must pass over the other's
// dialer, whose procedure it cannot replace, and attach to its own.
TEST_P(LifecycleTest, PassesOverTheDialerOfAnotherPhoneApplication) {
  const PhoneSetup setup(GetParam(), L"cprog.exe", Bin(L"attach_probe.dll"));
  const std::wstring eventName = L"VostarelProbeGo" + std::to_wstring(GetCurrentProcessId());
  const std::unique_ptr<void, decltype(&CloseHandle)> go(
      CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()), &CloseHandle);
  ASSERT_NE(go.get(), nullptr);

  std::unique_ptr<PhoneProcess> own;
  {
    const ScopedEnvironment log(L"VOSTAREL_PROBE_LOG", LogPath(L"own.log"));
    const ScopedEnvironment library(L"VOSTAREL_PROBE_LIBRARY", Library());
    const ScopedEnvironment wait(L"VOSTAREL_PROBE_GO_EVENT", eventName);
    own = std::make_unique<PhoneProcess>(Bin(L"cprog.exe"), L"--exit-after 5000");
  }
  const HWND ownDialer = own->WaitForDialer();
  ASSERT_NE(ownDialer, nullptr);
  std::unique_ptr<PhoneProcess> other;
  {
    const ScopedEnvironment log(L"VOSTAREL_PROBE_LOG", LogPath(L"other.log"));
    other = std::make_unique<PhoneProcess>(Bin(L"cprog.exe"), L"--exit-after 4000");
  }
  const HWND otherDialer = other->WaitForDialer();
  ASSERT_NE(otherDialer, nullptr);
  SetWindowPos(otherDialer, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetEvent(go.get());
  own->Finish();
  other->Finish();

  const ProbeLog ownLog(LogPath(L"own.log"));
  const ProbeLog otherLog(LogPath(L"other.log"));
  SCOPED_TRACE("own log:\n" + ownLog.All() + "other log:\n" + otherLog.All());
  ASSERT_EQ(ownLog.Starting("loaded ok").size(), 1u);
  EXPECT_GE(ZOrderIndex(ownLog, "foreign-dialer"), 0);
  EXPECT_LT(ZOrderIndex(ownLog, "foreign-dialer"), ZOrderIndex(ownLog, "dialer"))
      << "the other dialer must lie above, or the search never meets it";
  EXPECT_EQ(ownLog.Starting("command dialer 20102").size(), 1u) << "not attached to its own dialer";
  EXPECT_TRUE(otherLog.Starting("command dialer 20102").empty()) << "the other dialer got the refresh";
}

INSTANTIATE_TEST_SUITE_P(Modes, LifecycleTest,
                         ::testing::Values(VersionMode::kNt40, VersionMode::kWinXp,
                                           VersionMode::kWin2003),
                         ModeName);

// The phone application is recognised by the last nine units of its path.
TEST(HostNameTest, OnlyAnExecutableWhoseNameEndsInCprogExeAttaches) {
  for (const auto& [exeName, attaches] : {std::pair{L"xcprog.exe", true}, std::pair{L"cprog.exe.bak", false}}) {
    SCOPED_TRACE(std::string(exeName, exeName + wcslen(exeName)));
    const TemporaryFolder folder(L"vostarel-hostname-");
    ASSERT_TRUE(CopyFileW(Bin(L"cprog.exe").c_str(), folder.File(exeName).c_str(), FALSE));
    for (const wchar_t* dll : {L"aygshell.dll", L"cellcore.dll", L"phone.dll", L"attach_probe.dll", L"Vostarel.dll"}) {
      ASSERT_TRUE(CopyFileW(Bin(dll).c_str(), folder.File(dll).c_str(), FALSE));
    }
    const PhoneSetup setup(VersionMode::kWin2003, exeName, folder.File(L"attach_probe.dll"));
    const ScopedEnvironment log(L"VOSTAREL_PROBE_LOG", folder.File(L"probe.log"));
    const ScopedEnvironment library(L"VOSTAREL_PROBE_LIBRARY", folder.File(L"Vostarel.dll"));
    {
      PhoneProcess phone(folder.File(exeName), L"--exit-after 2500");
      ASSERT_TRUE(phone.Started());
      phone.Finish();
    }
    const ProbeLog probe(folder.File(L"probe.log"));
    SCOPED_TRACE("probe log:\n" + probe.All());
    ASSERT_EQ(probe.Starting("loaded ok").size(), 1u);
    EXPECT_EQ(probe.Starting("command dialer 20102").size(), attaches ? 1u : 0u);
    EXPECT_EQ(probe.Starting("final").at(0).rfind(attaches ? "final dialer=vostarel.dll" : "final dialer=attach_probe.dll", 0), 0u);
  }
}

int ThreadsOfThisProcess() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

TEST(InertHostTest, InAnyOtherProgramTheLibraryBuildsNothingAndStartsNoThread) {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vostarel");
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Vostarel");
  ASSERT_FALSE(SettingsKeyExists());
  const int threadsBefore = ThreadsOfThisProcess();
  ASSERT_GT(threadsBefore, 0);

  const HMODULE library = LoadLibraryW(Bin(L"Vostarel.dll").c_str());
  ASSERT_NE(library, nullptr);
  Sleep(500);
  EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore) << "a loader thread was started";
  EXPECT_FALSE(SettingsKeyExists()) << "the settings were read: a main object was built";
  EXPECT_TRUE(FreeLibrary(library));
  EXPECT_EQ(GetModuleHandleW(L"Vostarel.dll"), nullptr) << "nothing holds the library";
}

}  // namespace
}  // namespace vostarel::testing
