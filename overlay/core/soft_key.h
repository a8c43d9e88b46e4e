// The dialer soft key that the result list relabels while it is shown, and
// the caption it had before.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vostarel {

// Command ID of the soft key: 22634 on older systems, 22518 from 5.2 on.
inline constexpr uint32_t kSoftKeyCommand = 22634;
inline constexpr uint32_t kSoftKeyCommand52 = 22518;

// The soft key to relabel on this system.
constexpr uint32_t SoftKeyCommandFor(bool version52) {
  return version52 ? kSoftKeyCommand52 : kSoftKeyCommand;
}

// Whether a WM_COMMAND is the soft key. Its first parameter's low word is
// the command; either ID counts on every system.
constexpr bool IsSoftKeyCommand(uintptr_t wParam) {
  const uintptr_t command = wParam & 0xFFFF;
  return command == kSoftKeyCommand || command == kSoftKeyCommand52;
}

// The dialer's own soft-key caption is saved in this many units, terminator
// included, and only that much of it is put back.
inline constexpr size_t kSoftKeyCaptionCapacity = 8;

// Keeps at most kSoftKeyCaptionCapacity - 1 units of `caption` (null counts
// as empty) in `saved`. Returns the units kept.
size_t KeepSoftKeyCaption(const char16_t* caption, char16_t (&saved)[kSoftKeyCaptionCapacity]);

}  // namespace vostarel
