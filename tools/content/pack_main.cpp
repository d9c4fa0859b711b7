// Packs the staged files of every generator into GUI.zip, scenes.zip and sounds.zip.
#include "archive_plan.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

using namespace velmora::content;

int main(int argc, char** argv) {
    std::string stage, resources;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--stage") == 0)
            stage = argv[i + 1];
        else if (std::strcmp(argv[i], "--resources") == 0)
            resources = argv[i + 1];
    }
    if (stage.empty() || resources.empty()) {
        std::fprintf(stderr, "usage: %s --stage DIR --resources DIR\n", argv[0]);
        return 2;
    }
    const ArchivePlan plan = planArchives(stage);
    for (const std::string& problem : plan.problems)
        std::fprintf(stderr, "archive: %s\n", problem.c_str());
    if (!plan.problems.empty())
        return 1;
    int failures = 0;
    for (const auto& [folder, entries] : plan.entries) {
        const std::filesystem::path archive = std::filesystem::path(resources) / folder / (folder + ".zip");
        std::filesystem::create_directories(archive.parent_path());
        if (!writeZip(archive.string(), entries)) {
            std::fprintf(stderr, "cannot write %s\n", archive.string().c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
