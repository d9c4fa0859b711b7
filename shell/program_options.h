#pragma once
// The options a person may give the program: "--help" and "--version" print their text on
// standard output and end the program; any other argument that starts with '-' is refused with a
// pointer to "--help". Everything else is the game's own command line (a launch record "ARG:...",
// which the program passes to itself when it relaunches).

#include <optional>
#include <string>

namespace velmora {

// The exit code when an option ends the program before it starts (0 after --help and --version,
// 2 after an unknown option), none when the game should start.
std::optional<int> handleProgramOptions(int argc, char** argv);

// The texts of --help and --version.
std::string helpText();
std::string versionText();

} // namespace velmora
