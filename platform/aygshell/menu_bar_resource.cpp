#include "menu_bar_resource.h"

namespace vostarel::aygshell {
namespace {

constexpr std::size_t kHeaderWords = 2;
constexpr std::size_t kButtonWords = 7;

std::uint16_t WordAt(const std::uint8_t* data, std::size_t index) {
  return static_cast<std::uint16_t>(data[2 * index] | (data[2 * index + 1] << 8));
}

}  // namespace

std::optional<MenuBarLayout> ParseMenuBarResource(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < kHeaderWords * 2) return std::nullopt;
  const std::size_t words = size / 2;
  MenuBarLayout layout;
  layout.menuId = WordAt(data, 0);
  const std::size_t count = WordAt(data, 1);
  if (kHeaderWords + count * kButtonWords > words) return std::nullopt;
  layout.buttons.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t base = kHeaderWords + i * kButtonWords;
    MenuBarButton button;
    button.image = static_cast<std::int16_t>(WordAt(data, base));
    button.command = WordAt(data, base + 1);
    // State and style are bytes in the toolbar's button record; the resource
    // stores them as words.
    button.state = static_cast<std::uint8_t>(WordAt(data, base + 2));
    button.style = static_cast<std::uint8_t>(WordAt(data, base + 3));
    button.stringId = WordAt(data, base + 4);
    button.submenu = WordAt(data, base + 6);
    layout.buttons.push_back(button);
  }
  return layout;
}

}  // namespace vostarel::aygshell
