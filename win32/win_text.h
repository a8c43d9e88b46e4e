// The index and the stand-ins' data parsers work in char16_t; Win32 takes
// wchar_t. On Windows both are 16-bit UTF-16 units with the same
// representation, so texts cross the boundary by pointer cast, here and
// nowhere else. Shared by the library, the stand-ins and the tests.
#pragma once

#include <windows.h>

#include <string>

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
// A copy; the empty text for null.
inline std::u16string ToUtf16(const wchar_t* text) {
  return text == nullptr ? std::u16string() : std::u16string(AsUtf16(text));
}

}  // namespace vostarel
