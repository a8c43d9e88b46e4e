// Reading the device's menu-bar resource (resource type SHMENUBAR, raw
// data). Platform-free so that the native tests cover it.
//
// Layout, little-endian 16-bit words:
//   menuId, buttonCount,
//   buttonCount x { image, command, state, style, stringId, reserved, submenu }
// image is a signed image index (I_IMAGENONE, -2, for a text-only button);
// state and style are the toolbar's TBSTATE_* and TBSTYLE_* bytes; stringId 0
// means the caption is the title of the submenu; submenu is the position of
// the button's popup in menu resource menuId, or 0xFFFF (NOMENU) for a plain
// command button.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vostarel::aygshell {

inline constexpr std::uint16_t kNoSubmenu = 0xFFFF;

struct MenuBarButton {
  std::int16_t image = -2;
  std::uint16_t command = 0;
  std::uint8_t state = 0;
  std::uint8_t style = 0;
  std::uint16_t stringId = 0;
  std::uint16_t submenu = kNoSubmenu;

  bool HasSubmenu() const { return submenu != kNoSubmenu; }
};

struct MenuBarLayout {
  std::uint16_t menuId = 0;
  std::vector<MenuBarButton> buttons;
};

// The layout in data[0, size), or nothing when the header is missing or the
// data ends before the last announced button record. Bytes after the last
// record (the resource compiler pads to 4 bytes) are ignored.
std::optional<MenuBarLayout> ParseMenuBarResource(const std::uint8_t* data, std::size_t size);

}  // namespace vostarel::aygshell
