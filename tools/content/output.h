#pragma once
// Where the generators write: files the game reads from disk go straight into the resources
// folder; files that ship inside an archive go into a staging folder (one subfolder per archive:
// GUI, scenes, sounds), which the packer zips; contact sheets go into their own folder.

#include "picture.h"

#include <string>

namespace velmora::content {

struct OutputFolders {
    std::string resources; // build/resources
    std::string stage;     // build/content/stage
    std::string sheets;    // build/content/sheets
    std::string manual;    // build/manual
};

// Reads "--resources DIR --stage DIR --sheets DIR --manual DIR"; prints the usage and returns false
// when one is missing.
bool parseOutputFolders(int argc, char** argv, OutputFolders& folders);

// The start of every generator: reads the folders, opens the fonts and empties the generator's
// staging folder (it rewrites it whole). False, after a message, when it cannot go on.
bool startGenerator(int argc, char** argv, OutputFolders& folders);

enum class Place { Disk, Archive };

// The full path of a file given relative to the resources folder ("GUI/icons/iconWood.gif"),
// with its parent folders created.
std::string outputPath(const OutputFolders& folders, Place place, const std::string& relative);
std::string sheetPath(const OutputFolders& folders, const std::string& name);

// Reports a failed write and turns it into an exit code for main.
int reportFailures(const char* tool, int failures);

} // namespace velmora::content
