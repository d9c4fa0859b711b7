// Draws the program's icon at the sizes of the hicolor icon theme into the staging folder
// (icons/hicolor/<n>x<n>/apps/<id>.png), from where the installation takes it, and a contact sheet.
#include "canvas.h"
#include "contact_sheet.h"
#include "desktop_icon.h"
#include "output.h"

#include <cstring>
#include <filesystem>

using namespace velmora::content;

int main(int argc, char** argv) {
    OutputFolders folders;
    if (!startGenerator(argc, argv, folders))
        return 2;
    const char* id = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--id") == 0)
            id = argv[i + 1];
    }
    if (!id) {
        std::fprintf(stderr, "%s: --id APPLICATION-ID is missing\n", argv[0]);
        return 2;
    }
    int failures = 0;
    ContactSheet sheet("The program's icon at every size (and twice the size below)");
    for (int size : desktopIconSizes) {
        const Picture icon = drawDesktopIcon(size);
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path path = std::filesystem::path(folders.stage) / "icons" / "hicolor" /
                                           folder / "apps" / (std::string(id) + ".png");
        std::filesystem::create_directories(path.parent_path());
        failures += !writePng(icon, path.string());
        sheet.add(folder, icon);
    }
    sheet.breakRow();
    for (int size : {16, 24, 32, 48})
        sheet.add(std::to_string(size) + " x2", drawDesktopIcon(size), 2);
    failures += !sheet.write(sheetPath(folders, "icons.png"));
    return reportFailures("desktop", failures);
}
