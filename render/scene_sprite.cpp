#include "render/scene_sprite.h"

#include "media/gdi_text.h"
#include "platform/text.h"

namespace velmora {

namespace {

constexpr int defaultIndexTextSize = 16;
constexpr int indexCharacterWidth = 6; // labels are right-aligned by this much per character

} // namespace

SceneSprite::SceneSprite() : Scene(SceneKind::Sprite) {
    painter = std::make_unique<SpriteScenePainter>(*this);
    setIndexTextSize(defaultIndexTextSize);
}

SceneSprite::~SceneSprite() { DeleteObject(indexFont); }

void SceneSprite::setIndexTextSize(int textHeight) {
    DeleteObject(indexFont);
    FontRequest request;
    request.height = textHeight;
    indexFont = createFont(request);
}

Surface* sceneTarget(const Scene& scene, const Viewport& viewport) {
    return scene.buffered && scene.buffer ? scene.buffer.get() : viewport.target;
}

void drawSceneBackground(const Scene& scene, const Viewport& viewport) {
    Surface* target = sceneTarget(scene, viewport);
    if (!target)
        return;
    if (scene.bkgTexture) {
        const Surface& picture = scene.bkgTexture->currentSurface();
        const uint32_t key = picture.hasTransparentColor ? picture.transparentColor : noColor;
        if (scene.bkgTexture->width == viewport.width && scene.bkgTexture->height == viewport.height)
            copyBlit(*target, picture, viewport.x, viewport.y, wholeSurface, key);
        else
            stretchBlit(*target, picture, viewport.x, viewport.y, viewport.width, viewport.height, wholeSurface, key);
    } else if (scene.bkgColor != noColor) {
        fillRect(*target, scene.bkgColor, viewport.x, viewport.y, viewport.width, viewport.height);
    }
}

void SpriteScenePainter::draw(float timeStep) {
    if (timeStep > 0.0f)
        ++frameCounter_;
    drawSceneBackground(scene_, viewport);
    Surface* target = sceneTarget(scene_, viewport);
    if (!target)
        return;
    for (int i = 0; i < scene_.children.count(); ++i) {
        auto* sprite = static_cast<Sprite*>(scene_.children.at(i)); // a sprite scene holds sprites only
        if (sprite->visible)
            drawSprite(*sprite, *target, sprite->x + scene_.x, sprite->y + scene_.y, 1.0f, timeStep, frameCounter_);
    }
    if (showIndexTexts)
        drawIndexTexts(*target);
}

// A black shadow, then the label one pixel left and up in the index colour. The context's font is
// put back afterwards: the sprites' text keeps its own font selected between frames.
void SpriteScenePainter::drawIndexTexts(Surface& target) const {
    HDC dc = target.memoryDC;
    HGDIOBJ previousFont = SelectObject(dc, scene_.indexFont);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = GetTextColor(dc);
    for (int i = 0; i < scene_.children.count(); ++i) {
        const auto* sprite = static_cast<const Sprite*>(scene_.children.at(i));
        if (!sprite->visible || sprite->indexText.empty())
            continue;
        const int length = static_cast<int>(sprite->indexText.size());
        const int x = sprite->x + scene_.indexTextOffsetX + scene_.x + 5 - indexCharacterWidth * length;
        const int y = sprite->y + scene_.indexTextOffsetY + scene_.y + 1;
        SetTextColor(dc, RGB(0, 0, 0));
        textOut(dc, x, y, sprite->indexText);
        SetTextColor(dc, rgbToColorRef(scene_.indexTextColor));
        textOut(dc, x - 1, y - 1, sprite->indexText);
    }
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
    if (previousFont)
        SelectObject(dc, previousFont);
}

Sprite* hitTest(const SceneSprite& scene, int x, int y) {
    for (int i = scene.children.count() - 1; i >= 0; --i) {
        auto* sprite = static_cast<Sprite*>(scene.children.at(i));
        if (!sprite->visible || sprite->guiType == GuiType::None)
            continue;
        const int left = sprite->x + scene.x, top = sprite->y + scene.y;
        if (x >= left && x <= left + sprite->drawWidth() && y >= top && y <= top + sprite->drawHeight())
            return sprite;
    }
    return nullptr;
}

} // namespace velmora
