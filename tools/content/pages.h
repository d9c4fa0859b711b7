#pragma once
// The layout the art is drawn for: every screen of the game with the nodes that sit on it, their
// rectangles in layout units (the 240 x 320 page) and the pictures they show. Backgrounds are drawn
// around these rectangles, the mockups place the pictures on them, and docs/content.md lists them
// for the page templates. Every picture is twice its rectangle's size in pixels.

#include "widgets.h"

#include <cairo.h>
#include <functional>
#include <string>
#include <vector>

namespace velmora::content {

struct Rect {
    int x, y, w, h;
};

// Pixels of the 480 x 640 picture for a layout rectangle.
inline Box pixels(const Rect& r) {
    return {r.x * 2.0, r.y * 2.0, r.w * 2.0, r.h * 2.0};
}

enum class TextFont { None, Title, Label, Body, Small, System };

struct Widget {
    std::string node;    // the node name the templates use
    Rect rect;           // relative to the page (or to its scene for pop-ups)
    std::string picture; // texture ("" for none)
    std::string bright;  // picture while pressed or ticked
    std::string sample;  // text shown in the mockup
    TextFont font = TextFont::None;
    bool centred = false;
    int textOffsetX = 0, textOffsetY = 0; // the template's textOffsetX/Y
    bool hiddenInMockup = false;          // shown by the program only at times (e.g. Yes and No)
};

// What a background shows besides the scenery, in layout units.
struct Decoration {
    enum Kind { Ribbon, CreamPanel, DarkPanel, Frame, Plate, Caption, Rows, Logo, Golfer, Trophy } kind;
    Rect rect;
    std::string text; // ribbon title, panel caption, caption text
    int count = 0;    // rows of a Rows decoration
};

struct Page {
    std::string name; // also the mockup's name
    std::string templateFile;
    Rect scene;             // the scene the widgets sit in (the whole page for most)
    std::string background; // full-scene picture ("" for none)
    std::vector<Widget> widgets;
    std::vector<Decoration> decorations;
    uint64_t scenerySeed = 0; // 0: no scenery (pop-up panels)
    bool sunset = false;
};

const std::vector<Page>& pages();

// The layout as Markdown tables, one per page: node, rectangle, pictures, text font.
std::string layoutTables();

// Draws the background picture of a page: scenery (when it has a seed) and its decorations, at
// twice the scene's size.
void paintBackground(cairo_t* cr, const Page& page);

// The golfer of the cover, drawn large in a finishing pose, standing on (x, y) with the given height.
void drawCoverGolfer(cairo_t* cr, double x, double y, double height);

} // namespace velmora::content
