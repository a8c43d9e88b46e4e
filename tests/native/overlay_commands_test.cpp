// What an expanded command text does, the overlay menu's commands, and the
// dialer's key and soft-key routing decisions.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "command_action.h"
#include "dialer_keys.h"
#include "overlay_commands.h"
#include "soft_key.h"

namespace vostarel {
namespace {

using Kind = CommandActionKind;

TEST(OverlayCommandAction, StarThenEmptyThenModeThenTextDecide) {
  const std::pair<const char16_t*, int32_t> star[] = {{u"*", 0}, {u"*prog.exe x", 9}};
  for (const auto& [text, mode] : star) EXPECT_EQ(ChooseCommandAction(text, mode).Kind, Kind::OpenEntry);
  EXPECT_EQ(ChooseCommandAction(u"", 9).Kind, Kind::Nothing);
  EXPECT_EQ(ChooseCommandAction(nullptr, 0).Kind, Kind::Nothing);
  // Mode 0 calls whatever the text holds; so does a text with neither
  // ".exe " nor ":" (a program name alone included).
  for (const auto& [text, mode] : {std::pair<const char16_t*, int32_t>{u"prog.exe -x", 0},
                                   {u"tel:123", 0}, {u"prog.exe", 9}, {u"p.exe\t-x", 9}}) {
    EXPECT_EQ(ChooseCommandAction(text, mode).Kind, Kind::Call) << mode;
  }
  const CommandAction url = ChooseCommandAction(u"http://host/get.exe", 1);
  EXPECT_EQ(url.Kind, Kind::LaunchWhole);
  EXPECT_EQ(url.File, u"http://host/get.exe");
  EXPECT_FALSE(url.HasParameters);
}

TEST(OverlayCommandAction, ExeAndSpaceInAnyCaseSplitsFileFromParameters) {
  const char16_t* const cases[][3] = {
      {u"MessageUtil.exe -CProg -0101234", u"MessageUtil.exe", u"-CProg -0101234"},
      {u"\\Windows\\MMS.EXE -x", u"\\Windows\\MMS.EXE", u"-x"},
      {u"a.eXe  two spaces", u"a.eXe", u" two spaces"},
      {u"a.exe b.exe c", u"a.exe", u"b.exe c"},
      {u"c:\\p.exe ", u"c:\\p.exe", u""}};
  for (const auto& c : cases) {
    const CommandAction action = ChooseCommandAction(c[0], 1);
    EXPECT_EQ(action.Kind, Kind::LaunchWithParameters);
    EXPECT_EQ(action.File, c[1]);
    EXPECT_TRUE(action.HasParameters);
    EXPECT_EQ(action.Parameters, c[2]);
    // The parameters run to the text's end, so they pass on as they are.
    EXPECT_EQ(action.Parameters.data()[action.Parameters.size()], 0);
  }
}

TEST(OverlayMenuCommands, ReloadSettingsPagesAndExitByCommandId) {
  EXPECT_EQ(OverlayCommandKind(20102).Kind, OverlayActionKind::Reload);
  // Each settings item opens the page its caption names.
  const std::pair<uint32_t, int32_t> pages[] = {{20103, 0}, {20104, 1}, {20105, 3}, {20106, 4}, {20107, 4}};
  for (const auto& [id, page] : pages) {
    const OverlayAction action = OverlayCommandKind(id);
    EXPECT_EQ(action.Kind, OverlayActionKind::OpenSettings) << id;
    EXPECT_EQ(action.SettingsPage, page) << id;
  }
  EXPECT_EQ(OverlayCommandKind(20108).Kind, OverlayActionKind::Exit);
  for (uint32_t id : {0u, 20101u, 20109u, 34661u}) {
    EXPECT_EQ(OverlayCommandKind(id).Kind, OverlayActionKind::Nothing) << id;
  }
}

TEST(OverlayDialerInput, OnlyListKeysAreForwardedToTheList) {
  const std::u16string forwarded = {0x0D, 0x21, 0x22, 0x25, 0x26, 0x27, 0x28, 0x5D};
  for (uint32_t key = 0; key < 0x200; ++key) {
    EXPECT_EQ(KeyGoesToList(key), forwarded.find(static_cast<char16_t>(key)) != std::u16string::npos)
        << "key 0x" << std::hex << key;
  }
}

TEST(OverlayDialerInput, TalkKeyDialerMenuAndSoftKeyByTheirParameters) {
  EXPECT_TRUE(IsTalkKey(0x00720000) && IsTalkKey(0x00720005));
  EXPECT_FALSE(IsTalkKey(0x72) || IsTalkKey(0x01720000));
  EXPECT_TRUE(IsDialerMenuPopup(0) && IsDialerMenuPopup(22322));
  EXPECT_FALSE(IsDialerMenuPopup(1) || IsDialerMenuPopup(intptr_t{22322} << 16));
  // The high word of a WM_COMMAND's first parameter is a code, not the ID.
  EXPECT_TRUE(IsSoftKeyCommand(22634) && IsSoftKeyCommand((uintptr_t{1} << 16) | 22518));
  EXPECT_FALSE(IsSoftKeyCommand(22635));
  EXPECT_EQ(SoftKeyCommandFor(false), 22634u);
  EXPECT_EQ(SoftKeyCommandFor(true), 22518u);

  char16_t saved[kSoftKeyCaptionCapacity];
  EXPECT_EQ(KeepSoftKeyCaption(u"Keypad-Long", saved), 7u);
  EXPECT_EQ(std::u16string(saved), u"Keypad-");
}

}  // namespace
}  // namespace vostarel
