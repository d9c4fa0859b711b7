#include "course_style.h"

namespace velmora::content {

const char* styleName(CourseStyle style) {
    switch (style) {
    case CourseStyle::Parkland:
        return "parkland";
    case CourseStyle::Lakes:
        return "lakes";
    case CourseStyle::Links:
        return "links";
    }
    return "";
}

std::optional<CourseStyle> parseStyle(std::string_view name) {
    for (CourseStyle style : {CourseStyle::Parkland, CourseStyle::Lakes, CourseStyle::Links})
        if (name == styleName(style))
            return style;
    return std::nullopt;
}

const StyleRules& rulesOf(CourseStyle style) {
    static const StyleRules parkland{
        .corridorHalfWidth = {78, 96},
        .fairwayHalfWidth = {22, 28},
        .doglegChance = 0.75,
        .doglegTurn = {0.38, 0.62},
        .greenBunkers = {2, 4},
        .fairwayBunkers = {1, 3},
        .potBunkers = {0, 0},
        .waterHoles = 1,
        .reliefHeight = 5,
        .reliefWavelength = 230,
        .moundHeight = 0.6,
        .greenTilt = 0.022,
    };
    static const StyleRules lakes{
        .corridorHalfWidth = {108, 132},
        .fairwayHalfWidth = {24, 30},
        .doglegChance = 0.45,
        .doglegTurn = {0.3, 0.5},
        .greenBunkers = {1, 3.5},
        .fairwayBunkers = {0, 2},
        .potBunkers = {0, 0},
        .waterHoles = 6,
        .reliefHeight = 3.5,
        .reliefWavelength = 280,
        .moundHeight = 0.4,
        .greenTilt = 0.018,
    };
    static const StyleRules links{
        .corridorHalfWidth = {126, 150},
        .fairwayHalfWidth = {28, 36},
        .doglegChance = 0.35,
        .doglegTurn = {0.2, 0.4},
        .greenBunkers = {1, 2.6},
        .fairwayBunkers = {0, 0},
        .potBunkers = {6, 12},
        .waterHoles = 0,
        .reliefHeight = 6,
        .reliefWavelength = 150,
        .moundHeight = 2.2,
        .greenTilt = 0.025,
    };
    return byStyle(style, parkland, lakes, links);
}

} // namespace velmora::content
