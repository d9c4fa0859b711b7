#pragma once
// Prepares the platform layer for a program run: records the command line, when headless (or
// without any display to show a window on) selects SDL's dummy video and audio drivers before
// anything starts SDL, and installs the clock of VELMORA_SPEED.

namespace velmora {

void initializePlatform(int argc, char** argv);

} // namespace velmora
