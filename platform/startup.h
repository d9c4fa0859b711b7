#pragma once
// Prepares the platform layer for a program run: records the command line and, when headless (or
// without any display to show a window on), selects SDL's dummy video and audio drivers before
// anything starts SDL.

namespace velmora {

void initializePlatform(int argc, char** argv);

} // namespace velmora
