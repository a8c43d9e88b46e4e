#include "address_book.h"

#include <oleauto.h>

#include <climits>
#include <new>
#include <string>
#include <utility>

#include "contact_card.h"
#include "device_folder.h"
#include "fault_injection.h"
#include "win_text.h"

namespace vostarel::pimstore {
namespace {

using device::NumberKind;
using faults::FaultPoint;
using faults::InjectFault;

// What an address-book call that fails on purpose returns; it has changed
// nothing by then, out-parameters included.
constexpr HRESULT kInjectedFailure = E_FAIL;

std::shared_ptr<const ContactBook> ReadContactBook() {
  auto book = std::make_shared<ContactBook>();
  std::string bytes;
  if (platform::ReadFileBytes(platform::DeviceDataPath(platform::kContactsFileName), &bytes)) {
    book->Contacts = device::ParseVCards(bytes);
  }
  return book;
}

HRESULT MakeBstr(const std::u16string& text, BSTR* out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = SysAllocStringLen(vostarel::AsWide(text.c_str()), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// Hands out a new object through an interface pointer, or fails with the
// out-parameter cleared.
template <class Object, class Interface, class... Arguments>
HRESULT Create(Interface** out, Arguments&&... arguments) {
  if (out == nullptr) return E_INVALIDARG;
  *out = new (std::nothrow) Object(std::forward<Arguments>(arguments)...);
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

// --- Application -----------------------------------------------------------------------

HRESULT Application::Logon(long hWnd) {
  if (InjectFault(FaultPoint::Logon)) return kInjectedFailure;
  try {
    std::shared_ptr<const ContactBook> book = ReadContactBook();
    AcquireSRWLockExclusive(&lock_);
    session_.Book = std::move(book);
    session_.Owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(hWnd));
    ReleaseSRWLockExclusive(&lock_);
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT Application::Logoff() {
  AcquireSRWLockExclusive(&lock_);
  session_ = Session{};
  ReleaseSRWLockExclusive(&lock_);
  return S_OK;
}

bool Application::CurrentSession(Session* session) {
  AcquireSRWLockShared(&lock_);
  *session = session_;
  ReleaseSRWLockShared(&lock_);
  return session->Book != nullptr;
}

HRESULT Application::GetDefaultFolder(int olFolder, IFolder** folder) {
  if (InjectFault(FaultPoint::GetDefaultFolder)) return kInjectedFailure;
  if (folder == nullptr) return E_INVALIDARG;
  *folder = nullptr;
  if (olFolder != olFolderContacts) return E_NOTIMPL;  // the stand-in has no other folder
  Session session;
  if (!CurrentSession(&session)) return E_UNEXPECTED;
  return Create<Folder>(folder, std::move(session));
}

HRESULT Application::GetItemFromOid(long oid, IDispatch** item) {
  if (InjectFault(FaultPoint::GetItemFromOid)) return kInjectedFailure;
  if (item == nullptr) return E_INVALIDARG;
  *item = nullptr;
  Session session;
  if (!CurrentSession(&session)) return E_UNEXPECTED;
  const auto& contacts = session.Book->Contacts;
  for (size_t index = 0; index < contacts.size(); ++index) {
    if (contacts[index].Oid == oid) return Create<Contact>(item, std::move(session), index);
  }
  return E_INVALIDARG;
}

// --- Folder and item collection ----------------------------------------------------------

HRESULT Folder::get_Items(IPOutlookItemCollection** items) {
  if (InjectFault(FaultPoint::get_Items)) return kInjectedFailure;
  return Create<ItemCollection>(items, session_);
}

HRESULT ItemCollection::get_Count(int* count) {
  if (InjectFault(FaultPoint::get_Count)) return kInjectedFailure;
  if (count == nullptr) return E_INVALIDARG;
  const size_t size = session_.Book->Contacts.size();
  *count = size > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
  return S_OK;
}

HRESULT ItemCollection::Item(int index, IDispatch** item) {
  if (InjectFault(FaultPoint::Item)) return kInjectedFailure;
  if (item == nullptr) return E_INVALIDARG;
  *item = nullptr;
  if (index < 1 || static_cast<size_t>(index) > session_.Book->Contacts.size()) {
    return E_INVALIDARG;
  }
  return Create<Contact>(item, session_, static_cast<size_t>(index) - 1);
}

// --- Contact -------------------------------------------------------------------------------

HRESULT Contact::GetNumber(NumberKind kind, FaultPoint call, BSTR* text) {
  if (InjectFault(call)) return kInjectedFailure;
  return MakeBstr(Data().Number(kind), text);
}

HRESULT Contact::get_MobileTelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Mobile, FaultPoint::get_MobileTelephoneNumber, text);
}
HRESULT Contact::get_HomeTelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Home, FaultPoint::get_HomeTelephoneNumber, text);
}
HRESULT Contact::get_Home2TelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Home2, FaultPoint::get_Home2TelephoneNumber, text);
}
HRESULT Contact::get_BusinessTelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Business, FaultPoint::get_BusinessTelephoneNumber, text);
}
HRESULT Contact::get_Business2TelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Business2, FaultPoint::get_Business2TelephoneNumber, text);
}
HRESULT Contact::get_CarTelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Car, FaultPoint::get_CarTelephoneNumber, text);
}
HRESULT Contact::get_RadioTelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Radio, FaultPoint::get_RadioTelephoneNumber, text);
}
HRESULT Contact::get_AssistantTelephoneNumber(BSTR* text) {
  return GetNumber(NumberKind::Assistant, FaultPoint::get_AssistantTelephoneNumber, text);
}

HRESULT Contact::get_FileAs(BSTR* text) {
  if (InjectFault(FaultPoint::get_FileAs)) return kInjectedFailure;
  return MakeBstr(Data().FileAs, text);
}

HRESULT Contact::get_Oid(long* oid) {
  if (InjectFault(FaultPoint::get_Oid)) return kInjectedFailure;
  if (oid == nullptr) return E_INVALIDARG;
  *oid = Data().Oid;
  return S_OK;
}

HRESULT Contact::Display() {
  if (InjectFault(FaultPoint::Display)) return kInjectedFailure;
  try {
    return ShowContactCard(Data(), session_.Owner);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace vostarel::pimstore
