// Where the user dictionary lives: the library's own file path with the part
// after its last "." replaced by "txt" (Vostarel.dll -> Vostarel.txt).
#pragma once

#include <cstddef>

namespace vostarel {

// Paths are built in buffers of this many units, terminator included.
inline constexpr size_t kPathCapacity = 260;

// Replaces everything after the last "." of `path` (searched over the whole
// path, folder names included) with `extension`; a path without any "." gets
// "." and the extension appended. Returns false, leaving `path` unchanged,
// when the result would not fit in `capacity` units.
bool ReplacePathExtension(char16_t* path, size_t capacity, const char16_t* extension);

}  // namespace vostarel
