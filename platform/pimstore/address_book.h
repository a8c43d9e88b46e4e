// The address-book objects behind CLSID_Application, backed by the device
// data folder's contacts.vcf.
//
// The application object reads the file when it logs on (each Logon reads
// it again) and shares the parsed contacts, read-only, with every folder,
// item collection and contact it hands out; those keep the contacts alive
// after Logoff or after the application object is gone. Before Logon and
// after Logoff, GetDefaultFolder and GetItemFromOid fail with E_UNEXPECTED:
// on the platform Logon must come first. A missing or unreadable file is an
// empty address book.
//
// Every call that the library makes can fail on purpose (fault_injection.h):
// it then returns E_FAIL and has changed nothing, out-parameters included.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "dispatch_object.h"
#include "fault_plan.h"
#include "stubs.h"
#include "vcard.h"

namespace vostarel::pimstore {

struct ContactBook {
  std::vector<device::VCardContact> Contacts;
};

// What the objects handed out by one logged-on application share.
struct Session {
  std::shared_ptr<const ContactBook> Book;
  HWND Owner = nullptr;  // the window given to Logon, parent of Display's card
};

class Application final : public DispatchObject<AppStubs, IID_IPOutlookApp> {
 public:
  Application() = default;

  HRESULT STDMETHODCALLTYPE Logon(long hWnd) override;
  HRESULT STDMETHODCALLTYPE Logoff() override;
  HRESULT STDMETHODCALLTYPE GetDefaultFolder(int olFolder, IFolder** folder) override;
  HRESULT STDMETHODCALLTYPE GetItemFromOid(long oid, IDispatch** item) override;

 private:
  // The current session; false before Logon and after Logoff.
  bool CurrentSession(Session* session);

  SRWLOCK lock_ = SRWLOCK_INIT;
  Session session_;
};

class Folder final : public DispatchObject<FolderStubs, IID_IFolder> {
 public:
  explicit Folder(Session session) : session_(std::move(session)) {}
  HRESULT STDMETHODCALLTYPE get_Items(IPOutlookItemCollection** items) override;

 private:
  const Session session_;
};

class ItemCollection final
    : public DispatchObject<ItemCollectionStubs, IID_IPOutlookItemCollection> {
 public:
  explicit ItemCollection(Session session) : session_(std::move(session)) {}
  HRESULT STDMETHODCALLTYPE get_Count(int* count) override;
  // index from 1.
  HRESULT STDMETHODCALLTYPE Item(int index, IDispatch** item) override;

 private:
  const Session session_;
};

class Contact final : public DispatchObject<ContactStubs, IID_IContact> {
 public:
  Contact(Session session, size_t index) : session_(std::move(session)), index_(index) {}

  // An absent number reads as S_OK with an empty BSTR, as on the platform,
  // where every text property of a contact exists and may be empty.
  HRESULT STDMETHODCALLTYPE get_MobileTelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_HomeTelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_Home2TelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_BusinessTelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_Business2TelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_CarTelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_RadioTelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_AssistantTelephoneNumber(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_FileAs(BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_Oid(long* oid) override;
  // Shows the contact's card, modal as on the platform: returns when the
  // card is dismissed. See contact_card.h.
  HRESULT STDMETHODCALLTYPE Display() override;

 private:
  const device::VCardContact& Data() const { return session_.Book->Contacts[index_]; }
  HRESULT GetNumber(device::NumberKind kind, faults::FaultPoint call, BSTR* text);

  const Session session_;
  const size_t index_;
};

}  // namespace vostarel::pimstore
