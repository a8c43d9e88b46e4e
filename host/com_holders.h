// Holders for COM: an interface pointer released on the path that got it, a
// BSTR freed on the path that got it, and COM initialised for one scope.
#pragma once

#include <objbase.h>
#include <oleauto.h>

namespace vostarel {

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { Reset(); }

  void Reset() {
    if (pointer_ != nullptr) pointer_->Release();
    pointer_ = nullptr;
  }
  // For an out-parameter: releases what is held and hands out the slot.
  Interface** Receive() {
    Reset();
    return &pointer_;
  }
  // For an out-parameter typed as another interface that the object is used
  // as directly (the item collection hands out contacts as IDispatch).
  template <class Other>
  Other** ReceiveAs() {
    return reinterpret_cast<Other**>(Receive());
  }
  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};

class BstrHolder {
 public:
  BstrHolder() = default;
  BstrHolder(const BstrHolder&) = delete;
  BstrHolder& operator=(const BstrHolder&) = delete;
  ~BstrHolder() { SysFreeString(text_); }

  BSTR* Receive() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  BSTR Get() const { return text_; }

 private:
  BSTR text_ = nullptr;
};

// COM initialised on this thread for one scope. CoUninitialize runs only
// when the initialisation succeeded: on a thread that the host already
// initialised for another apartment model (RPC_E_CHANGED_MODE), COM is
// usable as it is, and an unmatched CoUninitialize would tear down the
// host's own initialisation.
class ComApartment {
 public:
  explicit ComApartment(DWORD model) : result_(CoInitializeEx(nullptr, model)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace vostarel
