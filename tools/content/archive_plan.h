#pragma once
// Which staged files go into which of the game's three archives, and the rules an archive must
// keep: the game opens an entry by unpacking it into one temporary folder with every '/' turned
// into '_', matches names without regard to case, and never takes a course picture from an archive.

#include "zip_file.h"

#include <map>
#include <string>
#include <vector>

namespace velmora::content {

// The archives by folder: "GUI" -> GUI/GUI.zip, "scenes" -> scenes/scenes.zip, "sounds" -> ...
const std::vector<std::string>& archiveFolders();

struct ArchivePlan {
    std::map<std::string, std::vector<ZipEntry>> entries; // by archive folder
    std::vector<std::string> problems;                    // empty when the plan is sound
};

// Collects stageRoot/<generator>/<folder>/... for every archive folder.
ArchivePlan planArchives(const std::string& stageRoot);

// The problems of one archive's entry names (collisions once flattened, over-long names, files
// the game only reads from disk).
std::vector<std::string> checkEntries(const std::string& folder, const std::vector<ZipEntry>& entries);

} // namespace velmora::content
