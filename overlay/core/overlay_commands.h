// The overlay menu's commands (menu 102, first popup): reload the stores,
// open the settings sheet at a page, end the phone application.
#pragma once

#include <cstdint>

namespace vostarel {

enum class OverlayActionKind {
  Nothing,       // a dismissed menu (0) or an ID that is no overlay command
  Reload,        // reload the three stores, report the total, refresh
  OpenSettings,  // the settings sheet at SettingsPage, then refresh
  Exit,          // end the phone application's message loop, no refresh
};

struct OverlayAction {
  OverlayActionKind Kind;
  int32_t SettingsPage;  // 0..4 for OpenSettings, otherwise 0
};

// 20102 reloads, 20103..20107 open the settings sheet at page ID - 20103
// (20107 has no menu item but is handled), 20108 exits.
OverlayAction OverlayCommandKind(uint32_t commandId);

}  // namespace vostarel
