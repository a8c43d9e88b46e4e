#include "overlay_commands.h"

#include "resource_ids.h"

namespace vostarel {

namespace {

// The sheet's pages in order: General, Position, Spelling table, Commands,
// About.
constexpr int32_t kCommandsPage = 3;
constexpr int32_t kAboutPage = 4;

// The page each settings command opens: the page its caption names. The
// Spelling-table page has no item of its own; it is one tab away.
int32_t SettingsPageFor(uint32_t commandId) {
  switch (commandId) {
    case IDM_SETTINGS_COMMANDS:
      return kCommandsPage;
    case IDM_SETTINGS_ABOUT:
    case IDM_SETTINGS_PAGE_4:
      return kAboutPage;
    default:
      return static_cast<int32_t>(commandId - IDM_SETTINGS_GENERAL);  // General, Position
  }
}

}  // namespace

OverlayAction OverlayCommandKind(uint32_t commandId) {
  if (commandId == IDM_RELOAD) return {OverlayActionKind::Reload, 0};
  if (commandId >= IDM_SETTINGS_GENERAL && commandId <= IDM_SETTINGS_PAGE_4) {
    return {OverlayActionKind::OpenSettings, SettingsPageFor(commandId)};
  }
  if (commandId == IDM_EXIT) return {OverlayActionKind::Exit, 0};
  return {OverlayActionKind::Nothing, 0};
}

}  // namespace vostarel
