// Holders: every Win32 resource is released by a holder on the path that got
// it. One small template, Holder<Traits>, over a traits type that names the
// handle type, the value that means "none" and how one is released; the
// aliases below cover kernel handles, registry keys, menus, GDI objects,
// device contexts, loaded modules, COM pointers and strings. Shared by the
// library, the stand-in platform and the tests; code that holds a platform
// handle of its own (a SIM session, a call log) writes a traits type for it
// beside the code.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <type_traits>
#include <utility>

namespace vostarel {

template <typename Traits>
class Holder {
 public:
  using Handle = typename Traits::Handle;

  Holder() noexcept = default;
  explicit Holder(Handle handle) noexcept : handle_(handle) {}
  Holder(Holder&& other) noexcept : handle_(other.Release()) {}
  Holder& operator=(Holder&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;
  ~Holder() { Reset(); }

  Handle Get() const noexcept { return handle_; }
  bool Valid() const noexcept { return Traits::IsValid(handle_); }
  explicit operator bool() const noexcept { return Valid(); }

  // For an out-parameter: releases what is held and hands out the slot.
  Handle* Receive() noexcept {
    Reset();
    return &handle_;
  }
  // For an out-parameter typed as another pointer that the object is used
  // as directly (the address book hands out contacts as IDispatch).
  template <typename Other>
  Other** ReceiveAs() noexcept
    requires std::is_pointer_v<Handle>
  {
    return reinterpret_cast<Other**>(Receive());
  }
  // Gives the handle up without releasing it.
  Handle Release() noexcept { return std::exchange(handle_, Traits::None()); }
  void Reset(Handle handle = Traits::None()) noexcept {
    if (Traits::IsValid(handle_)) Traits::Free(handle_);
    handle_ = handle;
  }

  // Member access for pointer handles (COM interfaces).
  Handle operator->() const noexcept
    requires std::is_pointer_v<Handle>
  {
    return handle_;
  }

 private:
  Handle handle_ = Traits::None();
};

// Traits for a handle whose "none" is null.
template <typename H>
struct NullMeansNone {
  using Handle = H;
  static Handle None() noexcept { return nullptr; }
  static bool IsValid(Handle handle) noexcept { return handle != nullptr; }
};

// A kernel handle: files (INVALID_HANDLE_VALUE when CreateFile failed),
// processes, threads, events (null when there is none).
struct KernelHandleTraits : NullMeansNone<HANDLE> {
  static bool IsValid(HANDLE handle) noexcept {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
  }
  static void Free(HANDLE handle) noexcept { CloseHandle(handle); }
};
using KernelHandle = Holder<KernelHandleTraits>;

struct RegistryKeyTraits : NullMeansNone<HKEY> {
  static void Free(HKEY key) noexcept { RegCloseKey(key); }
};
using RegistryKeyHandle = Holder<RegistryKeyTraits>;

// A menu that nothing else owns (one created or loaded for one popup).
struct MenuTraits : NullMeansNone<HMENU> {
  static void Free(HMENU menu) noexcept { DestroyMenu(menu); }
};
using MenuHandle = Holder<MenuTraits>;

// A font, brush, pen or bitmap that was created, not taken from the stock.
template <typename T>
struct GdiObjectTraits : NullMeansNone<T> {
  static void Free(T object) noexcept { DeleteObject(object); }
};
template <typename T>
using GdiObject = Holder<GdiObjectTraits<T>>;

// A device context made with CreateCompatibleDC.
struct MemoryDcTraits : NullMeansNone<HDC> {
  static void Free(HDC dc) noexcept { DeleteDC(dc); }
};
using MemoryDc = Holder<MemoryDcTraits>;

// A window's device context from GetDC, given back with ReleaseDC.
struct WindowDcHandle {
  HWND Window;
  HDC Dc;
};
struct WindowDcTraits {
  using Handle = WindowDcHandle;
  static Handle None() noexcept { return {nullptr, nullptr}; }
  static bool IsValid(Handle handle) noexcept { return handle.Dc != nullptr; }
  static void Free(Handle handle) noexcept { ReleaseDC(handle.Window, handle.Dc); }
};
using WindowDc = Holder<WindowDcTraits>;
inline WindowDc GetWindowDc(HWND window) { return WindowDc({window, GetDC(window)}); }

// An object selected into a device context; the one it replaced goes back.
struct SelectionHandle {
  HDC Dc;
  HGDIOBJ Previous;
};
struct SelectionTraits {
  using Handle = SelectionHandle;
  static Handle None() noexcept { return {nullptr, nullptr}; }
  static bool IsValid(Handle handle) noexcept { return handle.Dc != nullptr && handle.Previous != nullptr; }
  static void Free(Handle handle) noexcept { SelectObject(handle.Dc, handle.Previous); }
};
using Selection = Holder<SelectionTraits>;
inline Selection SelectInto(HDC dc, HGDIOBJ object) {
  return Selection({dc, object != nullptr ? SelectObject(dc, object) : nullptr});
}

struct ModuleTraits : NullMeansNone<HMODULE> {
  static void Free(HMODULE module) noexcept { FreeLibrary(module); }
};
using ModuleHandle = Holder<ModuleTraits>;

// Memory from LocalAlloc, such as the strings the phone's call log hands out.
template <typename T>
struct LocalMemoryTraits : NullMeansNone<T> {
  static void Free(T memory) noexcept { LocalFree(reinterpret_cast<HLOCAL>(memory)); }
};
template <typename T>
using LocalMemory = Holder<LocalMemoryTraits<T>>;

template <typename Interface>
struct ComTraits : NullMeansNone<Interface*> {
  static void Free(Interface* object) noexcept { object->Release(); }
};
template <typename Interface>
using ComPtr = Holder<ComTraits<Interface>>;

struct BstrTraits : NullMeansNone<BSTR> {
  static void Free(BSTR text) noexcept { SysFreeString(text); }
};
using Bstr = Holder<BstrTraits>;

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
