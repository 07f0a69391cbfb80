// How Varidel.exe ends when an exception escapes, or a container fails:
// at once, quietly, with the exit code of abort() (3).
//
// GCC's runtime ends the program through its "verbose" terminate handler,
// which names the exception's type on standard error; a windowed program has
// no standard error, and naming the type links in a symbol demangler of some
// 46 KB. The containers' failures (memory that runs out, a length past their
// limit) are thrown by helpers whose exception classes carry a string, and
// bring the runtime's string code (some 50 KB more); nothing in the program
// catches them, so they would end it all the same. Defining the handler and
// those helpers here, in an object of the exe itself, keeps the runtime's
// copies out. Only the MinGW build links this file; the tests keep the
// runtime's handler, its message and its exceptions.
#include <windows.h>

namespace {

[[noreturn]] void EndAtOnce() {
    TerminateProcess(GetCurrentProcess(), 3);
    ExitProcess(3);
}

}  // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler() { EndAtOnce(); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { EndAtOnce(); }
void __throw_bad_array_new_length() { EndAtOnce(); }
void __throw_length_error(const char*) { EndAtOnce(); }
void __throw_logic_error(const char*) { EndAtOnce(); }
void __throw_out_of_range_fmt(const char*, ...) { EndAtOnce(); }

}  // namespace std
