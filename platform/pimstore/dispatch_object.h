// IUnknown and IDispatch for the address-book objects: thread-safe reference
// counting (the class is registered for both apartment models, so objects
// may be called from any thread), QueryInterface for IUnknown, IDispatch and
// the object's own interface, and no type information or late binding
// (E_NOTIMPL), which the callers never use.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "module.h"

namespace vostarel::pimstore {

// Stubs is the interface with every own method stubbed out (stubs.h);
// InterfaceId is that interface's IID.
template <class Stubs, const IID& InterfaceId>
class DispatchObject : public Stubs {
 public:
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, InterfaceId)) {
      *object = static_cast<Stubs*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count != nullptr) *count = 0;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

 protected:
  // The creator holds the first reference.
  DispatchObject() { ObjectCreated(); }
  virtual ~DispatchObject() { ObjectDestroyed(); }

 private:
  LONG references_ = 1;
};

}  // namespace vostarel::pimstore
