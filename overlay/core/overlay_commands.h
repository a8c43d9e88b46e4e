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

// 20102 reloads, 20108 exits, 20103..20107 open the settings sheet at the
// page the item's caption names: 20103 "일반" General (0), 20104 "위치"
// Position (1), 20105 "명령" Commands (3), 20106 "정보" About (4); 20107
// has no menu item but is handled, also as About.
OverlayAction OverlayCommandKind(uint32_t commandId);

}  // namespace vostarel
