// The stand-in platform DLLs seen from the phone application: their
// counters, for --input, and the switch for their injected failures, for
// {FAULTS:ON} and {FAULTS:OFF}.
//
// The first use loads pimstore.dll, cellcore.dll and phone.dll into this
// process for good. COM would otherwise unload the address book between two
// loads, and with it its counts and its fault plan.
#pragma once

#include "core/printed_state.h"

namespace vostarel::cprog {

// Loads the stand-ins now (see above), before anything uses them, so that
// their counts cover the whole run.
void HoldStandIns();

// The counters of every stand-in, the failures injected by all of them
// added up, and this process's private memory.
StandInCounters ReadStandInCounters();

// On: each stand-in fails calls as VOSTAREL_FAULTS describes; off: none.
void SwitchStandInFaults(bool on);

}  // namespace vostarel::cprog
