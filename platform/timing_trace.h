#pragma once
// With VELMORA_TIMING=1 the program writes the moments of a few events to standard error, on the
// monotonic clock shared by all processes ("velmora timing: <event> <milliseconds>"), so that the
// time across a relaunch can be measured from the outside.

namespace velmora {

void traceTiming(const char* event);

} // namespace velmora
