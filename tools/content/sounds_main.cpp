// Writes every sound of the game into the sounds archive.
#include "effects.h"
#include "music.h"
#include "output.h"

#include <functional>

using namespace velmora::content;

int main(int argc, char** argv) {
    OutputFolders folders;
    if (!startGenerator(argc, argv, folders))
        return 2;
    const std::pair<const char*, std::function<Samples()>> sounds[] = {
        {"title.wav", titleMusic},    {"click.wav", buttonClick}, {"ambience.wav", courseAmbience},
        {"fullswing.wav", fullSwing}, {"chip.wav", chipShot},     {"putt.wav", puttStroke},
        {"bounce.wav", ballBounce},   {"cup.wav", cupDrop},       {"waterSplash.wav", waterSplash},
        {"applause.wav", applause},   {"cheering.wav", cheering}, {"boo.wav", booing},
        {"mystic.wav", mysticChime},
    };
    int failures = 0;
    for (const auto& [name, make] : sounds)
        failures += !writeWav(outputPath(folders, Place::Archive, std::string("sounds/") + name), make());
    return reportFailures("sounds", failures);
}
