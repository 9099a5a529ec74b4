/*
 * terminate_handler.cpp: replaces libstdc++'s verbose terminate handler.
 *
 * The library's default one prints the exception's demangled type to stderr,
 * which a GUI program does not have, and drags the whole C++ demangler (some
 * 70 KiB) into the executable. The program catches every error it raises, so
 * terminate means a bug: end at once.
 */
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
}
