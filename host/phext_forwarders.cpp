// The five PHExt* exports. Each passes its call on to the chained
// extension's function of the same name with every argument unchanged, or
// returns E_NOTIMPL (0x80004001) when there is none. They do not know the
// types of the arguments, so they are tail jumps written in assembly
// (phext_forwarder_asm.h): load the target from its global, and either
// return E_NOTIMPL at once or jump to the target with the stack and the
// argument registers exactly as the caller left them. The target then
// returns straight to the caller. Neither path touches the stack pointer
// before the jump or a non-volatile register, so the thunks are leaf
// functions and need no unwind data.
#include "chained_extension.h"
#include "phext_forwarder_asm.h"

asm(VOSTAREL_PHEXT_FORWARDERS(VOSTAREL_TAIL_JUMP));
