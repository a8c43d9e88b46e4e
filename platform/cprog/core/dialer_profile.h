// What the dialer looks like to the extension on a given system version:
// control and command IDs and where its registration lives. Platform-free.
#pragma once

#include <cstdint>

namespace vostarel::cprog {

inline constexpr std::uint16_t kKeypadAreaId = 23061;
inline constexpr std::uint16_t kStatus52Id = 23041;
// The status line's ID where 23041 is not wanted (before 5.2).
inline constexpr std::uint16_t kStatusPlainId = 23040;
// The extension's result list (a list view child of the dialer).
inline constexpr std::uint16_t kResultListId = 43295;

struct DialerProfile {
  bool version5 = false;    // major version 5 or more
  bool version52 = false;   // major 5 or more and minor 2 or more
  std::uint16_t numberFieldId = 0;
  std::uint16_t statusId = 0;        // 23041 exactly when version52
  std::uint16_t softKeyCommand = 0;  // the soft key the extension relabels
  std::uint16_t historyCommand = 0;  // "call history" in the dialer's menu
};

// The version flags follow the extension's own reading: a major version
// above 5 with a minor below 2 is not "5.2 or later".
DialerProfile ProfileForVersion(std::uint32_t major, std::uint32_t minor);

}  // namespace vostarel::cprog
