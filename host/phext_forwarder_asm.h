// The assembly of one PHExt* forwarder (phext_forwarders.cpp).
//
// VOSTAREL_FORWARDER(name, argumentBytes, transfer) expands to a string for a
// top-level asm() statement that defines the function `name`: it loads
// g_target<name>; with no target it returns E_NOTIMPL (0x80004001) at once;
// otherwise it runs `transfer`, which is VOSTAREL_TAIL_JUMP in the library.
// The transfer is a parameter only so that the chaining tests can build the
// same forwarder with a call in place of the jump and show that their checks
// catch it.
//
// x86-64 (Microsoft calling convention): the arguments are in rcx, rdx, r8,
// r9, xmm0-xmm3 and above the return address; the caller removes them.
//
// i686 (stdcall, as WINAPI is there): every argument is on the stack and the
// callee removes them with `ret N`. The jump leaves that to the target; the
// E_NOTIMPL path has to do it itself, so it needs argumentBytes, the bytes of
// the function's arguments as the phone application declares it. C names
// carry a leading underscore on i686; a .def file's plain name resolves to
// it, and no @N decoration is added.
#pragma once

#if defined(__x86_64__)

#define VOSTAREL_TAIL_JUMP "  jmp *%rax\n"

#define VOSTAREL_FORWARDER(name, argumentBytes, transfer) \
  "  .globl " #name "\n"                                  \
  "  .def " #name "; .scl 2; .type 32; .endef\n"          \
  "  .p2align 4\n"                                        \
  #name ":\n"                                             \
  "  movq g_target" #name "(%rip), %rax\n"                \
  "  testq %rax, %rax\n"                                  \
  "  jz 1f\n"                                             \
  transfer                                                \
  "1:\n"                                                  \
  "  movl $0x80004001, %eax\n"                            \
  "  ret\n"

#elif defined(__i386__)

#define VOSTAREL_TAIL_JUMP "  jmp *%eax\n"

#define VOSTAREL_FORWARDER(name, argumentBytes, transfer) \
  "  .globl _" #name "\n"                                 \
  "  .def _" #name "; .scl 2; .type 32; .endef\n"         \
  "  .p2align 4\n"                                        \
  "_" #name ":\n"                                         \
  "  movl _g_target" #name ", %eax\n"                     \
  "  testl %eax, %eax\n"                                  \
  "  jz 1f\n"                                             \
  transfer                                                \
  "1:\n"                                                  \
  "  movl $0x80004001, %eax\n"                            \
  "  ret $" #argumentBytes "\n"

#else
#error "The PHExt* forwarders are written for x86-64 and i686."
#endif

// The five forwarders, each with its argument bytes on i686.
#define VOSTAREL_PHEXT_FORWARDERS(transfer)                                                  \
  ".text\n"                                                                                  \
  VOSTAREL_FORWARDER(PHExtDoVerb, 12, transfer)                 /* verb, validate, param */  \
  VOSTAREL_FORWARDER(PHExtGetPhoneControlMetrics, 8, transfer)  /* controlId, rect */        \
  VOSTAREL_FORWARDER(PHExtGetPhoneViewInfo, 20, transfer)       /* view and four outs */     \
  VOSTAREL_FORWARDER(PHExtInitialize, 4, transfer)              /* reserved */               \
  VOSTAREL_FORWARDER(PHExtShowPhoneMsg, 24, transfer)           /* msg, 2 texts, 3 more */
