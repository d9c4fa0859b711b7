// Writes the GUI pictures (into the GUI archive), the ball's shadow (into the scenes archive), their
// contact sheets, a mockup of every screen and the manual's pictures.
#include "canvas.h"
#include "contact_sheet.h"
#include "gui_pictures.h"
#include "mockups.h"
#include "output.h"
#include "pages.h"
#include "portraits.h"

#include <cstdio>
#include <filesystem>
#include <map>

using namespace velmora::content;

int main(int argc, char** argv) {
    OutputFolders folders;
    if (!startGenerator(argc, argv, folders))
        return 2;
    const std::filesystem::path manualImages = std::filesystem::path(folders.manual) / "images";
    std::filesystem::remove_all(manualImages);
    std::filesystem::create_directories(manualImages);

    AssetSet assets;
    addButtonsAndMarks(assets);
    addBackgrounds(assets);
    addHud(assets);
    addDialogs(assets);
    addIcons(assets);
    addCourseProps(assets);
    int failures = assets.write(folders);

    // The character pictures are written by the characters step; mockups show them too.
    AssetSet mockupAssets = assets;
    mockupAssets.add("characters/character0.gif", emptySlotPortrait()[0].picture, "", Place::Disk);
    for (size_t i = 0; i < golferLooks().size(); ++i)
        mockupAssets.add("characters/character" + std::to_string(i + 1) + ".gif",
                         golferPortrait(golferLooks()[i])[0].picture, "", Place::Disk);
    const std::string sizeProblems = checkPictureSizes(mockupAssets);
    if (!sizeProblems.empty()) {
        std::fprintf(stderr, "pictures that do not fit their layout:\n%s", sizeProblems.c_str());
        ++failures;
    }

    std::map<std::string, ContactSheet> sheets;
    const std::map<std::string, std::pair<std::string, int>> groups = {
        {"buttons", {"GUI buttons and marks (normal, then pressed or ticked)", 1}},
        {"backgrounds", {"GUI backgrounds (480 x 640, shown at half size)", 0}},
        {"hud", {"Heads-up display and gauge", 1}},
        {"menus", {"Game menus, scorecard and save panel", 1}},
        {"dialogs", {"Message box, hole result, keyboard, prompts, credits", 1}},
        {"icons", {"Icons (GUI/icons), shown twice the size", 2}}};
    for (const Asset& asset : assets.all()) {
        const auto& [title, zoom] = groups.at(asset.group);
        auto [it, added] = sheets.try_emplace(asset.group, title);
        const std::string name = asset.path.substr(asset.path.rfind('/') + 1);
        for (size_t f = 0; f < asset.frames.size(); ++f) {
            const Picture& picture = asset.frames[f].picture;
            const std::string label = asset.frames.size() > 1 ? name + " f" + std::to_string(f) : name;
            if (zoom == 0)
                it->second.add(label, downsample(picture, 2));
            else
                it->second.add(label, picture, zoom);
        }
    }
    for (const auto& [group, sheet] : sheets)
        failures += !sheet.write(sheetPath(folders, "gui_" + group + ".png"));

    // Screens at 480 x 640 beside the same screen at 240 x 320 (every other pixel, as the game's
    // stretch would show it), and smooth half-size copies for the manual.
    for (const Page& page : pages()) {
        const Picture screen = mockup(page, mockupAssets);
        Picture pair(480 + 16 + 240, 640);
        compose(pair, screen, 0, 0);
        compose(pair, scaleNearest(screen, 240, 320), 496, 0);
        failures += !writePng(pair, sheetPath(folders, "screen_" + page.name + ".png"));
        failures += !writePng(downsample(screen, 2), (manualImages / (page.name + ".png")).string());
    }
    // The layout the art is drawn for, as docs/content.md quotes it.
    FILE* layout = std::fopen(sheetPath(folders, "layout.md").c_str(), "w");
    failures += !layout || std::fputs(layoutTables().c_str(), layout) < 0;
    if (layout)
        failures += std::fclose(layout) != 0;
    return reportFailures("gui", failures);
}
