// Every method of the four address-book interfaces that the stand-in does
// not implement: E_NOTIMPL, with a single out-parameter cleared so that a
// caller that frees or releases it after a failure touches nothing. The
// objects derive from these and override what they implement.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "pimstore.h"

#define STAND_IN_NOT_IMPLEMENTED(name, parameters) \
  HRESULT STDMETHODCALLTYPE name parameters override { return E_NOTIMPL; }

#define STAND_IN_NOT_IMPLEMENTED_OUT(name, Type)      \
  HRESULT STDMETHODCALLTYPE name(Type* out) override { \
    if (out != nullptr) *out = {};                     \
    return E_NOTIMPL;                                  \
  }

// IContact's text properties (all but the two dates), in any order: the
// interface in pimstore.h fixes the vtable order.
#define STAND_IN_CONTACT_TEXT_PROPERTIES(X)                                                     \
  X(BusinessFaxNumber) X(CompanyName) X(Department) X(Email1Address) X(MobileTelephoneNumber) \
  X(OfficeLocation) X(PagerNumber) X(BusinessTelephoneNumber) X(JobTitle)                      \
  X(HomeTelephoneNumber) X(Email2Address) X(Spouse) X(Email3Address)                           \
  X(Home2TelephoneNumber) X(HomeFaxNumber) X(CarTelephoneNumber) X(AssistantName)              \
  X(AssistantTelephoneNumber) X(Children) X(Categories) X(WebPage)                             \
  X(Business2TelephoneNumber) X(Title) X(FirstName) X(MiddleName) X(LastName) X(Suffix)       \
  X(HomeAddressStreet) X(HomeAddressCity) X(HomeAddressState) X(HomeAddressPostalCode)         \
  X(HomeAddressCountry) X(OtherAddressStreet) X(OtherAddressCity) X(OtherAddressState)         \
  X(OtherAddressPostalCode) X(OtherAddressCountry) X(BusinessAddressStreet)                    \
  X(BusinessAddressCity) X(BusinessAddressState) X(BusinessAddressPostalCode)                  \
  X(BusinessAddressCountry) X(RadioTelephoneNumber) X(FileAs) X(Body) X(YomiCompanyName)       \
  X(YomiFirstName) X(YomiLastName)

namespace vostarel::pimstore {

class AppStubs : public IPOutlookApp {
 public:
  STAND_IN_NOT_IMPLEMENTED(Logon, (long))
  STAND_IN_NOT_IMPLEMENTED(Logoff, ())
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Version, BSTR)
  STAND_IN_NOT_IMPLEMENTED(GetDefaultFolder, (int, IFolder**))
  STAND_IN_NOT_IMPLEMENTED(CreateItem, (int, IDispatch**))
  STAND_IN_NOT_IMPLEMENTED(GetItemFromOid, (long, IDispatch**))
  STAND_IN_NOT_IMPLEMENTED_OUT(get_HomeCity, ICity*)
  STAND_IN_NOT_IMPLEMENTED(put_HomeCity, (ICity*))
  STAND_IN_NOT_IMPLEMENTED_OUT(get_VisitingCity, ICity*)
  STAND_IN_NOT_IMPLEMENTED(put_VisitingCity, (ICity*))
  STAND_IN_NOT_IMPLEMENTED_OUT(get_CurrentCityIndex, long)
  STAND_IN_NOT_IMPLEMENTED(put_CurrentCityIndex, (long))
  STAND_IN_NOT_IMPLEMENTED(ReceiveFromInfrared, ())
  STAND_IN_NOT_IMPLEMENTED_OUT(get_OutlookCompatible, VARIANT_BOOL)
  STAND_IN_NOT_IMPLEMENTED(GetTimeZoneFromIndex, (int, ITimeZone**))
  STAND_IN_NOT_IMPLEMENTED(GetTimeZoneInformationFromIndex, (int, TIME_ZONE_INFORMATION*))
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Application, IPOutlookApp*)
  STAND_IN_NOT_IMPLEMENTED(SysFreeString, (BSTR))
  STAND_IN_NOT_IMPLEMENTED(VariantTimeToSystemTime, (DATE, SYSTEMTIME*))
  STAND_IN_NOT_IMPLEMENTED(SystemTimeToVariantTime, (SYSTEMTIME*, DATE*))
};

class FolderStubs : public IFolder {
 public:
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Items, IPOutlookItemCollection*)
  STAND_IN_NOT_IMPLEMENTED_OUT(get_DefaultItemType, int)
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Application, IPOutlookApp*)
  STAND_IN_NOT_IMPLEMENTED(AddItemToInfraredFolder, (int, IDispatch*))
  STAND_IN_NOT_IMPLEMENTED(SendToInfrared, ())
  STAND_IN_NOT_IMPLEMENTED_OUT(ReceiveFromInfrared, IPOutlookItemCollection*)
};

class ItemCollectionStubs : public IPOutlookItemCollection {
 public:
  STAND_IN_NOT_IMPLEMENTED_OUT(Add, IDispatch*)
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Count, int)
  STAND_IN_NOT_IMPLEMENTED(Find, (BSTR, IDispatch**))
  STAND_IN_NOT_IMPLEMENTED_OUT(FindNext, IDispatch*)
  STAND_IN_NOT_IMPLEMENTED(Item, (int, IDispatch**))
  STAND_IN_NOT_IMPLEMENTED(Remove, (int))
  STAND_IN_NOT_IMPLEMENTED(Restrict, (BSTR, IPOutlookItemCollection**))
  STAND_IN_NOT_IMPLEMENTED(Sort, (BSTR, VARIANT_BOOL))
  STAND_IN_NOT_IMPLEMENTED_OUT(get_IncludeRecurrences, VARIANT_BOOL)
  STAND_IN_NOT_IMPLEMENTED(put_IncludeRecurrences, (VARIANT_BOOL))
  STAND_IN_NOT_IMPLEMENTED_OUT(get__NewEnum, IUnknown*)
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Application, IPOutlookApp*)
};

class ContactStubs : public IContact {
 public:
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Birthday, DATE)
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Anniversary, DATE)
#define STAND_IN_GETTER(name) STAND_IN_NOT_IMPLEMENTED_OUT(get_##name, BSTR)
  STAND_IN_CONTACT_TEXT_PROPERTIES(STAND_IN_GETTER)
#undef STAND_IN_GETTER
  STAND_IN_NOT_IMPLEMENTED(put_Birthday, (DATE))
  STAND_IN_NOT_IMPLEMENTED(put_Anniversary, (DATE))
#define STAND_IN_SETTER(name) STAND_IN_NOT_IMPLEMENTED(put_##name, (BSTR))
  STAND_IN_CONTACT_TEXT_PROPERTIES(STAND_IN_SETTER)
#undef STAND_IN_SETTER
  STAND_IN_NOT_IMPLEMENTED(Save, ())
  STAND_IN_NOT_IMPLEMENTED(Delete, ())
  STAND_IN_NOT_IMPLEMENTED_OUT(Copy, IContact*)
  STAND_IN_NOT_IMPLEMENTED(Display, ())
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Oid, long)
  STAND_IN_NOT_IMPLEMENTED(put_BodyInk, (CEBLOB*))
  STAND_IN_NOT_IMPLEMENTED_OUT(get_BodyInk, CEBLOB)
  STAND_IN_NOT_IMPLEMENTED_OUT(get_Application, IPOutlookApp*)
};

}  // namespace vostarel::pimstore
