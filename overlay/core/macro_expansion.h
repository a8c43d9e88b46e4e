// Macro expansion of command captions and command texts for one number of
// one entry. A "%" and the character after it form a macro (case matters):
//
//   %n  DisplayName
//   %p  Number of the chosen number
//   %P  only "0".."9", "*" and "#" of that Number, in order
//   %t  Label of the chosen number
//   %a  for every number slot in order: a space, its Label, its Number in
//       square brackets (" %s[%s]")
//   %j  NameInitials
//   %y  SpelledName
//   %x  for any other character x: x itself, so "%%" gives "%"
//
// A "%" that ends the text has no character after it and gives nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "contact_entry.h"

namespace vostarel {

// Buffers the expansions are written into, terminator included. A caption
// has 31 units and a command text 127 before expansion; "%a" alone can give
// several hundred units, so the expansion is cut at these capacities.
inline constexpr size_t kCaptionExpansionCapacity = 256;
inline constexpr size_t kCommandExpansionCapacity = 1024;

// Writes the expansion of `text` for number slot `numberIndex` of `entry`
// into `out`, which holds `capacity` units. At most capacity - 1 units are
// written, the output is always zero-terminated (unless capacity is 0, when
// nothing is written), and a longer expansion is cut there. Returns the
// length written, so out + result is the end of the text.
//
// A number index that is not a slot in use (at or beyond NumberCount, or
// -1 passed through as a large unsigned value) makes "%p", "%P" and "%t"
// insert nothing: the slots past NumberCount hold leftovers, not numbers.
// Entry fields are read up to their terminator or their capacity, whichever
// comes first. A null text expands to the empty text.
size_t ExpandMacros(char16_t* out, size_t capacity, const char16_t* text,
                    const ContactEntry& entry, uint32_t numberIndex);

}  // namespace vostarel
