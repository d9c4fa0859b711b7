#pragma once
// The shared objects every course places on its holes (scenes/golfball): ball and aim arrow,
// flag, cup, tee peg, wind vane, the golfer's picture quad and the sand splash, with their
// pictures. All models are built in file units (Z up); the templates scale them.

#include "model_3ds_file.h"
#include "picture.h"

#include <string>
#include <vector>

namespace velmora::content {

struct PropFile {
    std::string name; // in scenes/golfball
    Model3ds model;
};

struct PropPicture {
    std::string name;
    std::vector<Picture> frames; // one, or the frames of an animation
    int delay = 0;               // hundredths of a second per frame
};

std::vector<PropFile> propModels();
std::vector<PropPicture> propPictures();

// The template lines of the seven groups, with file names relative to a course folder.
std::string propTemplateLines();

} // namespace velmora::content
