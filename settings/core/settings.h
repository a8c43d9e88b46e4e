// The lasting settings in memory: the option word, the row height, the key
// translation pairs, the list placement and the user commands. Filled once
// at library load from the registry key Software\Vostarel (settings_store.h)
// and changed afterwards only by the settings sheet.
#pragma once

#include <cstddef>
#include <cstdint>

#include "filter.h"

namespace vostarel {

// Bits of the option word (registry value Flag). Bits not named here have
// no effect; the settings sheet keeps them as loaded.
namespace SettingsFlags {
inline constexpr uint32_t kOverlayOn = 0x1;             // result list created, filled, shown
inline constexpr uint32_t kTalkKeyActsOnRow = 0x2;      // talk key acts on the selected row
inline constexpr uint32_t kShowIndexColumn = 0x8;       // rows show their index column
inline constexpr uint32_t kMatchSpelledName = 0x10;     // match by SpelledName
inline constexpr uint32_t kMatchInitials = 0x20;        // match by NameInitials
inline constexpr uint32_t kMatchNumber = 0x40;          // match by the numbers
inline constexpr uint32_t kSpelledNameAnywhere = 0x100; // ... at any position
inline constexpr uint32_t kInitialsAnywhere = 0x200;
inline constexpr uint32_t kNumberAnywhere = 0x400;
inline constexpr uint32_t kLoadAddressBook = 0x1000;
inline constexpr uint32_t kLoadSim = 0x2000;
inline constexpr uint32_t kLoadCallLog = 0x4000;
inline constexpr uint32_t kUnused10000 = 0x10000;       // no effect, but set by default
inline constexpr uint32_t kShowNumber = 0x20000;        // rows show the number beside the name
inline constexpr uint32_t kChainedExtension = 0x40000;  // load and forward to the previous extension

// The word used when Flag is missing.
inline constexpr uint32_t kDefault = 0x7717B;
}  // namespace SettingsFlags

static_assert(SettingsFlags::kDefault ==
                  (SettingsFlags::kOverlayOn | SettingsFlags::kTalkKeyActsOnRow |
                   SettingsFlags::kShowIndexColumn | SettingsFlags::kMatchSpelledName |
                   SettingsFlags::kMatchInitials | SettingsFlags::kMatchNumber |
                   SettingsFlags::kSpelledNameAnywhere | SettingsFlags::kLoadAddressBook |
                   SettingsFlags::kLoadSim | SettingsFlags::kLoadCallLog |
                   SettingsFlags::kUnused10000 | SettingsFlags::kShowNumber |
                   SettingsFlags::kChainedExtension),
              "the default word is the sum of the bits that are on by default");
// The filter reads the search bits straight from the option word.
static_assert(SettingsFlags::kMatchSpelledName == SearchBits::kSpelledName &&
              SettingsFlags::kMatchInitials == SearchBits::kInitials &&
              SettingsFlags::kMatchNumber == SearchBits::kNumbers &&
              SettingsFlags::kSpelledNameAnywhere == SearchBits::kSpelledAnywhere &&
              SettingsFlags::kInitialsAnywhere == SearchBits::kInitialsAnywhere &&
              SettingsFlags::kNumberAnywhere == SearchBits::kNumbersAnywhere);

// Key translation for the dialer window (registry value KeyMap, up to 64
// bytes): pairs {key code received, key code to use instead} from offset 0.
// A pair whose first byte is 0 ends the map.
inline constexpr size_t kKeyMapBytes = 64;
inline constexpr size_t kKeyMapPairs = kKeyMapBytes / 2;
struct KeyMap {
  uint8_t Bytes[kKeyMapBytes];
};

// The result list's placement (registry value PosSize, 32 bytes): two
// rectangles in the dialer window's client coordinates, eight 32-bit signed
// little-endian numbers in this order. A width of 0 leaves the list at its
// automatic place.
enum PosSizeField : int {
  kPortraitLeft,
  kPortraitTop,
  kPortraitWidth,
  kPortraitHeight,
  kLandscapeLeft,
  kLandscapeTop,
  kLandscapeWidth,
  kLandscapeHeight,
  kPosSizeFieldCount
};
struct PosSize {
  int32_t Values[kPosSizeFieldCount];
};
static_assert(sizeof(PosSize) == 32, "PosSize is stored as its 32 raw bytes");

// One user command (registry values Menu0..Menu9).
inline constexpr size_t kCommandTextCapacity = 128;  // units, terminator included
inline constexpr size_t kCaptionCapacity = 32;
struct MenuCommand {
  // Offered in a row's popup for number index i when i < Mode: 0 never,
  // 1 the first number only, 9 every number.
  int32_t Mode;
  // What runs, with macros.
  char16_t Command[kCommandTextCapacity];
  // The menu text, with macros. A leading "!" marks the default command
  // (not shown); a leading "-" makes a separator. Empty ends the list.
  char16_t Caption[kCaptionCapacity];
};

inline constexpr size_t kMenuCommandCount = 10;

// The settings fields of the main object, in their order there.
struct Settings {
  uint32_t Flags;     // SettingsFlags word
  int32_t RowHeight;  // pixels of one result row; computed at load, not stored
  KeyMap Keys;
  PosSize Placement;
  MenuCommand Commands[kMenuCommandCount];
  // The order of the result rows (registry value OrderByCalls, a REG_DWORD:
  // 1 lists the people called most first; missing, 0 or anything else keeps
  // the stores' order). Changed by the General page, saved by the sheet.
  ListOrder Order;
};

}  // namespace vostarel
