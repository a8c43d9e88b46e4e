// The recognisable values that chain_host_cprog.exe passes to the extension
// exports and that chain_probe.dll hands back, shared with the tests that
// check them. Pointer-sized values fill 64 bits on x86_64; on i686 they are
// cut to their low 32 bits, which are distinct as well.
#pragma once

#include <windows.h>

#include <cstdint>
#include <type_traits>

namespace chain_values {

constexpr uintptr_t kInitializeReserved = static_cast<uintptr_t>(0x1122334455667788ull);
constexpr DWORD kVerb = 0xDEAD0005;
constexpr BOOL kValidateOnly = 0x7FFFFFFF;
constexpr uintptr_t kVerbParam = static_cast<uintptr_t>(0x0102030405060708ull);
constexpr DWORD kControlId = 23041;
constexpr DWORD kView = 9;
constexpr DWORD kPhoneMsg = 0xC0DE0001;
constexpr BOOL kRemove = 0x55AA;
constexpr DWORD kSupplementaryStatus = 0xFEEDF00D;
constexpr uintptr_t kDialpadWindow = 0x10AB0;
constexpr UINT kDialpadMessage = WM_APP + 7;
constexpr uintptr_t kDialpadWParam = static_cast<uintptr_t>(0xAAAABBBBCCCCDDDDull);
constexpr uintptr_t kDialpadLParam = static_cast<uintptr_t>(0x1111222233334444ull);

// What chain_probe.dll's exports return and write to out-parameters.
constexpr uintptr_t kDialpadResult = static_cast<uintptr_t>(0x123456789ABCDEF0ull);
constexpr uintptr_t kProbeInstance = 0x5150000;
constexpr DWORD kProbeFlags = 0xF1A6;
constexpr uintptr_t kProbeHook = 0x400C;

// A pointer-sized value as printed in the lines of the host and the probe:
// its bits as an unsigned number, never sign-extended.
template <typename T>
unsigned long long Bits(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<uintptr_t>(value);
  } else {
    return static_cast<std::make_unsigned_t<T>>(value);
  }
}

}  // namespace chain_values
