// pimstore.dll's entry points: the class object for CLSID_Application, the
// unload check, and the live-object count for tests.
#include "module.h"

#include <objbase.h>

#include <new>

#include "address_book.h"
#include "fault_injection.h"
#include "stand_in_counters.h"

namespace vostarel::pimstore {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_liveObjects = 0;
LONG g_moduleLocks = 0;

// The one class object, which lives as long as the module; its references
// keep the module loaded.
class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    LockModule();
    return 2;
  }
  ULONG STDMETHODCALLTYPE Release() override {
    UnlockModule();
    return 1;
  }

  // CoCreateInstance of the address book lands here; failing on purpose it
  // reports no memory, as a creation that cannot get its object does.
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (faults::InjectFault(faults::FaultPoint::CoCreateInstance)) return E_OUTOFMEMORY;
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    Application* application = new (std::nothrow) Application();
    if (application == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = application->QueryInterface(riid, object);
    application->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      LockModule();
    } else {
      UnlockModule();
    }
    return S_OK;
  }
};

ClassFactory g_classFactory;

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }
void ObjectCreated() { InterlockedIncrement(&g_liveObjects); }
void ObjectDestroyed() { InterlockedDecrement(&g_liveObjects); }
void LockModule() { InterlockedIncrement(&g_moduleLocks); }
void UnlockModule() { InterlockedDecrement(&g_moduleLocks); }

}  // namespace vostarel::pimstore

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    vostarel::pimstore::g_instance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(rclsid, CLSID_Application)) return CLASS_E_CLASSNOTAVAILABLE;
  return vostarel::pimstore::g_classFactory.QueryInterface(riid, object);
}

// Unloading while an object, a class-object reference or a server lock is
// out would leave callers with pointers into freed code.
STDAPI DllCanUnloadNow(void) {
  using namespace vostarel::pimstore;
  const bool idle = InterlockedCompareExchange(&g_liveObjects, 0, 0) == 0 &&
                    InterlockedCompareExchange(&g_moduleLocks, 0, 0) == 0;
  return idle ? S_OK : S_FALSE;
}

extern "C" LONG WINAPI StandInLiveObjects(void) {
  return InterlockedCompareExchange(&vostarel::pimstore::g_liveObjects, 0, 0);
}
