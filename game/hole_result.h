#pragma once
// What a hole's result and a stroke's length are called, and how the crowd and the golfer take
// them: golf words for one under par to two over ("Birdie!", "Bogey!"), a plain +3 or -4 beyond,
// "Hole-in-one!" for a single stroke, and the drive over 250 yards that gets a cheer.

#include <string>

namespace velmora {

// Short sounds of the game; each pauses the course's ambient sound for its length.
enum class Jingle { Applause = 0, Boo = 1, Bounce = 2, Cheering = 3, Cup = 4, WaterSplash = 5 };
// The golfer's reactions.
enum class Expression { Angry = 0, Cheerful = 1, Indifferent = 2 };

struct HoleResult {
    std::wstring text;
    bool withPicture = false; // the golf words come with the ball dropping into the hole
    Jingle jingle = Jingle::Cheering;
    Expression expression = Expression::Cheerful;
};

HoleResult holeResultOf(int strokes, int par);

struct StrokeReport {
    std::wstring text;
    bool niceShot = false; // over 250 yards: cheering and a cheerful golfer
};

StrokeReport strokeReportOf(float yards);

} // namespace velmora
