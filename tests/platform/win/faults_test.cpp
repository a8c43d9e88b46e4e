// Each stand-in fails the calls its fault plan names the way the platform's
// own calls fail: the platform's error result, nothing changed, out-
// parameters left as they were; and it counts what it failed.
#include <gtest/gtest.h>

#include <string>

#include "holders.h"
#include "device_folder.h"
#include "device_sizes.h"
#include "phone.h"
#include "pimstore.h"
#include "simmgr.h"
#include "stand_in_counters.h"
#include "stand_in_environment.h"
#include "tapi_request.h"

namespace vostarel::testing {
namespace {

constexpr DWORD kSentinel = 0xdeadbeef;
const HANDLE kUntouchedHandle = reinterpret_cast<HANDLE>(0xdeadbeef);

// One stand-in's fault switch and count (each DLL has its own exports).
class StandInFaults {
 public:
  explicit StandInFaults(const wchar_t* dll) : module_(GetModuleHandleW(dll)) {
    set_ = reinterpret_cast<decltype(&StandInSetFaults)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "StandInSetFaults")));
    injected_ = reinterpret_cast<decltype(&StandInFaultsInjected)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "StandInFaultsInjected")));
  }
  ~StandInFaults() {
    if (set_ != nullptr) set_(nullptr);
  }
  // Every call named fails from now on; the count so far is kept.
  void FailAlways(const std::wstring& names) {
    ASSERT_NE(set_, nullptr);
    EXPECT_TRUE(set_((L"1:1000:" + names).c_str()));
    base_ = injected_();
  }
  void FailNothing() { set_(nullptr); }
  // Failures injected since the last FailAlways.
  LONG Injected() const { return injected_() - base_; }
  bool Refuses(const wchar_t* plan) { return !set_(plan); }

 private:
  HMODULE module_;
  decltype(&StandInSetFaults) set_ = nullptr;
  decltype(&StandInFaultsInjected) injected_ = nullptr;
  LONG base_ = 0;
};

TEST(StandInFaults, CallLogCallsFailWithoutMovingTheLogOrTouchingTheRecord) {
  WriteDeviceFile(platform::kCallLogFileName, "0100\tAlice\r\n0200\tBob\r\n");
  StandInFaults faults(L"phone.dll");
  faults.FailAlways(L"PhoneOpenCallLog");
  HANDLE log = kUntouchedHandle;
  EXPECT_EQ(PhoneOpenCallLog(&log), E_FAIL);
  EXPECT_EQ(log, kUntouchedHandle);
  EXPECT_EQ(StandInOpenCallLogHandles(), 0);
  EXPECT_EQ(faults.Injected(), 1);

  faults.FailAlways(L"PhoneSeekCallLog,PhoneGetCallLogEntry,LocalAlloc");
  ASSERT_EQ(PhoneOpenCallLog(&log), S_OK);
  DWORD position = kSentinel;
  EXPECT_EQ(PhoneSeekCallLog(log, CALLLOGSEEK_END, 0, &position), E_FAIL);
  EXPECT_EQ(position, kSentinel);
  CALLLOGENTRY entry{};
  entry.cbSize = kCallLogEntrySize;
  entry.pszNumber = entry.pszName = reinterpret_cast<PWSTR>(kUntouchedHandle);
  EXPECT_EQ(PhoneGetCallLogEntry(log, &entry), E_FAIL);
  faults.FailAlways(L"LocalAlloc");
  EXPECT_EQ(PhoneGetCallLogEntry(log, &entry), E_OUTOFMEMORY) << "the strings could not be had";
  EXPECT_EQ(faults.Injected(), 1) << "after the first string failed, no other was asked for";
  EXPECT_EQ(entry.pszNumber, reinterpret_cast<PWSTR>(kUntouchedHandle));
  EXPECT_EQ(entry.pszName, reinterpret_cast<PWSTR>(kUntouchedHandle));
  EXPECT_EQ(StandInOutstandingStrings(), 0);

  faults.FailNothing();
  ASSERT_EQ(PhoneGetCallLogEntry(log, &entry), S_OK);
  EXPECT_STREQ(entry.pszNumber, L"0100") << "the failed reads did not move past a record";
  for (PWSTR text : {entry.pszNumber, entry.pszName, entry.pszNote, entry.pszNameType}) LocalFree(text);
  EXPECT_EQ(PhoneCloseCallLog(log), S_OK);
}

TEST(StandInFaults, SimCallsFailAsABusySimAndACallRequestAsFailed) {
  WriteDeviceFile(platform::kSimFileName, "250\r\n3\tAlice\t0100\r\n");
  StandInFaults faults(L"cellcore.dll");
  faults.FailAlways(L"SimInitialize");
  HSIM sim = kUntouchedHandle;
  EXPECT_EQ(SimInitialize(0, nullptr, 0, &sim), SIM_E_NOTREADY);
  EXPECT_EQ(sim, kUntouchedHandle);
  EXPECT_EQ(StandInOpenSimHandles(), 0);

  faults.FailAlways(L"SimGetPhonebookStatus,SimReadPhonebookEntry,tapiRequestMakeCall");
  ASSERT_EQ(SimInitialize(0, nullptr, 0, &sim), S_OK);
  DWORD used = kSentinel, total = kSentinel;
  EXPECT_EQ(SimGetPhonebookStatus(sim, SIM_PBSTORAGE_SIM, &used, &total), SIM_E_SIMBUSY);
  EXPECT_EQ(used, kSentinel);
  EXPECT_EQ(total, kSentinel);
  SIMPHONEBOOKENTRY entry{};
  entry.cbSize = kSimPhonebookEntrySize;
  entry.lpszAddress[0] = L'?';
  EXPECT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 3, &entry), SIM_E_SIMBUSY);
  EXPECT_EQ(entry.lpszAddress[0], L'?');
  // No phone application runs: a request that got as far would find no recipient.
  EXPECT_EQ(tapiRequestMakeCall(L"0100", nullptr, L"Alice", nullptr), TAPIERR_REQUESTFAILED);
  EXPECT_EQ(faults.Injected(), 3);

  EXPECT_TRUE(faults.Refuses(L"1:1000:SimReadPhonebookEntry,Nope")) << "an unknown name: no plan";
  EXPECT_EQ(SimReadPhonebookEntry(sim, SIM_PBSTORAGE_SIM, 3, &entry), S_OK) << "and nothing fails";
  EXPECT_STREQ(entry.lpszAddress, L"0100");
  EXPECT_EQ(SimDeinitialize(sim), S_OK);
}

TEST(StandInFaults, AddressBookCallsFailWithoutTouchingTheirOutParameters) {
  WriteDeviceFile(platform::kContactsFileName,
                  "BEGIN:VCARD\r\nUID:7\r\nFN:Kim\r\nTEL;TYPE=CELL:0100\r\nEND:VCARD\r\n");
  StandInFaults faults(L"pimstore.dll");
  ComApartment com(COINIT_MULTITHREADED);
  {
    faults.FailAlways(L"CoCreateInstance");
    ComPtr<IPOutlookApp> app;
    EXPECT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               app.ReceiveAs<void>()),
              E_OUTOFMEMORY);
    EXPECT_EQ(faults.Injected(), 1);

    faults.FailAlways(L"Logon,GetDefaultFolder,get_Items,get_Count,Item,get_MobileTelephoneNumber,"
                      L"get_HomeTelephoneNumber,get_Home2TelephoneNumber,get_BusinessTelephoneNumber,"
                      L"get_Business2TelephoneNumber,get_CarTelephoneNumber,get_RadioTelephoneNumber,"
                      L"get_AssistantTelephoneNumber,get_FileAs,get_Oid,GetItemFromOid,Display");
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               app.ReceiveAs<void>()),
              S_OK);
    EXPECT_EQ(app->Logon(0), E_FAIL);
    IFolder* untouchedFolder = reinterpret_cast<IFolder*>(kUntouchedHandle);
    EXPECT_EQ(app->GetDefaultFolder(olFolderContacts, &untouchedFolder), E_FAIL);
    EXPECT_EQ(untouchedFolder, reinterpret_cast<IFolder*>(kUntouchedHandle));

    faults.FailNothing();
    ASSERT_EQ(app->Logon(0), S_OK);
    ComPtr<IFolder> folder;
    ASSERT_EQ(app->GetDefaultFolder(olFolderContacts, folder.Receive()), S_OK);
    ComPtr<IPOutlookItemCollection> items;
    ASSERT_EQ(folder->get_Items(items.Receive()), S_OK);
    ComPtr<IContact> contact;
    ASSERT_EQ(items->Item(1, contact.ReceiveAs<IDispatch>()), S_OK);

    faults.FailAlways(L"get_Items,get_Count,Item,get_MobileTelephoneNumber,get_FileAs,get_Oid,"
                      L"GetItemFromOid,Display");
    IPOutlookItemCollection* untouchedItems = reinterpret_cast<IPOutlookItemCollection*>(kUntouchedHandle);
    EXPECT_EQ(folder->get_Items(&untouchedItems), E_FAIL);
    EXPECT_EQ(untouchedItems, reinterpret_cast<IPOutlookItemCollection*>(kUntouchedHandle));
    int count = static_cast<int>(kSentinel);
    EXPECT_EQ(items->get_Count(&count), E_FAIL);
    EXPECT_EQ(count, static_cast<int>(kSentinel));
    IDispatch* untouchedItem = reinterpret_cast<IDispatch*>(kUntouchedHandle);
    EXPECT_EQ(items->Item(1, &untouchedItem), E_FAIL);
    EXPECT_EQ(app->GetItemFromOid(7, &untouchedItem), E_FAIL);
    EXPECT_EQ(untouchedItem, reinterpret_cast<IDispatch*>(kUntouchedHandle));
    BSTR untouchedText = reinterpret_cast<BSTR>(kUntouchedHandle);
    EXPECT_EQ(contact->get_MobileTelephoneNumber(&untouchedText), E_FAIL);
    EXPECT_EQ(contact->get_FileAs(&untouchedText), E_FAIL);
    EXPECT_EQ(untouchedText, reinterpret_cast<BSTR>(kUntouchedHandle));
    long oid = static_cast<long>(kSentinel);
    EXPECT_EQ(contact->get_Oid(&oid), E_FAIL);
    EXPECT_EQ(oid, static_cast<long>(kSentinel));
    const LONG shown = StandInDisplayCount();
    EXPECT_EQ(contact->Display(), E_FAIL);
    EXPECT_EQ(StandInDisplayCount(), shown) << "no card was shown";
    EXPECT_EQ(faults.Injected(), 8);

    faults.FailNothing();
    Bstr number;
    EXPECT_EQ(contact->get_MobileTelephoneNumber(number.Receive()), S_OK);
    EXPECT_STREQ(number.Get(), L"0100");
    EXPECT_EQ(app->Logoff(), S_OK);
  }
  EXPECT_EQ(StandInLiveObjects(), 0) << "a failed call made no object";
}

}  // namespace
}  // namespace vostarel::testing
