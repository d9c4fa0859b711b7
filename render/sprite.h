#pragma once
// The drawable 2D node: a picture (normal or bright), a mask, colour fills, a frame outline and a
// text, in a rectangle of the scene; also the widget state that chooses what it draws.

#include "media/bitmap_font.h"
#include "render/scene.h"
#include "surface/blitters.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

enum class GuiType { None = 0, Button = 1, Checkbox = 2, Hyperlink = 3, Tiplink = 4, Editbox = 5 };

// Bright: pressed, ticked or selected.
enum class SpriteStatus { Normal = 0, Bright = 1 };

// The width and height of a sprite whose template gives none: it takes its clip size.
inline constexpr int clipSize = -10000;

struct Sprite : Node {
    // Stores the text with its escapes expanded: "\n" (backslash, n) becomes a line break "\n\r",
    // "^c" becomes ": " (a colon cannot be written in a template list value).
    void setText(std::wstring_view newText);

    // The source rectangle in the first texture present: the explicit clip when all four values
    // are non-negative, else the whole first frame.
    Rect clipRect() const;
    // The size drawn at scale 1: width and height, or the clip size while they are negative.
    int drawWidth() const;
    int drawHeight() const;

    bool visible = true;
    int x = 0, y = 0;
    int width = clipSize, height = clipSize;
    SpriteStatus status = SpriteStatus::Normal;
    Texture* texture = nullptr; // pictures belong to the page's image cache
    Texture* brightTexture = nullptr;
    Texture* mask = nullptr;
    int clipX = -1, clipY = -1, clipW = -1, clipH = -1;
    uint32_t color = noColor, brightColor = noColor, frameColor = noColor;

    std::wstring text;
    std::wstring textFont; // face name; empty: the default face
    int textSize = 0;      // 0 means 16
    bool textItalic = false;
    bool textUnderline = false;
    int textWeight = 400;
    int textOffsetX = 0, textOffsetY = 0;
    bool textFormatted = true;
    TextAlignment textAlignment = TextAlignment::Left;
    uint32_t textColor = 0;
    BitmapFont* bitmapFontNormal = nullptr; // fonts belong to the page
    BitmapFont* bitmapFontBright = nullptr;

    std::wstring indexText; // keyboard shortcut label, at most 4 characters

    GuiType guiType = GuiType::None;
    std::wstring widgetText; // href, checkbox group or editbox settings
    bool persistent = false;
};

// Draws the sprite at (px, py) onto target. scale multiplies position and size (1 for 2D
// scenes); animated pictures advance by timeStep once per frameCounter value.
void drawSprite(Sprite& sprite, Surface& target, int px, int py, float scale, float timeStep, uint32_t frameCounter);

} // namespace velmora
