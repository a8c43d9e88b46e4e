#include "overlay_commands.h"

#include "resource_ids.h"

namespace vostarel {

OverlayAction OverlayCommandKind(uint32_t commandId) {
  if (commandId == IDM_RELOAD) return {OverlayActionKind::Reload, 0};
  if (commandId >= IDM_SETTINGS_GENERAL && commandId <= IDM_SETTINGS_PAGE_4) {
    return {OverlayActionKind::OpenSettings, static_cast<int32_t>(commandId - IDM_SETTINGS_GENERAL)};
  }
  if (commandId == IDM_EXIT) return {OverlayActionKind::Exit, 0};
  return {OverlayActionKind::Nothing, 0};
}

}  // namespace vostarel
