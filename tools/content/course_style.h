#pragma once
// The three kinds of course the generator makes, and the numbers that give each its character: a
// parkland course of tree-lined doglegs, a lakes course of water carries and lateral water, and a
// links course of rolling ground, pot bunkers and wide open corridors.

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::content {

enum class CourseStyle { Parkland, Lakes, Links };

const char* styleName(CourseStyle style);
std::optional<CourseStyle> parseStyle(std::string_view name);

struct Range {
    double low = 0, high = 0;
};

struct StyleRules {
    Range corridorHalfWidth; // the band between the tree rings, in the middle of a hole
    Range fairwayHalfWidth;
    double doglegChance = 0; // of a par 4 (par 5s always bend)
    Range doglegTurn;        // radians
    Range greenBunkers;      // counts, rounded down
    Range fairwayBunkers;
    Range potBunkers;        // small deep bunkers in and beside the fairway
    int waterHoles = 0;      // holes of nine with water
    double reliefHeight = 0; // of the rolling ground, units
    double reliefWavelength = 0;
    double moundHeight = 0; // short humps and hollows in the rough
    double greenTilt = 0;   // the greatest slope of a green
};

const StyleRules& rulesOf(CourseStyle style);

// The one of three things that belongs to the style.
template <typename T> const T& byStyle(CourseStyle style, const T& parkland, const T& lakes, const T& links) {
    return style == CourseStyle::Lakes ? lakes : (style == CourseStyle::Links ? links : parkland);
}

} // namespace velmora::content
