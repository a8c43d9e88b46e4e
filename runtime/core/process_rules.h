// The process decisions that need no window or platform call: whether a
// host path is the phone application's, the two version flags and the
// platform type. Header-only and platform-free, so the native tests cover
// them too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "matchers.h"

namespace vostarel {

// The phone application's executable name.
inline constexpr char16_t kPhoneApplicationName[] = u"cprog.exe";
inline constexpr size_t kPhoneApplicationNameLength = 9;
static_assert(sizeof(kPhoneApplicationName) / sizeof(char16_t) - 1 ==
              kPhoneApplicationNameLength);

// Whether the host's executable path (`length` units, no terminator needed)
// ends with "cprog.exe". Only the last 9 units are compared, so
// "...\xcprog.exe" counts and "...\cprog.exe.bak" does not. ASCII letters
// are compared without case, the same fold the window search uses for the
// phone application's windows: a phone application started as "CPROG.EXE"
// is the same program, and the library would otherwise sit inert in it while
// its windows still looked like the phone application's.
inline bool IsPhoneApplicationPath(const char16_t* path, size_t length) {
  if (path == nullptr || length < kPhoneApplicationNameLength) return false;
  char16_t tail[kPhoneApplicationNameLength + 1];
  for (size_t i = 0; i < kPhoneApplicationNameLength; ++i) {
    tail[i] = path[length - kPhoneApplicationNameLength + i];
  }
  tail[kPhoneApplicationNameLength] = 0;
  // The tail is exactly as long as the name, so the name is found in it only
  // at position 0, and only when the two are equal. A zero unit inside the
  // tail ends it early, and a shorter text never holds the name.
  return FindTextIgnoringAsciiCase(tail, kPhoneApplicationName) == 0;
}

// Whether a window's process path names the phone application: "cprog.exe"
// anywhere in it, ASCII letters compared without case.
inline bool IsPhoneApplicationWindowPath(const char16_t* path) {
  return FindTextIgnoringAsciiCase(path, kPhoneApplicationName) >= 0;
}

// The two system-version flags. A major version above 5 with a minor
// version below 2 is not "5.2 or later": the dialer's 5.2 layout is a
// property of exactly those systems.
struct VersionFlags {
  bool Version5 = false;   // major version 5 or more
  bool Version52 = false;  // major 5 or more and minor 2 or more
};

constexpr VersionFlags VersionFlagsFor(uint32_t major, uint32_t minor) {
  return VersionFlags{major >= 5, major >= 5 && minor >= 2};
}

// SystemParametersInfoW's platform-type query (SPI_GETPLATFORMTYPE on the
// device; desktop Windows has no such query and fails it) and its buffer.
inline constexpr unsigned kGetPlatformType = 257;
inline constexpr unsigned kPlatformTypeCapacity = 80;

// Whether a platform type names the Pocket PC: "PocketPC" in any letter case.
inline bool IsPocketPcPlatformType(const char16_t* type) {
  if (type == nullptr) return false;
  constexpr char16_t kPocketPc[] = u"PocketPC";
  const size_t length = sizeof(kPocketPc) / sizeof(char16_t) - 1;
  // The whole text, not a part of it: the name must start at 0 and end it.
  return FindTextIgnoringAsciiCase(type, kPocketPc) == 0 && type[length] == 0;
}

}  // namespace vostarel
