#pragma once
// The animations of one golfer, as the game plays them: the swings "drive", "chip" and "putt" (the
// club meets the ball on frame 13), the looping "aim" stance, and the reactions "exp_angry",
// "exp_cheerful" and "exp_indifferent" (frame 13 is a pose the game may hold).

#include "figure.h"
#include "picture.h"

#include <string>
#include <vector>

namespace velmora::content {

constexpr int kGolferWidth = 64;
constexpr int kGolferHeight = 128;
constexpr int kImpactFrame = 13;

struct Animation {
    std::string name; // "drive", "exp_angry", ... (the file adds the character number)
    std::vector<Picture> frames;
    std::vector<int> delays; // hundredths of a second
};

std::vector<Animation> golferAnimations(const Look& look);

// The held finish of the drive, for pictures of a golfer outside the game (the cover).
SidePose finishPose();

// The first frame of the aiming stance alone, for mockups.
Picture stanceFrame(const Look& look);

// Seconds the game takes to reach a frame at 25 drawn frames a second: a frame is left on the
// first drawn frame at which the time spent on it exceeds its delay.
double secondsToReach(const std::vector<int>& delays, int frame);

} // namespace velmora::content
