// LoadAddressBook: every contact of the address book's contacts folder,
// through the address book's COM objects.
#include <cstdint>

#include "holders.h"
#include "dial_helper.h"
#include "pimstore.h"
#include "process_values.h"
#include "store_loaders.h"
#include "win_text.h"

namespace vostarel {
namespace {

using NumberProperty = HRESULT (STDMETHODCALLTYPE IContact::*)(BSTR*);

// The number properties in slot order (ContactNumberKind).
constexpr NumberProperty kNumberProperties[] = {
    &IContact::get_MobileTelephoneNumber,    &IContact::get_HomeTelephoneNumber,
    &IContact::get_Home2TelephoneNumber,     &IContact::get_BusinessTelephoneNumber,
    &IContact::get_Business2TelephoneNumber, &IContact::get_CarTelephoneNumber,
    &IContact::get_RadioTelephoneNumber,     &IContact::get_AssistantTelephoneNumber,
};
static_assert(std::size(kNumberProperties) == std::tuple_size_v<ContactNumbers>);

// Reads one contact and hands it to AddContact. The texts are freed when
// their holders go, after AddContact has copied them.
void ReadContact(ContactIndex& index, IContact* contact) {
  Bstr texts[std::size(kNumberProperties)];
  ContactNumbers numbers{};
  bool anyNumber = false;
  for (size_t kind = 0; kind < numbers.size(); ++kind) {
    const HRESULT result = (contact->*kNumberProperties[kind])(texts[kind].Receive());
    const BSTR text = texts[kind].Get();
    if (SUCCEEDED(result) && text != nullptr && text[0] != 0) {
      numbers[kind] = AsUtf16(text);
      anyNumber = true;
    }
  }
  if (!anyNumber) return;

  long oid = 0;  // a contact whose id cannot be read keeps id 0
  if (FAILED(contact->get_Oid(&oid))) oid = 0;
  Bstr fileAs;
  const HRESULT named = contact->get_FileAs(fileAs.Receive());
  const char16_t* name = SUCCEEDED(named) ? AsUtf16(fileAs.Get()) : nullptr;
  AddContact(index, static_cast<int32_t>(oid), numbers, name);
}

// Reads every item of the collection into a store with room for all of them.
void ReadItems(ContactIndex& index, IPOutlookItemCollection* items) {
  int count = 0;
  items->get_Count(&count);
  if (count <= 0) return;
  if (!index.AddressBook.Reset(static_cast<uint32_t>(count))) return;
  for (int i = 1; i <= count; ++i) {
    ComPtr<IContact> contact;
    if (FAILED(items->Item(i, contact.ReceiveAs<IDispatch>())) || !contact) continue;
    ReadContact(index, contact.Get());
  }
}

// The contacts folder of a logged-on application. The collection is
// released before the folder.
void ReadContactsFolder(ContactIndex& index, IPOutlookApp* app) {
  ComPtr<IFolder> folder;
  if (FAILED(app->GetDefaultFolder(olFolderContacts, folder.Receive())) || !folder) return;
  ComPtr<IPOutlookItemCollection> items;
  if (FAILED(folder->get_Items(items.Receive())) || !items) return;
  ReadItems(index, items.Get());
}

}  // namespace

void LoadAddressBook(DialHelper& helper) {
  ContactIndex& index = helper.Index;
  index.Results.Count = 0;  // the list may point into the array released now
  index.AddressBook.Release();
  if ((helper.Options.Flags & SettingsFlags::kLoadAddressBook) == 0) return;

  // Declared in this order so that the application object is released
  // before COM is uninitialised.
  ComApartment com(COINIT_MULTITHREADED);
  ComPtr<IPOutlookApp> app;
  if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IPOutlookApp, app.ReceiveAs<void>())) ||
      !app) {
    return;
  }
  app->Logon(0);
  ReadContactsFolder(index, app.Get());
  app->Logoff();
}

void LoadAddressBook() {
  if (g_mainObject != nullptr) LoadAddressBook(*g_mainObject);
}

}  // namespace vostarel
