// planted_call_forwarders.dll: Vostarel.dll with its PHExt* forwarders
// built from the same assembly but with a call where the tail jump belongs,
// the fault that the chaining tests must catch. The call returns to the
// forwarder, which returns to the host.
//
// On x86_64 the call is a careful one: it gives the target fresh home space
// and the stack alignment the calling convention asks for, so the target
// runs normally and gets its register arguments right; what betrays it is
// the return address (in this library, not the host) and the stack
// arguments, which the target now looks for in the fresh space. On i686
// every argument is on the stack, and the target finds each one slot off.
#include "chained_extension.h"
#include "phext_forwarder_asm.h"

#if defined(__x86_64__)
#define VOSTAREL_PLANTED_CALL \
  "  subq $40, %rsp\n"        \
  "  call *%rax\n"            \
  "  addq $40, %rsp\n"        \
  "  ret\n"
#else
#define VOSTAREL_PLANTED_CALL \
  "  call *%eax\n"            \
  "  ret\n"
#endif

asm(VOSTAREL_PHEXT_FORWARDERS(VOSTAREL_PLANTED_CALL));
