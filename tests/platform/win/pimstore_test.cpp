// pimstore.dll driven as the library drives it: COM initialised
// multithreaded, CLSID_Application created, logged on, the contacts folder
// walked item by item, every object released, COM uninitialised.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <atomic>
#include <thread>
#include <vector>

#include "holders.h"
#include "device_folder.h"
#include "pimstore.h"
#include "stand_in_counters.h"
#include "stand_in_environment.h"

namespace vostarel::testing {
namespace {

// The text a BSTR holds, "<null>" for none, for comparisons and messages.
std::wstring TextOf(const Bstr& text) {
  return text.Get() == nullptr ? L"<null>" : std::wstring(text.Get());
}

constexpr char kContacts[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:501\r\nFN:Kim Minji\r\n"
    "TEL;TYPE=CELL:010-1111-2222\r\nTEL;TYPE=HOME:02-333-4444\r\nTEL;TYPE=WORK:02-555-6666\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Lee\\, Jun\r\n"
    "TEL;TYPE=home:h1\r\nTEL;TYPE=home:h2\r\nTEL;TYPE=work:w1\r\nTEL;TYPE=work:w2\r\n"
    "TEL;TYPE=car:c\r\nTEL;TYPE=pager:r\r\nTEL;TYPE=x-assistant:a\r\nTEL;TYPE=cell:m\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nFN:No Numbers\r\nEND:VCARD\r\n";

struct ContactRead {
  long Oid = 0;
  std::wstring FileAs;
  std::array<std::wstring, 8> Numbers;  // mobile, home, home 2, business, business 2, car, radio, assistant
};

using NumberGetter = HRESULT (STDMETHODCALLTYPE IContact::*)(BSTR*);
constexpr NumberGetter kNumberGetters[8] = {
    &IContact::get_MobileTelephoneNumber,   &IContact::get_HomeTelephoneNumber,
    &IContact::get_Home2TelephoneNumber,    &IContact::get_BusinessTelephoneNumber,
    &IContact::get_Business2TelephoneNumber, &IContact::get_CarTelephoneNumber,
    &IContact::get_RadioTelephoneNumber,    &IContact::get_AssistantTelephoneNumber,
};

ContactRead ReadContact(IContact* contact) {
  ContactRead read;
  for (size_t kind = 0; kind < 8; ++kind) {
    Bstr number;
    EXPECT_EQ((contact->*kNumberGetters[kind])(number.Receive()), S_OK) << kind;
    EXPECT_NE(number.Get(), nullptr) << "an absent number is an empty BSTR, not null";
    read.Numbers[kind] = TextOf(number);
  }
  EXPECT_EQ(contact->get_Oid(&read.Oid), S_OK);
  Bstr fileAs;
  EXPECT_EQ(contact->get_FileAs(fileAs.Receive()), S_OK);
  read.FileAs = TextOf(fileAs);
  return read;
}

// The library's walk: every call and every release in its order.
std::vector<ContactRead> WalkAddressBook(LONG* liveObjectsDuringWalk = nullptr) {
  std::vector<ContactRead> contacts;
  ComApartment com(COINIT_MULTITHREADED);
  EXPECT_TRUE(SUCCEEDED(com.Result()));
  ComPtr<IPOutlookApp> app;
  const HRESULT created = CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IPOutlookApp, app.ReceiveAs<void>());
  EXPECT_EQ(created, S_OK);
  if (!app) return contacts;
  EXPECT_EQ(app->Logon(0), S_OK);
  {
    ComPtr<IFolder> folder;
    EXPECT_EQ(app->GetDefaultFolder(olFolderContacts, folder.Receive()), S_OK);
    ComPtr<IPOutlookItemCollection> items;
    if (folder) {
      EXPECT_EQ(folder->get_Items(items.Receive()), S_OK);
    }
    int count = 0;
    if (items) {
      EXPECT_EQ(items->get_Count(&count), S_OK);
    }
    for (int index = 1; index <= count; ++index) {
      ComPtr<IContact> contact;
      EXPECT_EQ(items->Item(index, contact.ReceiveAs<IDispatch>()), S_OK) << index;
      if (!contact) continue;
      if (liveObjectsDuringWalk != nullptr) *liveObjectsDuringWalk = StandInLiveObjects();
      contacts.push_back(ReadContact(contact.Get()));
    }
  }
  EXPECT_EQ(app->Logoff(), S_OK);
  return contacts;
}

TEST(PimstoreRegistration, Regsvr32RegistersTheDllAsBothThreadedInprocServer) {
  ASSERT_EQ(InitialRegistrationExitCode(), 0);
  const wchar_t* key = L"CLSID\\{05058F23-20BE-11D2-8F18-0000F87A4335}\\InprocServer32";
  wchar_t value[MAX_PATH * 2];
  DWORD bytes = sizeof value;
  ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(lstrcmpiW(value, LoadedModulePath(L"pimstore.dll").c_str()), 0) << value;
  bytes = sizeof value;
  ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, key, L"ThreadingModel", RRF_RT_REG_SZ, nullptr, value,
                         &bytes),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, L"Both");
}

TEST(PimstoreRegistration, UnregisteredClassCannotBeCreatedUntilRegisteredAgain) {
  const std::wstring dll = L"\"" + LoadedModulePath(L"pimstore.dll") + L"\"";
  ComApartment com(COINIT_MULTITHREADED);
  ComPtr<IPOutlookApp> app;
  ASSERT_EQ(RunRegsvr32(L"/u /s " + dll), 0);
  EXPECT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                             app.ReceiveAs<void>()),
            REGDB_E_CLASSNOTREG);
  ASSERT_EQ(RunRegsvr32(L"/s " + dll), 0);
  EXPECT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                             app.ReceiveAs<void>()),
            S_OK);
}

TEST(PimstoreAddressBook, LibraryWalkReadsEveryContactAndLeavesNoObjectBehind) {
  WriteDeviceFile(platform::kContactsFileName, kContacts);
  ASSERT_EQ(StandInLiveObjects(), 0);
  LONG liveDuringWalk = 0;
  const std::vector<ContactRead> contacts = WalkAddressBook(&liveDuringWalk);
  EXPECT_EQ(liveDuringWalk, 4) << "application, folder, collection and one contact";
  EXPECT_EQ(StandInLiveObjects(), 0);

  ASSERT_EQ(contacts.size(), 3u);
  EXPECT_EQ(contacts[0].Oid, 501);
  EXPECT_EQ(contacts[0].FileAs, L"Kim Minji");
  EXPECT_EQ(contacts[0].Numbers,
            (std::array<std::wstring, 8>{L"010-1111-2222", L"02-333-4444", L"", L"02-555-6666",
                                         L"", L"", L"", L""}));
  EXPECT_EQ(contacts[1].Oid, 2);
  EXPECT_EQ(contacts[1].FileAs, L"Lee, Jun");
  EXPECT_EQ(contacts[1].Numbers, (std::array<std::wstring, 8>{L"m", L"h1", L"h2", L"w1", L"w2",
                                                              L"c", L"r", L"a"}));
  EXPECT_EQ(contacts[2].Oid, 3);
  EXPECT_EQ(contacts[2].Numbers, (std::array<std::wstring, 8>{}));
}

TEST(PimstoreAddressBook, MissingFileIsAnEmptyAddressBook) {
  RemoveDeviceFile(platform::kContactsFileName);
  EXPECT_EQ(WalkAddressBook().size(), 0u);
  EXPECT_EQ(StandInLiveObjects(), 0);
}

TEST(PimstoreAddressBook, FoldersNeedALogonAndOutliveTheLogoff) {
  WriteDeviceFile(platform::kContactsFileName, kContacts);
  ComApartment com(COINIT_MULTITHREADED);
  ComPtr<IPOutlookApp> app;
  ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                             app.ReceiveAs<void>()),
            S_OK);
  IFolder* untouched = reinterpret_cast<IFolder*>(0xdeadbeef);
  EXPECT_EQ(app->GetDefaultFolder(olFolderContacts, &untouched), E_UNEXPECTED);
  EXPECT_EQ(untouched, nullptr) << "a failure clears the out-parameter";
  ComPtr<IDispatch> item;
  EXPECT_EQ(app->GetItemFromOid(501, item.Receive()), E_UNEXPECTED);
  ComPtr<IFolder> folder;

  ASSERT_EQ(app->Logon(0), S_OK);
  EXPECT_EQ(app->GetDefaultFolder(olFolderCalendar, folder.Receive()), E_NOTIMPL);
  ASSERT_EQ(app->GetDefaultFolder(olFolderContacts, folder.Receive()), S_OK);
  ASSERT_EQ(app->Logoff(), S_OK);
  EXPECT_EQ(app->GetDefaultFolder(olFolderContacts, folder.Receive()), E_UNEXPECTED);

  ASSERT_EQ(app->Logon(0), S_OK);
  ASSERT_EQ(app->GetDefaultFolder(olFolderContacts, folder.Receive()), S_OK);
  app.Reset();  // the folder keeps its contacts without the application
  ComPtr<IPOutlookItemCollection> items;
  ASSERT_EQ(folder->get_Items(items.Receive()), S_OK);
  int count = 0;
  EXPECT_EQ(items->get_Count(&count), S_OK);
  EXPECT_EQ(count, 3);
  ComPtr<IDispatch> contact;
  EXPECT_EQ(items->Item(0, contact.Receive()), E_INVALIDARG);
  EXPECT_EQ(items->Item(4, contact.Receive()), E_INVALIDARG);
  EXPECT_EQ(contact.Get(), nullptr);
  EXPECT_EQ(items->Item(3, nullptr), E_INVALIDARG);
}

TEST(PimstoreObjects, QueryInterfaceAnswersOwnInterfacesAndNoProxyStandsBetween) {
  WriteDeviceFile(platform::kContactsFileName, kContacts);
  for (const DWORD model : {COINIT_MULTITHREADED, COINIT_APARTMENTTHREADED}) {
    std::thread([model] {
      ComApartment com(model);
      ComPtr<IPOutlookApp> app;
      ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IPOutlookApp, app.ReceiveAs<void>()),
                S_OK);
      // A proxy would answer IMarshal; the stand-in's own objects do not.
      ComPtr<IUnknown> marshal;
      EXPECT_EQ(app->QueryInterface(IID_IMarshal, marshal.ReceiveAs<void>()), E_NOINTERFACE)
          << "apartment model " << model;
      ASSERT_EQ(app->Logon(0), S_OK);
      ComPtr<IDispatch> item;
      ASSERT_EQ(app->GetItemFromOid(501, item.Receive()), S_OK);
      ComPtr<IContact> contact;
      EXPECT_EQ(item->QueryInterface(IID_IContact, contact.ReceiveAs<void>()), S_OK);
      ComPtr<IUnknown> unknown;
      EXPECT_EQ(item->QueryInterface(IID_IUnknown, unknown.ReceiveAs<void>()), S_OK);
      EXPECT_EQ(static_cast<void*>(unknown.Get()), static_cast<void*>(contact.Get()));
      void* wrong = reinterpret_cast<void*>(0xdeadbeef);
      EXPECT_EQ(item->QueryInterface(IID_IFolder, &wrong), E_NOINTERFACE);
      EXPECT_EQ(wrong, nullptr);
      EXPECT_EQ(item->AddRef(), 4u);
      EXPECT_EQ(item->Release(), 3u);
      ComPtr<IDispatch> missing;
      EXPECT_EQ(app->GetItemFromOid(999, missing.Receive()), E_INVALIDARG);
    }).join();
  }
  EXPECT_EQ(StandInLiveObjects(), 0);
}

TEST(PimstoreObjects, ModuleCanUnloadOnlyWithoutLiveObjects) {
  using CanUnload = HRESULT(STDAPICALLTYPE*)();
  const auto canUnload = reinterpret_cast<CanUnload>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"pimstore.dll"), "DllCanUnloadNow")));
  ASSERT_NE(canUnload, nullptr);
  ComApartment com(COINIT_MULTITHREADED);
  {
    ComPtr<IPOutlookApp> app;
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               app.ReceiveAs<void>()),
              S_OK);
    EXPECT_EQ(canUnload(), S_FALSE);
  }
  EXPECT_EQ(canUnload(), S_OK);
}

// Calls the method in vtable slot `slot` of a COM object.
template <class... Arguments>
HRESULT CallSlot(void* object, int slot, Arguments... arguments) {
  using Method = HRESULT(STDMETHODCALLTYPE*)(void*, Arguments...);
  void** table = *static_cast<void***>(object);
  return reinterpret_cast<Method>(table[slot])(object, arguments...);
}

TEST(PimstoreObjects, MethodsSitInThePlatformsVtableSlots) {
  WriteDeviceFile(platform::kContactsFileName, kContacts);
  ComApartment com(COINIT_MULTITHREADED);
  ComPtr<IPOutlookApp> app;
  ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                             app.ReceiveAs<void>()),
            S_OK);
  // IPOutlookApp: Logon 7, Logoff 8, GetDefaultFolder 10, GetItemFromOid 12.
  ASSERT_EQ(CallSlot(app.Get(), 7, 0L), S_OK);
  ComPtr<IFolder> folder;
  ASSERT_EQ(CallSlot(app.Get(), 10, static_cast<int>(olFolderContacts), folder.Receive()), S_OK);
  // IFolder: get_Items 7. IPOutlookItemCollection: get_Count 8, Item 11.
  ComPtr<IPOutlookItemCollection> items;
  ASSERT_EQ(CallSlot(folder.Get(), 7, items.Receive()), S_OK);
  int count = 0;
  ASSERT_EQ(CallSlot(items.Get(), 8, &count), S_OK);
  EXPECT_EQ(count, 3);
  ComPtr<IDispatch> contact;
  ASSERT_EQ(CallSlot(items.Get(), 11, 2, contact.Receive()), S_OK);

  // IContact: getters from slot 7 in published order, get_Oid at 111.
  const struct {
    int Slot;
    const wchar_t* Expected;
  } getters[] = {{13, L"m"},  {18, L"h1"}, {22, L"h2"}, {16, L"w1"},      {30, L"w2"},
                 {24, L"c"},  {51, L"r"},  {26, L"a"},  {52, L"Lee, Jun"}};
  for (const auto& getter : getters) {
    Bstr text;
    EXPECT_EQ(CallSlot(contact.Get(), getter.Slot, text.Receive()), S_OK) << getter.Slot;
    EXPECT_EQ(TextOf(text), getter.Expected) << "slot " << getter.Slot;
  }
  long oid = 0;
  EXPECT_EQ(CallSlot(contact.Get(), 111, &oid), S_OK);
  EXPECT_EQ(oid, 2);
  // Neighbouring slots are other properties, not implemented.
  Bstr other;
  EXPECT_EQ(CallSlot(contact.Get(), 9, other.Receive()), E_NOTIMPL);  // BusinessFaxNumber
  EXPECT_EQ(other.Get(), nullptr);

  ComPtr<IDispatch> byOid;
  ASSERT_EQ(CallSlot(app.Get(), 12, 501L, byOid.Receive()), S_OK);
  ASSERT_EQ(CallSlot(app.Get(), 8), S_OK);
}

TEST(PimstoreDisplay, DisplayShowsTheContactOwnedByTheLogonWindowUntilDismissed) {
  WriteDeviceFile(platform::kContactsFileName, kContacts);
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                     nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  const LONG displaysBefore = StandInDisplayCount();
  {
    ComApartment com(COINIT_MULTITHREADED);
    ComPtr<IPOutlookApp> app;
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IPOutlookApp, app.ReceiveAs<void>()),
              S_OK);
    ASSERT_EQ(app->Logon(static_cast<long>(reinterpret_cast<LONG_PTR>(owner))), S_OK);
    ComPtr<IContact> contact;
    ASSERT_EQ(app->GetItemFromOid(501, contact.ReceiveAs<IDispatch>()), S_OK);

    // A second thread reads the card while it is up, then dismisses it.
    const DWORD uiThread = GetCurrentThreadId();
    std::wstring cardText, cardTitle;
    HWND cardOwner = nullptr;
    LONG shownOid = 0;
    wchar_t shownFileAs[64] = L"";
    std::thread dismisser([&] {
      for (int tries = 0; tries < 400; ++tries) {
        const HWND card = FindThreadWindow(uiThread, L"#32770");
        if (card == nullptr) {
          Sleep(50);
          continue;
        }
        wchar_t text[512] = L"";
        // The box exists a moment before its text control does.
        if (GetDlgItemTextW(card, 0xFFFF, text, 512) == 0) {
          Sleep(50);
          continue;
        }
        cardText = text;
        GetWindowTextW(card, text, 512);
        cardTitle = text;
        cardOwner = GetWindow(card, GW_OWNER);
        StandInLastDisplayed(&shownOid, shownFileAs, 64);
        PostMessageW(card, WM_COMMAND, IDOK, 0);
        return;
      }
    });
    EXPECT_EQ(contact->Display(), S_OK);
    dismisser.join();
    EXPECT_EQ(cardTitle, L"Kim Minji");
    EXPECT_EQ(cardText, L"Kim Minji\nMobile: 010-1111-2222\nHome: 02-333-4444\nWork: 02-555-6666");
    EXPECT_EQ(cardOwner, owner);
    EXPECT_EQ(shownOid, 501);
    EXPECT_STREQ(shownFileAs, L"Kim Minji");
    app->Logoff();
  }
  EXPECT_EQ(StandInDisplayCount(), displaysBefore + 1);
  wchar_t cut[4];
  LONG oid = 0;
  EXPECT_TRUE(StandInLastDisplayed(&oid, cut, 4));
  EXPECT_STREQ(cut, L"Kim") << "cut to the capacity and terminated";
  DestroyWindow(owner);
  EXPECT_EQ(StandInLiveObjects(), 0);
}

}  // namespace
}  // namespace vostarel::testing
