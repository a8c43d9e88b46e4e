// The five PHExt* exports. Each passes its call on to the chained
// extension's function of the same name with every argument unchanged, or
// returns E_NOTIMPL (0x80004001) when there is none. They do not know the
// number or types of the arguments, so they are tail jumps written in
// assembly (x86-64, Microsoft calling convention): load the target from its
// global, and either return E_NOTIMPL at once or jump to the target with
// rcx, rdx, r8, r9, xmm0-xmm3 and the stack exactly as the caller left them.
// The target then returns straight to the caller. Neither path touches rsp
// or a non-volatile register, so the thunks are leaf functions and need no
// unwind data.
#include "chained_extension.h"

#if !defined(__x86_64__)
#error "The PHExt* forwarders are written for x86-64."
#endif

#define VOSTAREL_FORWARDER(name)              \
  "  .globl " #name "\n"                     \
  "  .def " #name "; .scl 2; .type 32; .endef\n" \
  "  .p2align 4\n"                           \
  #name ":\n"                                \
  "  movq g_target" #name "(%rip), %rax\n"   \
  "  testq %rax, %rax\n"                     \
  "  jz 1f\n"                                \
  "  jmp *%rax\n"                            \
  "1:\n"                                     \
  "  movl $0x80004001, %eax\n"               \
  "  ret\n"

asm(".text\n"
    VOSTAREL_FORWARDER(PHExtDoVerb)
    VOSTAREL_FORWARDER(PHExtGetPhoneControlMetrics)
    VOSTAREL_FORWARDER(PHExtGetPhoneViewInfo)
    VOSTAREL_FORWARDER(PHExtInitialize)
    VOSTAREL_FORWARDER(PHExtShowPhoneMsg));
