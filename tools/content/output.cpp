#include "output.h"

#include "fonts.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace velmora::content {

bool parseOutputFolders(int argc, char** argv, OutputFolders& folders) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--resources") == 0)
            folders.resources = argv[i + 1];
        else if (std::strcmp(argv[i], "--stage") == 0)
            folders.stage = argv[i + 1];
        else if (std::strcmp(argv[i], "--sheets") == 0)
            folders.sheets = argv[i + 1];
        else if (std::strcmp(argv[i], "--manual") == 0)
            folders.manual = argv[i + 1];
    }
    if (folders.resources.empty() || folders.stage.empty() || folders.sheets.empty() ||
        folders.manual.empty()) {
        std::fprintf(stderr, "usage: %s --resources DIR --stage DIR --sheets DIR --manual DIR\n", argv[0]);
        return false;
    }
    return true;
}

bool startGenerator(int argc, char** argv, OutputFolders& folders) {
    if (!parseOutputFolders(argc, argv, folders) || !openFonts())
        return false;
    std::error_code error;
    std::filesystem::remove_all(folders.stage, error);
    return true;
}

static std::string prepared(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return path.string();
}

std::string outputPath(const OutputFolders& folders, Place place, const std::string& relative) {
    return prepared(std::filesystem::path(place == Place::Disk ? folders.resources : folders.stage) /
                    relative);
}

std::string sheetPath(const OutputFolders& folders, const std::string& name) {
    return prepared(std::filesystem::path(folders.sheets) / name);
}

int reportFailures(const char* tool, int failures) {
    if (failures == 0)
        return 0;
    std::fprintf(stderr, "%s: %d file(s) could not be written\n", tool, failures);
    return 1;
}

} // namespace velmora::content
