// planted_call_forwarders.dll: Vostarel.dll with its PHExt* forwarders
// built from the same assembly but with a call where the tail jump belongs,
// the fault that the chaining tests must catch. The call returns to the
// forwarder, which returns to the host.
#include "chained_extension.h"
#include "phext_forwarder_asm.h"

#if defined(__x86_64__)
#define VOSTAREL_PLANTED_CALL "  call *%rax\n  ret\n"
#else
#define VOSTAREL_PLANTED_CALL "  call *%eax\n  ret\n"
#endif

asm(VOSTAREL_PHEXT_FORWARDERS(VOSTAREL_PLANTED_CALL));
