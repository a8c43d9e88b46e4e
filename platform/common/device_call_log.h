// Adding a placed call to the device's call log, for the phone application.
#pragma once

#include <cstddef>

namespace vostarel::platform {

// Adds the call as the newest record of calllog.txt in the device data
// folder (a missing file starts an empty log). With maxRecords above 0 the
// oldest records beyond that many are dropped. False when the file could
// not be written, or when the call has no number and no name to write.
bool AddCallToDeviceLog(const wchar_t* number, const wchar_t* name, size_t maxRecords = 0);

}  // namespace vostarel::platform
