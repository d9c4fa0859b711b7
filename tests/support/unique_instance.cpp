// Gives each test process its own single-instance names, so that tests running in parallel do
// not find each other's top-level windows.
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
const bool uniqueInstance = [] {
    const std::string name = "velmora-test-" + std::to_string(getpid());
    return setenv("VELMORA_INSTANCE", name.c_str(), 1) == 0;
}();
} // namespace
