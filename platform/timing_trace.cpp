#include "platform/timing_trace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace velmora {

void traceTiming(const char* event) {
    static const bool enabled = [] {
        const char* value = std::getenv("VELMORA_TIMING");
        return value && *value && *value != '0';
    }();
    if (!enabled)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "velmora timing: %s %.3f\n", event, now.tv_sec * 1000.0 + now.tv_nsec / 1e6);
}

} // namespace velmora
