// How Varidel.exe ends when an exception escapes: at once, quietly, with the
// exit code of abort() (3).
//
// GCC's runtime ends the program through its "verbose" terminate handler,
// which names the exception's type on standard error; a windowed program has
// no standard error, and naming the type links in a symbol demangler of some
// 46 KB. Defining the handler here, in an object of the exe itself, keeps the
// runtime's copy and its demangler out. Only the MinGW build links this file;
// the tests keep the runtime's handler and its message.
#include <windows.h>

#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { TerminateProcess(GetCurrentProcess(), 3); }

}  // namespace __gnu_cxx
