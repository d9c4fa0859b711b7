#pragma once
// A hand-made hole for the validator's tests, flat and laid out on 16-unit cells: a round ring of
// trees 300 units out, the tee at (0, -240) and the cup at (0, 224) on cell corners, a fairway, a
// bunker, and water with its bank. Each field breaks one rule.

#include <filesystem>
#include <string>

namespace velmora::test {

struct SmallHole {
    bool water = true;
    bool bank = true;
    bool counterClockwise = false; // the ring's bottom points run the wrong way round
    std::string leftOut;           // an object left out
    bool gap = false;              // one rough face missing
    bool faceDown = false;         // one fairway face wound the other way
    bool greenWithoutCentre = false;
    double teeY = -240; // the teeing ground's centre along the file's y
};

// Writes hole1.3ds and its textures into the folder.
void writeSmallHole(const SmallHole& hole, const std::filesystem::path& folder);

} // namespace velmora::test
