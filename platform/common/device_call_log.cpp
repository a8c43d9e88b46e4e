#include "device_call_log.h"

#include <string>

#include "calllog_file.h"
#include "device_folder.h"
#include "win_text.h"

namespace vostarel::platform {

bool AddCallToDeviceLog(const wchar_t* number, const wchar_t* name, size_t maxRecords) {
  const std::wstring path = DeviceDataPath(kCallLogFileName);
  std::string bytes;
  if (!ReadFileBytes(path, &bytes) && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return false;  // there is a log, but it cannot be read: do not overwrite it
  }
  const std::string updated =
      device::PrependCallRecord(bytes, ToUtf16(number), ToUtf16(name), maxRecords);
  if (updated.size() == bytes.size() && updated == bytes) return false;
  return WriteFileBytes(path, updated);
}

}  // namespace vostarel::platform
