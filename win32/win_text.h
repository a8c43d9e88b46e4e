// The index works in char16_t; Win32 takes wchar_t. On Windows both are
// 16-bit UTF-16 units with the same representation, so texts cross the
// boundary by pointer cast, here and nowhere else.
#pragma once

#include <windows.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t must be a UTF-16 unit");

namespace vostarel {

inline wchar_t* AsWide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const wchar_t* AsWide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}
inline char16_t* AsUtf16(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }
inline const char16_t* AsUtf16(const wchar_t* text) {
  return reinterpret_cast<const char16_t*>(text);
}

}  // namespace vostarel
