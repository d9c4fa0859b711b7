#pragma once
// The course picture (the slide show, the course menu and the loading message show it) and the
// contact sheet of every hole from the tee and from above, both drawn by the game's 3D engine.

#include <string>

namespace velmora::tool {

// Draws at 32 bits (it sets the process's display depth). Writes the 320 x 240 picture, and the sheet when
// sheetPath is not empty. False, after a message on standard error, when the course cannot be read or a file
// cannot be written.
bool writeCourseArt(const std::string& folder, const std::string& picturePath, const std::string& sheetPath);

} // namespace velmora::tool
