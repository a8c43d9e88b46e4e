#include "dialer_profile.h"

namespace vostarel::cprog {

DialerProfile ProfileForVersion(std::uint32_t major, std::uint32_t minor) {
  DialerProfile profile;
  profile.version5 = major >= 5;
  profile.version52 = major >= 5 && minor >= 2;
  profile.numberFieldId = profile.version5 ? 23002 : 22301;
  profile.statusId = profile.version52 ? kStatus52Id : kStatusPlainId;
  profile.softKeyCommand = profile.version52 ? 22518 : 22634;
  profile.historyCommand = profile.version5 ? 22502 : 22303;
  return profile;
}

}  // namespace vostarel::cprog
