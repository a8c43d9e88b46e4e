#include "address_book_interposer.h"

#include <new>

#include "pimstore.h"
#include "stubs.h"

namespace vostarel::testing {
namespace {

using pimstore::AppStubs;
using pimstore::FolderStubs;
using pimstore::ItemCollectionStubs;

AddressBookInterposer::Behaviour g_behaviour;
LONG g_creations = 0;
LONG g_itemCalls = 0;
LONG g_liveWrappers = 0;

// IUnknown and IDispatch of a wrapper; `Stubs` leaves every own method not
// implemented, the wrapper overrides what the loader calls.
template <class Stubs, const IID& InterfaceId>
class Wrapper : public Stubs {
 public:
  Wrapper(const Wrapper&) = delete;
  Wrapper& operator=(const Wrapper&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
        !IsEqualIID(riid, InterfaceId)) {
      return E_NOINTERFACE;
    }
    *object = static_cast<Stubs*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

 protected:
  Wrapper() { InterlockedIncrement(&g_liveWrappers); }
  virtual ~Wrapper() { InterlockedDecrement(&g_liveWrappers); }

 private:
  LONG references_ = 1;
};

// Takes over the reference `real` holds.
template <class Wrapped, class Real>
Wrapped* Wrap(Real* real) {
  Wrapped* wrapped = new (std::nothrow) Wrapped(real);
  if (wrapped == nullptr) real->Release();
  return wrapped;
}

class WrappedItems final : public Wrapper<ItemCollectionStubs, IID_IPOutlookItemCollection> {
 public:
  explicit WrappedItems(IPOutlookItemCollection* real) : real_(real) {}
  ~WrappedItems() override { real_->Release(); }
  HRESULT STDMETHODCALLTYPE get_Count(int* count) override { return real_->get_Count(count); }
  HRESULT STDMETHODCALLTYPE Item(int index, IDispatch** item) override {
    InterlockedIncrement(&g_itemCalls);
    if (index == g_behaviour.FailingItem) {
      if (item != nullptr) *item = nullptr;
      return E_FAIL;
    }
    return real_->Item(index, item);
  }

 private:
  IPOutlookItemCollection* real_;
};

class WrappedFolder final : public Wrapper<FolderStubs, IID_IFolder> {
 public:
  explicit WrappedFolder(IFolder* real) : real_(real) {}
  ~WrappedFolder() override { real_->Release(); }
  HRESULT STDMETHODCALLTYPE get_Items(IPOutlookItemCollection** items) override {
    if (items == nullptr) return E_POINTER;
    *items = nullptr;
    IPOutlookItemCollection* real = nullptr;
    const HRESULT result = real_->get_Items(&real);
    if (FAILED(result) || real == nullptr) return FAILED(result) ? result : E_FAIL;
    *items = Wrap<WrappedItems>(real);
    return *items != nullptr ? S_OK : E_OUTOFMEMORY;
  }

 private:
  IFolder* real_;
};

class WrappedApp final : public Wrapper<AppStubs, IID_IPOutlookApp> {
 public:
  explicit WrappedApp(IPOutlookApp* real) : real_(real) {}
  ~WrappedApp() override { real_->Release(); }
  HRESULT STDMETHODCALLTYPE Logon(long window) override { return real_->Logon(window); }
  HRESULT STDMETHODCALLTYPE Logoff() override { return real_->Logoff(); }
  HRESULT STDMETHODCALLTYPE GetDefaultFolder(int which, IFolder** folder) override {
    if (folder == nullptr) return E_POINTER;
    *folder = nullptr;
    IFolder* real = nullptr;
    const HRESULT result = real_->GetDefaultFolder(which, &real);
    if (FAILED(result) || real == nullptr) return FAILED(result) ? result : E_FAIL;
    *folder = Wrap<WrappedFolder>(real);
    return *folder != nullptr ? S_OK : E_OUTOFMEMORY;
  }

 private:
  IPOutlookApp* real_;
};

// pimstore.dll's application object, straight from its class object.
HRESULT CreateRealApp(IPOutlookApp** app) {
  using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  const HMODULE pimstore = GetModuleHandleW(L"pimstore.dll");
  const auto getClassObject = reinterpret_cast<GetClassObjectFn>(
      reinterpret_cast<void*>(GetProcAddress(pimstore, "DllGetClassObject")));
  if (getClassObject == nullptr) return E_UNEXPECTED;
  IClassFactory* factory = nullptr;
  HRESULT result = getClassObject(CLSID_Application, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(result)) return result;
  result = factory->CreateInstance(nullptr, IID_IPOutlookApp, reinterpret_cast<void**>(app));
  factory->Release();
  return result;
}

class InterposingFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory)) return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    InterlockedIncrement(&g_creations);
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    if (g_behaviour.FailCreation) return E_OUTOFMEMORY;
    IPOutlookApp* real = nullptr;
    const HRESULT created = CreateRealApp(&real);
    if (FAILED(created)) return created;
    WrappedApp* app = Wrap<WrappedApp>(real);
    if (app == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = app->QueryInterface(riid, object);
    app->Release();
    return result;
  }
};

InterposingFactory g_factory;

}  // namespace

AddressBookInterposer::AddressBookInterposer(Behaviour behaviour) {
  g_behaviour = behaviour;
  g_creations = 0;
  g_itemCalls = 0;
  com_ = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (FAILED(com_)) return;
  if (FAILED(CoRegisterClassObject(CLSID_Application, &g_factory, CLSCTX_INPROC_SERVER,
                                   REGCLS_MULTIPLEUSE, &cookie_))) {
    cookie_ = 0;
  }
}

AddressBookInterposer::~AddressBookInterposer() {
  if (cookie_ != 0) CoRevokeClassObject(cookie_);
  if (SUCCEEDED(com_)) CoUninitialize();
}

LONG AddressBookInterposer::Creations() const { return InterlockedCompareExchange(&g_creations, 0, 0); }
LONG AddressBookInterposer::ItemCalls() const { return InterlockedCompareExchange(&g_itemCalls, 0, 0); }
LONG AddressBookInterposer::LiveWrappers() const {
  return InterlockedCompareExchange(&g_liveWrappers, 0, 0);
}

}  // namespace vostarel::testing
