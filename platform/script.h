#pragma once
// Automation: VELMORA_SCRIPT names a text file of timed input that the program plays as if a user
// typed and tapped (format in the README). It survives a relaunch: the new instance continues at
// the command the old one had reached (VELMORA_SCRIPT_POSITION) and knows its own number
// (VELMORA_SCRIPT_INSTANCE, 1 for the first), which "instance N" sections wait for.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

enum class ScriptAction {
    Wait,     // value: milliseconds
    Press,    // x, y
    Move,     // x, y
    Release,  // x, y
    KeyDown,  // value: virtual key
    KeyUp,    // value: virtual key
    Type,     // text
    Answer,   // value: message box answer
    Snapshot, // text: file name
    Focus,    // value: 1 gained, 0 lost
    Quit,
    Instance, // value: the instance the following commands belong to
    Relaunch, // text: the new command line
};

struct ScriptCommand {
    ScriptAction action = ScriptAction::Wait;
    int x = 0;
    int y = 0;
    int value = 0;
    std::wstring text;
    int line = 0; // in the file, for messages
};

// Parses a script; compound commands (tap, key, drag) become their steps. Lines that cannot be
// read are reported in errors ("line N: ...") and left out.
std::vector<ScriptCommand> parseScript(const std::string& text, std::vector<std::string>& errors);

// Reads VELMORA_SCRIPT once, then runs every command that is due. Called by the message queue on
// each peek.
void advanceScript();
// Plays commands given directly (tests); replaces any script read from the environment.
void startScript(std::vector<ScriptCommand> commands);
bool scriptFinished();

// What the "relaunch" command does: the program registers its own relaunch here.
using RelaunchRequest = void (*)(const std::wstring& commandLine);
void setRelaunchRequestHandler(RelaunchRequest handler);

} // namespace velmora
