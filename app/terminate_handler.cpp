// The program's terminate handler, in place of the toolchain's default one. The default prints
// the name of the exception that escaped to the console, and for that links in a C++ name
// demangler and stdio, about 50 KB of the program's size; this program has no console, so all
// that is left to do is to end the process.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
