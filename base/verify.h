#pragma once
// VERIFY(condition, fix) guards a precondition that callers must guarantee and whose breach would
// read or write memory that is not the callee's (an address outside a buffer, an index past a
// table). Unlike assert it stays in every build type: it protects memory, not a debugging session.
// On failure it names the place, the condition and the fix, then aborts. Bad data from outside is
// never a VERIFY: that gets a return value and a message, and the game goes on.

#include <cstdio>
#include <cstdlib>

namespace velmora {

[[noreturn]] inline void verifyFailed(const char* file, int line, const char* condition, const char* fix) {
    std::fprintf(stderr, "%s:%d: VERIFY(%s) failed: %s\n", file, line, condition, fix);
    std::fflush(stderr);
    std::abort();
}

} // namespace velmora

#define VERIFY(condition, fix)                                                                   \
    do {                                                                                         \
        if (!(condition)) [[unlikely]]                                                           \
            ::velmora::verifyFailed(__FILE__, __LINE__, #condition, fix);                        \
    } while (false)
