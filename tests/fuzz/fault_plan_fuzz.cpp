// Any bytes as VOSTAREL_FAULTS. A value is either a plan (a rate within
// 1000, at least one call named, failures that a second reading of the same
// value repeats exactly) or refused with a reason that quotes at most a
// printable piece of it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fault_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel::faults;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const FaultPlanResult result = ParseFaultPlan(text);
  if (!result.Plan) {
    if (result.Error.empty() || result.Error.size() > 200) std::abort();
    for (const char c : result.Error) {
      if (c < 0x20 || c >= 0x7F) std::abort();
    }
    return 0;
  }
  const FaultPlan& plan = *result.Plan;
  if (plan.RatePerMille > kMaxFaultRate || plan.Points.none()) std::abort();
  const FaultPlan again = *ParseFaultPlan(text).Plan;
  for (size_t point = 0; point < kFaultPointCount; ++point) {
    for (uint64_t call = 0; call < 8; ++call) {
      const bool fails = plan.Fails(static_cast<FaultPoint>(point), call);
      if (fails != again.Fails(static_cast<FaultPoint>(point), call)) std::abort();
      if (fails && (plan.RatePerMille == 0 || !plan.Points.test(point))) std::abort();
    }
  }
  return 0;
}
