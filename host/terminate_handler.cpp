// What ends the process when an exception escapes everything: abort, as the
// standard's default terminate handler does. libstdc++'s own default prints
// the exception's demangled type on standard error first, which the phone
// application does not have; defining it here keeps the demangler and the
// formatted printing it needs out of Vostarel.dll (about a tenth of the
// 32-bit library).
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
