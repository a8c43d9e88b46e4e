// A deliberately plain spelling of names, written straight from the rules:
// every dictionary lookup scans the whole dictionary text for the first
// occurrence and walks back to the start of its line. Tests, fuzz targets
// and benchmarks compare the library's indexed speller against it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vostarel::testing {

// The line of the first occurrence of `unit` in the zero-terminated
// `dictionary`, found by a linear scan, or null.
const char16_t* LiteralFindLine(const char16_t* dictionary, char16_t unit);

// Spells like NameSpeller::SpellName, looking units up with LiteralFindLine
// in `dictionary` (may be null).
void LiteralSpellName(const char16_t* dictionary, int32_t table, const char16_t* name,
                      char16_t* full, size_t fullCapacity, char16_t* initials,
                      size_t initialsCapacity);

}  // namespace vostarel::testing
