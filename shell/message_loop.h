#pragma once
// The program's one message loop: pumps messages and, whenever none waits, hands the processor to
// the registered idle handler (or sleeps a millisecond).

#include "platform/types.h"

namespace velmora {

// Shows the main window full screen in front, then pumps messages until the quit message; returns
// its code.
int runMessageLoop(HWND mainWindow);

} // namespace velmora
