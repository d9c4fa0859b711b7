#pragma once
// The program's one message loop: pumps messages and, whenever none waits, hands the processor to
// the registered idle handler (or sleeps a millisecond).

#include "platform/types.h"

namespace velmora {

// Runs until the quit message; returns its code.
int run(HWND mainWindow);

} // namespace velmora
