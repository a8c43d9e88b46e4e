// Holders for the tests: a COM interface pointer released on scope exit, a
// BSTR freed on scope exit, and COM initialised for one scope.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <string>

namespace vostarel::testing {

template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { Reset(); }

  void Reset() {
    if (pointer_ != nullptr) pointer_->Release();
    pointer_ = nullptr;
  }
  Interface** Receive() {
    Reset();
    return &pointer_;
  }
  // For out-parameters typed as another interface (Item returns IDispatch**
  // that the caller uses as the contact's own interface, as the library does).
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

class Bstr {
 public:
  Bstr() = default;
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(text_); }

  BSTR* Receive() {
    SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  BSTR Get() const { return text_; }
  std::wstring Text() const { return text_ == nullptr ? L"<null>" : std::wstring(text_); }

 private:
  BSTR text_ = nullptr;
};

class ComScope {
 public:
  explicit ComScope(DWORD model) : result_(CoInitializeEx(nullptr, model)) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace vostarel::testing
