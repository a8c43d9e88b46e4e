#include "menu_bar_resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vostarel::aygshell {
namespace {

// Words as the resource compiler lays them out: little-endian 16-bit.
std::vector<std::uint8_t> Bytes(const std::vector<std::uint16_t>& words) {
  std::vector<std::uint8_t> bytes;
  for (std::uint16_t word : words) {
    bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
  }
  return bytes;
}

TEST(MenuBarResource, ReadsHeaderAndEveryButtonRecord) {
  const auto data = Bytes({200, 2,
                           0xFFFE, 22518, 0x04, 0x10, 400, 0, 0xFFFF,
                           3, 1201, 0x0C, 0x18, 0, 0x1234, 1});
  const auto layout = ParseMenuBarResource(data.data(), data.size());
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(layout->menuId, 200);
  ASSERT_EQ(layout->buttons.size(), 2u);

  const MenuBarButton& softKey = layout->buttons[0];
  EXPECT_EQ(softKey.image, -2) << "I_IMAGENONE is a signed index";
  EXPECT_EQ(softKey.command, 22518);
  EXPECT_EQ(softKey.state, 0x04);
  EXPECT_EQ(softKey.style, 0x10);
  EXPECT_EQ(softKey.stringId, 400);
  EXPECT_FALSE(softKey.HasSubmenu());

  const MenuBarButton& menu = layout->buttons[1];
  EXPECT_EQ(menu.image, 3);
  EXPECT_EQ(menu.command, 1201);
  EXPECT_EQ(menu.stringId, 0) << "caption comes from the submenu title";
  EXPECT_TRUE(menu.HasSubmenu());
  EXPECT_EQ(menu.submenu, 1) << "the reserved word must not be taken for the submenu";
}

TEST(MenuBarResource, AcceptsAnEmptyBarAndPaddingAfterTheLastRecord) {
  const auto empty = Bytes({300, 0});
  const auto emptyLayout = ParseMenuBarResource(empty.data(), empty.size());
  ASSERT_TRUE(emptyLayout.has_value());
  EXPECT_EQ(emptyLayout->menuId, 300);
  EXPECT_TRUE(emptyLayout->buttons.empty());

  // The resource compiler pads RCDATA to a multiple of four bytes.
  auto padded = Bytes({0, 1, 0xFFFE, 7, 4, 0, 0, 0, 0xFFFF});
  padded.push_back(0);
  padded.push_back(0);
  padded.push_back(0);
  const auto paddedLayout = ParseMenuBarResource(padded.data(), padded.size());
  ASSERT_TRUE(paddedLayout.has_value());
  ASSERT_EQ(paddedLayout->buttons.size(), 1u);
  EXPECT_EQ(paddedLayout->buttons[0].command, 7);
}

TEST(MenuBarResource, RejectsDataShorterThanItAnnounces) {
  EXPECT_FALSE(ParseMenuBarResource(nullptr, 0).has_value());
  const auto header = Bytes({200, 1});
  EXPECT_FALSE(ParseMenuBarResource(header.data(), 3).has_value()) << "half a header";
  EXPECT_FALSE(ParseMenuBarResource(header.data(), header.size()).has_value()) << "one button announced, none there";
  const auto shortRecord = Bytes({200, 1, 0xFFFE, 22518, 4, 0x10, 400, 0});
  EXPECT_FALSE(ParseMenuBarResource(shortRecord.data(), shortRecord.size()).has_value())
      << "a record one word short";
  const auto twoAnnounced = Bytes({200, 2, 0xFFFE, 22518, 4, 0x10, 400, 0, 0xFFFF});
  EXPECT_FALSE(ParseMenuBarResource(twoAnnounced.data(), twoAnnounced.size()).has_value());
}

}  // namespace
}  // namespace vostarel::aygshell
