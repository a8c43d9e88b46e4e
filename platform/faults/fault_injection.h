// Failing platform calls on purpose, inside one stand-in DLL.
//
// Each stand-in DLL (pimstore, cellcore, phone) links its own copy of this
// state: its plan, its count of calls per name and its count of failures
// injected. The plan comes from VOSTAREL_FAULTS (fault_plan.h), read at the
// DLL's first check; a malformed value is reported once per process on
// standard error, and then nothing fails. The test exports
// StandInSetFaults and StandInFaultsInjected (stand_in_counters.h) replace
// the plan and report the count.
#pragma once

#include "fault_plan.h"

namespace vostarel::faults {

inline constexpr const wchar_t* kFaultsVariable = L"VOSTAREL_FAULTS";

// True when this call of `point` is to fail; the failure is counted. A
// stand-in asks before it touches anything, so that a failing call changes
// no state and no out-parameter.
bool InjectFault(FaultPoint point);

}  // namespace vostarel::faults
