// The device platform's address-book object model (pimstore.h), which the
// desktop SDK lacks: class and interface identifiers, folder numbers and the
// four dual interfaces that the address-book reader walks. pimstore.dll
// serves CLSID_Application.
//
// Each interface lists every method in the platform's vtable order: the
// slots after IDispatch's seven must match the device's, so nothing here may
// be reordered, added or left out. IContact in particular keeps all its
// property getters first, then all setters, then its methods.
#pragma once

#include <windows.h>
#include <oaidl.h>

// --- Identifiers -----------------------------------------------------------------
inline constexpr CLSID CLSID_Application = {
    0x05058F23, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline constexpr IID IID_IPOutlookApp = {
    0x05058F22, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline constexpr IID IID_IFolder = {
    0x05058F20, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline constexpr IID IID_IPOutlookItemCollection = {
    0xF06748C0, 0x21A5, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline constexpr IID IID_IContact = {
    0x7F804E40, 0x2010, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};

// --- Constants ---------------------------------------------------------------------
enum OlDefaultFolders {
  olFolderCalendar = 9,
  olFolderContacts = 10,
  olFolderTasks = 13,
  olFolderCities = 101,
  olFolderInfrared = 102,
};

enum OlItemType {
  olAppointmentItem = 1,
  olContactItem = 2,
  olTaskItem = 3,
  olCityItem = 102,
};

// A binary property value (the contact's ink notes).
typedef struct _CEBLOB {
  DWORD dwCount;
  LPBYTE lpb;
} CEBLOB;

struct ICity;
struct ITimeZone;
struct IFolder;
struct IPOutlookItemCollection;
struct IContact;

// --- IPOutlookApp: the application object, the root of everything -------------------
struct IPOutlookApp : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Logon(long hWnd) = 0;
  virtual HRESULT STDMETHODCALLTYPE Logoff() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Version(BSTR* pbstrVersion) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDefaultFolder(int olFolder, IFolder** ppIFolder) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateItem(int olItem, IDispatch** ppPOutlookItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItemFromOid(long oid, IDispatch** ppPOutlookItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeCity(ICity** ppHomeCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeCity(ICity* pHomeCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_VisitingCity(ICity** ppVisitingCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_VisitingCity(ICity* pVisitingCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentCityIndex(long* pnolCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_CurrentCityIndex(long olCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE ReceiveFromInfrared() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OutlookCompatible(VARIANT_BOOL* pfCompat) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTimeZoneFromIndex(int cTimezone, ITimeZone** ppTz) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTimeZoneInformationFromIndex(
      int cTimezone, TIME_ZONE_INFORMATION* ptzInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
  // Same names as the OLE Automation functions; inside a class derived from
  // IPOutlookApp, call those as ::SysFreeString and so on.
  virtual HRESULT STDMETHODCALLTYPE SysFreeString(BSTR bstr) = 0;
  virtual HRESULT STDMETHODCALLTYPE VariantTimeToSystemTime(DATE date, SYSTEMTIME* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE SystemTimeToVariantTime(SYSTEMTIME* pst, DATE* pdate) = 0;
};

// --- IFolder: one of the default folders --------------------------------------------
struct IFolder : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Items(IPOutlookItemCollection** ppolItems) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* polItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddItemToInfraredFolder(int olItem, IDispatch* polItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE SendToInfrared() = 0;
  virtual HRESULT STDMETHODCALLTYPE ReceiveFromInfrared(IPOutlookItemCollection** ppItems) = 0;
};

// --- IPOutlookItemCollection: the items of a folder, indexed from 1 ------------------
struct IPOutlookItemCollection : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Add(IDispatch** ppolItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Count(int* pnCount) = 0;
  virtual HRESULT STDMETHODCALLTYPE Find(BSTR pwszRestriction, IDispatch** ppItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindNext(IDispatch** ppItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE Item(int iIndex, IDispatch** ppolItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE Remove(int iIndex) = 0;
  virtual HRESULT STDMETHODCALLTYPE Restrict(BSTR pwszRestriction,
                                             IPOutlookItemCollection** ppolItems) = 0;
  virtual HRESULT STDMETHODCALLTYPE Sort(BSTR pwszProperty, VARIANT_BOOL fDescending) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IncludeRecurrences(VARIANT_BOOL* pfIncludeRecurrences) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IncludeRecurrences(VARIANT_BOOL fIncludeRecurrences) = 0;
  virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** ppEnumerator) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
};

// --- IContact: one address-book contact ----------------------------------------------
struct IContact : public IDispatch {
  // Getters (vtable slots 7 to 56).
  virtual HRESULT STDMETHODCALLTYPE get_Birthday(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Anniversary(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessFaxNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CompanyName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Department(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Email1Address(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MobileTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OfficeLocation(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PagerNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_JobTitle(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Email2Address(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Spouse(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Email3Address(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Home2TelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeFaxNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CarTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AssistantName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AssistantTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Children(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Categories(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WebPage(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Business2TelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Title(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FirstName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MiddleName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LastName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Suffix(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressStreet(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressCity(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressState(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressPostalCode(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressCountry(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressStreet(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressCity(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressState(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressPostalCode(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressCountry(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressStreet(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressCity(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressState(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressPostalCode(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressCountry(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RadioTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FileAs(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Body(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_YomiCompanyName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_YomiFirstName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_YomiLastName(BSTR* ppwsz) = 0;
  // Setters (slots 57 to 106), same order.
  virtual HRESULT STDMETHODCALLTYPE put_Birthday(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Anniversary(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessFaxNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_CompanyName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Department(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Email1Address(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MobileTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OfficeLocation(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_PagerNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_JobTitle(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Email2Address(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Spouse(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Email3Address(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Home2TelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeFaxNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_CarTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AssistantName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AssistantTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Children(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Categories(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WebPage(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Business2TelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Title(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FirstName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MiddleName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_LastName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Suffix(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressStreet(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressCity(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressState(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressPostalCode(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressCountry(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressStreet(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressCity(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressState(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressPostalCode(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressCountry(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressStreet(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressCity(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressState(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressPostalCode(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressCountry(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_RadioTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FileAs(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Body(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_YomiCompanyName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_YomiFirstName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_YomiLastName(BSTR pwsz) = 0;
  // Methods (slots 107 to 114).
  virtual HRESULT STDMETHODCALLTYPE Save() = 0;
  virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
  virtual HRESULT STDMETHODCALLTYPE Copy(IContact** ppolCopy) = 0;
  virtual HRESULT STDMETHODCALLTYPE Display() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Oid(long* poid) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(IPOutlookApp, 0x05058F22, 0x20BE, 0x11D2, 0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A,
                0x43, 0x35)
__CRT_UUID_DECL(IFolder, 0x05058F20, 0x20BE, 0x11D2, 0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43,
                0x35)
__CRT_UUID_DECL(IPOutlookItemCollection, 0xF06748C0, 0x21A5, 0x11D2, 0x8F, 0x18, 0x00, 0x00,
                0xF8, 0x7A, 0x43, 0x35)
__CRT_UUID_DECL(IContact, 0x7F804E40, 0x2010, 0x11D2, 0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43,
                0x35)
#endif
