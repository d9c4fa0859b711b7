#include "render/sprite.h"

#include "base/wide_string.h"
#include "media/gdi_text.h"
#include "platform/drawing.h"
#include "platform/text.h"
#include "surface/gdi_blit.h"

namespace velmora {

namespace {

Texture* firstTexture(const Sprite& sprite) {
    return sprite.texture ? sprite.texture : sprite.brightTexture ? sprite.brightTexture : sprite.mask;
}

void animateOnce(Texture* texture, float timeStep, uint32_t frameCounter) {
    if (texture && texture->animationEnabled && texture->lastFrameTick != frameCounter) {
        texture->animate(timeStep);
        texture->lastFrameTick = frameCounter;
    }
}

int scaled(int value, float scale) { return scale == 1.0f ? value : static_cast<int>(value * scale); }

UINT drawTextFormat(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Center:
        return DT_CENTER | DT_WORDBREAK;
    case TextAlignment::Right:
        return DT_RIGHT | DT_WORDBREAK;
    case TextAlignment::Left:
        break;
    }
    return DT_LEFT | DT_WORDBREAK;
}

// The text box starts one pixel in from the sprite's left edge and ends two pixels short of its right.
void drawText(const Sprite& sprite, Surface& target, int px, int py, int width, int height, float scale) {
    const int x = scaled(px + sprite.textOffsetX, scale), y = scaled(py + sprite.textOffsetY, scale);
    const int size = scaled(sprite.textSize == 0 ? 16 : sprite.textSize, scale);
    const TextBox box{x + 1, y, x + width - 2, y + height};
    BitmapFont* font = sprite.status == SpriteStatus::Normal ? sprite.bitmapFontNormal : sprite.bitmapFontBright;
    if (font) {
        if (sprite.textFormatted)
            drawTextBox(*font, target, box, sprite.text, size, sprite.textAlignment);
        else
            velmora::drawText(*font, target, box.left, box.top, sprite.text, size);
        return;
    }
    HDC dc = target.memoryDC;
    SetTextColor(dc, rgbToColorRef(sprite.textColor));
    useFont(dc, {size, sprite.textWeight, sprite.textItalic, sprite.textUnderline, sprite.textFont});
    if (sprite.textFormatted)
        textBox(dc, RECT{box.left, box.top, box.right, box.bottom}, sprite.text, drawTextFormat(sprite.textAlignment));
    else
        textOut(dc, box.left, box.top, sprite.text);
}

} // namespace

void Sprite::setText(std::wstring_view newText) {
    text.assign(newText);
    replaceSameLength(text, L"\\n", L"\n\r");
    replaceSameLength(text, L"^c", L": ");
}

Rect Sprite::clipRect() const {
    if (clipX >= 0 && clipY >= 0 && clipW >= 0 && clipH >= 0)
        return {clipX, clipY, clipW, clipH};
    const Texture* first = firstTexture(*this);
    return first ? Rect{0, 0, first->width, first->height} : Rect{0, 0, 0, 0};
}

int Sprite::drawWidth() const { return width < 0 ? clipRect().width : width; }
int Sprite::drawHeight() const { return height < 0 ? clipRect().height : height; }

void drawSprite(Sprite& sprite, Surface& target, int px, int py, float scale, float timeStep, uint32_t frameCounter) {
    const Rect clip = sprite.clipRect();
    const int spriteWidth = sprite.drawWidth(), spriteHeight = sprite.drawHeight();
    const int x = scaled(px, scale), y = scaled(py, scale);
    const int width = scaled(spriteWidth, scale), height = scaled(spriteHeight, scale);
    const bool sameSize = clip.width == width && clip.height == height;

    const bool bright = sprite.status == SpriteStatus::Bright;
    Texture* image = bright ? sprite.brightTexture : sprite.texture;
    animateOnce(image, timeStep, frameCounter);
    animateOnce(sprite.mask, timeStep, frameCounter);

    const Surface* picture = image ? &image->currentSurface() : nullptr;
    if (!picture && !sprite.mask) {
        const uint32_t fill = bright ? sprite.brightColor : sprite.color;
        if (fill != noColor)
            fillRect(target, fill, x, y, width, height);
    } else if (picture && (picture->hasTransparentColor || !sprite.mask)) {
        const uint32_t key = picture->hasTransparentColor ? picture->transparentColor : noColor;
        if (sameSize)
            copyBlit(target, *picture, x, y, clip, key);
        else
            stretchBlit(target, *picture, x, y, width, height, clip, key);
    } else {
        // The mask clears what the picture will cover; the picture is then mixed in.
        const Rect placed{x, y, width, height};
        stretchToContext(sprite.mask->currentSurface(), target.memoryDC, placed, SRCAND, clip);
        if (picture)
            stretchToContext(*picture, target.memoryDC, placed, SRCINVERT, clip);
    }
    if (sprite.frameColor != noColor)
        fillRect(target, sprite.frameColor, x - 1, y - 1, width + 2, height + 2, Fill::Outline);
    if (!sprite.text.empty())
        drawText(sprite, target, px, py, width, height, scale);
}

} // namespace velmora
