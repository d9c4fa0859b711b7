// Writes the character pictures and every golfer's animations into resources/characters (on
// disk: the game counts the characters by listing that folder), with a contact sheet per golfer.
#include "contact_sheet.h"
#include "golfer_animations.h"
#include "output.h"
#include "portraits.h"

#include <filesystem>

using namespace velmora::content;

int main(int argc, char** argv) {
    OutputFolders folders;
    if (!startGenerator(argc, argv, folders))
        return 2;
    std::filesystem::remove_all(std::filesystem::path(folders.resources) / "characters");
    int failures = 0;
    ContactSheet portraits("Character pictures (character0 = empty slot)");
    const auto empty = emptySlotPortrait();
    failures += !writeGif(outputPath(folders, Place::Disk, "characters/character0.gif"), empty);
    portraits.add("character0.gif", empty[0].picture, 2);
    const auto& looks = golferLooks();
    for (size_t i = 0; i < looks.size(); ++i) {
        const int c = int(i) + 1;
        const std::string number = std::to_string(c);
        const auto portrait = golferPortrait(looks[i]);
        failures +=
            !writeGif(outputPath(folders, Place::Disk, "characters/character" + number + ".gif"), portrait);
        for (size_t f = 0; f < portrait.size(); ++f)
            portraits.add("character" + number + ".gif f" + std::to_string(f), portrait[f].picture, 2);
        ContactSheet sheet("Character " + number + " (" + looks[i].name +
                           "): every frame, shown twice the size; "
                           "the club meets the ball on frame 13");
        for (const Animation& animation : golferAnimations(looks[i])) {
            std::vector<GifFrame> frames;
            for (size_t f = 0; f < animation.frames.size(); ++f) {
                frames.push_back({animation.frames[f], animation.delays[f]});
                sheet.add(animation.name + " " + std::to_string(f) + " (" +
                              std::to_string(animation.delays[f]) + ")",
                          animation.frames[f], 2);
            }
            sheet.breakRow();
            const std::string file = "characters/character" + number + "/" + animation.name + number + ".gif";
            failures += !writeGif(outputPath(folders, Place::Disk, file), frames);
        }
        failures += !sheet.write(sheetPath(folders, "characters_" + number + ".png"));
    }
    failures += !portraits.write(sheetPath(folders, "portraits.png"));
    return reportFailures("characters", failures);
}
