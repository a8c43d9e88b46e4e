// The strings PhoneGetCallLogEntry hands out: LocalAlloc'ed copies that the
// caller frees with LocalFree, a kernel32 call the stand-in never sees. To
// tell which are still allocated, the stand-in remembers each string's
// address, size and a checksum of its bytes. A string counts as outstanding
// while LocalSize still reports a live block of that size whose bytes are
// unchanged: a freed block is no live block, and a block freed and handed
// out again holds other bytes (the heap writes its bookkeeping into freed
// blocks). A caller that changes a string in place before freeing it is not
// told apart from one that freed it; the library never does that.
#pragma once

#include <windows.h>

#include <string>

namespace vostarel::phone {

// A LocalAlloc'ed copy of the text, remembered as handed out; null for an
// empty text (an absent field) and when memory runs out, for real or on
// purpose (fault point LocalAlloc): *failed is then set. Once *failed is
// set, nothing more is allocated.
PWSTR HandOutString(const std::u16string& text, bool* failed);

// Frees a string HandOutString made that was never handed on.
void TakeBackString(PWSTR text);

// Strings handed out that are still allocated and unchanged.
LONG OutstandingStrings();

}  // namespace vostarel::phone
