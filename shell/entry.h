#pragma once
// The whole life of one program instance: checks, start-up, the first page, the main loop and the
// tear-down. Returns the process's exit code.

namespace velmora {

int velmoraMain(int argc, char** argv);

} // namespace velmora
