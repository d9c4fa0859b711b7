#pragma once
// The GUI's widget pictures in one style: pill buttons with a lip under them that the face sinks
// onto when pressed, round icon buttons, check boxes, radio marks, labelled options, panels and
// title ribbons. Sizes are in pixels of the 480-wide screen (twice the layout units).

#include "picture.h"

#include <cairo.h>
#include <cstdint>
#include <functional>
#include <string>

namespace velmora::content {

enum class Tone { Orange, Blue, Green, Red };

struct ToneColours {
    uint32_t top, bottom, ink;
};
ToneColours toneColours(Tone tone);

struct Box {
    double x, y, w, h;
};

// Draws an icon or label inside the face of a button.
using FaceContent = std::function<void(cairo_t*, const Box& face, bool pressed)>;

Picture pillButton(int w, int h, Tone tone, bool pressed, const FaceContent& content);
Picture labelButton(const std::string& label, int w, int h, Tone tone, bool pressed,
                    const FaceContent& icon = {});
Picture roundButton(int size, Tone tone, bool pressed, const FaceContent& content);

enum class Arrow { Left, Right, Up, Down };
void drawArrowGlyph(cairo_t* cr, const Box& box, Arrow arrow, uint32_t fill, uint32_t ink);

enum class Mark { Check, Radio, Ball };
// A check box, radio mark or golf-ball mark, ticked or not, with an optional label to its right
// (the picture is then wide enough for the label).
Picture markPicture(Mark mark, bool ticked, int size, const std::string& label = {}, int width = 0);

// The label style used for text on buttons.
void drawButtonLabel(cairo_t* cr, const std::string& label, const Box& face, uint32_t ink, double size);

enum class PanelStyle { Cream, Dark };
// A rounded panel with its border and a soft shadow beneath.
void drawPanel(cairo_t* cr, const Box& box, PanelStyle style, double radius = 14);

// A keyed cream card with a deep green border: pop-up panels, the scorecard, the message box. The
// content is drawn between the fill and the border.
Picture cardPicture(int w, int h, const std::function<void(cairo_t*)>& content = {});

// A title ribbon across the top of a page, with the text in white.
void drawRibbon(cairo_t* cr, const Box& box, const std::string& title);

// Fills the picture's surroundings with transparency outside a rounded shape, hardened for GIF.
Picture keyed(Picture picture);

} // namespace velmora::content
