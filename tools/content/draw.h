#pragma once
// Shared drawing helpers on cairo: colours, rounded shapes, gradients and outlined text.

#include "fonts.h"

#include <cairo.h>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace velmora::content {

void setColour(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
uint32_t mix(uint32_t a, uint32_t b, double t); // t = 0 gives a, 1 gives b
uint32_t shade(uint32_t rgb, double factor);    // < 1 darker, > 1 lighter (towards white)

void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius);
// Adds an ellipse (radii rx, ry, turned by angle) or a closed polygon to the current path.
void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry, double angle = 0);
void polygonPath(cairo_t* cr, std::initializer_list<std::pair<double, double>> points);

// Fills the current path inside an outline: the outline is stroked first, twice outlineWidth wide,
// so that the fill covers its inner half and overlapping shapes of one path merge. Clears the path.
void fillWithOutline(cairo_t* cr, uint32_t fill, uint32_t outline, double outlineWidth);

struct GradientStop {
    double offset;
    uint32_t rgb;
    double alpha = 1.0;
};
// A vertical gradient from y0 to y1 set as the source.
void setVerticalGradient(cairo_t* cr, double y0, double y1, const std::vector<GradientStop>& stops);

enum class Align { Left, Centre, Right };

struct TextStyle {
    Font font = Font::Label;
    double size = 24;
    uint32_t fill = 0xFFFFFF;
    double outlineWidth = 0; // drawn outside the letters, in pixels
    uint32_t outline = 0x000000;
    double shadowOffset = 0; // a hard shadow down and right, in the outline colour
    double slant = 0;        // horizontal shear of the letters
    double tracking = 0;     // extra space between letters, in pixels
};

// Width in pixels of the text as drawText lays it out.
double textWidth(cairo_t* cr, const std::string& text, const TextStyle& style);

// Draws one line of text with its baseline at y; x is its left edge, centre or right edge.
void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style,
              Align align = Align::Left);

// Draws text centred on (cx, cy) by the height of capital letters.
void drawTextCentred(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& style);

// Shrinks style.size until the text fits into maxWidth.
TextStyle fitText(cairo_t* cr, const std::string& text, TextStyle style, double maxWidth);

} // namespace velmora::content
