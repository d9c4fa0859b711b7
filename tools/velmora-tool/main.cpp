// velmora-tool: reads game data with the game's own code, for content authors and debugging.
#include "commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace velmora::tool {
namespace {

const Command commands[] = {
    {"help", "", "list the commands", nullptr},
    {"image", "FILE OUT",
     "decode a BMP, GIF or JPEG picture with the game's loaders; write its frames as PPM (OUT, or OUT "
     "numbered\n"
     "      per frame) and print size, frames, delays and keys",
     runImage},
    {"template", "FILE",
     "read a property template as the game does; print its keys in order with references expanded, and the "
     "items of each value list",
     runTemplate},
    {"record", "TEXT",
     "read a launch record (the text after ARG:, or a whole command line) and print what the game reads from "
     "it",
     runRecord},
    {"model", "FILE [RADIUS]",
     "read a 3DS model with the game's loader (normalised to RADIUS when given); print its meshes, "
     "materials\n"
     "      and size",
     runModel},
    {"ground", "FILE X Z",
     "build the course grid over a hole's model as the game does and print the ground under (X, Z)",
     runGround},
    {"course", "FOLDER",
     "check a course folder with the game's loaders: one line per hole (par, yards, faces, water, verdict),\n"
     "      every breach named; exit code 1 on any breach",
     runCourse},
    {"course-gen", "SEED STYLE OUT_FOLDER",
     "make a new course from a seed, STYLE parkland, lakes or links: its folder and picture go into "
     "OUT_FOLDER\n"
     "      (the game's resources/scenes, to find it in the course menu)",
     runCourseGen},
    {"course-picture", "FOLDER PICTURE [SHEET]",
     "draw a course's 320 x 240 picture (JPEG), and a contact sheet of every hole (PNG) when SHEET is given",
     runCoursePicture},
};

int printUsage(FILE* stream) {
    std::fprintf(stream, "usage: velmora-tool COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const Command& command : commands)
        std::fprintf(stream, "  %s %s\n      %s\n", command.name, command.usage, command.summary);
    return stream == stdout ? exitOk : exitUsage;
}

} // namespace
} // namespace velmora::tool

int main(int argc, char** argv) {
    using namespace velmora::tool;
    // A command-line tool shows no windows: the loaders' messages go to standard error.
    setenv("VELMORA_HEADLESS", "1", 1);
    if (argc < 2)
        return printUsage(stderr);
    for (const Command& command : commands) {
        if (std::strcmp(argv[1], command.name) != 0)
            continue;
        if (!command.run)
            return printUsage(stdout);
        // A path the file system refuses (an empty one, say) ends the command with its message
        // rather than an abort.
        try {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "velmora-tool %s: %s\n", command.name, error.what());
            return exitFailed;
        }
    }
    std::fprintf(stderr, "velmora-tool: unknown command '%s'\n", argv[1]);
    return printUsage(stderr);
}
