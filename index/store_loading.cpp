#include "store_loading.h"

namespace vostarel {

CallLogStep PlanCallLogLoad(ContactStore& callLog, uint32_t logSize, uint32_t& lastLogSize,
                            bool refresh) {
  if (logSize != lastLogSize) {
    lastLogSize = logSize;
    if (refresh) callLog.Release();
  }
  return callLog.Capacity() > 0 ? CallLogStep::KeepStore : CallLogStep::ReadRecords;
}

}  // namespace vostarel
