// What the game page draws itself around its scenes: the sky and the hills behind the 3D view,
// turning with the camera's heading and rising as it looks down; the cup marker over the view; and
// the course name and the hole drawn into the heads-up panels.
#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "platform/drawing.h"
#include "platform/text.h"
#include "platform/ui_scale.h"
#include "render/fixed_point.h"
#include "render/trig_tables.h"
#include "surface/blitters.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace velmora {

namespace {

constexpr float twoPi = 2.0f * kPi;
constexpr float skyDriftRate = 0.001f; // turns of the sky per second of the drift clock
constexpr int skyAboveScene = 20;      // the sky's top stands this far above the view when level
constexpr float hillsBelowSky = 5.0f;  // the hills' bottom edge stands this far below the sky's
constexpr float cupMarkerDepth = 20.0f;
constexpr int cupMarkerHalf = 6;
constexpr uint32_t panelTextColour = 0x509650; // (80, 150, 80)
constexpr int panelTextHeight = 16;
constexpr int panelTextMargin = 4; // between the text and the picture's right edge

// The camera's heading as a share of a full turn (0 ... 1) and its pitch (the y of its unit view
// direction).
std::pair<float, float> headingAndPitch(const Camera3D& camera) {
    Vector3 d = (camera.target() - camera.eye()).normalised();
    const float pitch = d.y;
    d.y = 0.0f;
    d.normalise();
    float a = std::asin(std::clamp(d.x, -1.0f, 1.0f));
    if (d.x > 0.0f && d.z <= 0.0f)
        a = kPi - a;
    else if (d.x <= 0.0f && d.z > 0.0f)
        a = twoPi + a;
    else if (d.x <= 0.0f && d.z <= 0.0f)
        a = kPi - a;
    return {a / twoPi, pitch};
}

// An offset into a picture width wide, brought into 0 ... width - 1.
int wrapped(int offset, int width) {
    return width > 0 ? ((offset % width) + width) % width : 0;
}

// Copies the picture side by side from x on until the page's right edge is covered.
void tile(Surface& page, const Surface& picture, int x, int y, uint32_t key) {
    if (picture.width <= 0)
        return;
    for (; x < page.width; x += picture.width)
        copyBlit(page, picture, x, y, wholeSurface, key);
}

void fitToWidth(Texture& picture, int width) {
    Surface& frame = *picture.frames.front();
    if (frame.empty() || frame.width == width || width <= 0)
        return;
    const int height = frame.height * width / frame.width;
    Surface resized;
    if (height <= 0 || !resized.create(width, height, frame.useDeviceDepth))
        return;
    stretchBlit(resized, frame, 0, 0, width, height);
    resized.hasTransparentColor = frame.hasTransparentColor;
    resized.transparentColor = frame.transparentColor;
    frame.swap(resized);
    picture.width = width;
    picture.height = height;
}

// Runs `use` with "Arial" of the given height selected into the context.
template <typename Use> void withPanelFont(HDC dc, int height, Use use) {
    LOGFONTW font;
    font.lfHeight = height;
    std::wcsncpy(font.lfFaceName, L"Arial", 31);
    HFONT arial = CreateFontIndirectW(&font);
    HGDIOBJ previous = SelectObject(dc, arial);
    use();
    SelectObject(dc, previous);
    DeleteObject(arial);
}

// The text is drawn 16 high (scaled) unless that runs past the picture's right edge: the desktop's
// sans-serif is wider than the handheld's, and "Hole 1 / Par 4" would lose its last character, so
// the height shrinks in proportion until the text fits (never below half).
void drawPanelText(Texture& picture, const std::wstring& text, int x, int y) {
    const Surface& frame = *picture.frames.front();
    HDC dc = frame.memoryDC;
    if (!dc)
        return;
    const int left = scaled(x);
    const int room = frame.width - left - scaled(panelTextMargin);
    const int length = static_cast<int>(text.size());
    int height = scaled(panelTextHeight);
    SIZE extent{};
    withPanelFont(dc, height, [&] { GetTextExtentPoint32W(dc, text.c_str(), length, &extent); });
    if (extent.cx > room)
        height = std::max(height / 2, height * std::max(room, 0) / static_cast<int>(extent.cx));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, rgbToColorRef(panelTextColour));
    withPanelFont(dc, height,
                  [&] { ExtTextOutW(dc, left, scaled(y), 0, nullptr, text.c_str(), length, nullptr); });
}

} // namespace

void GameCanvas::paint() {
    // Between the frames of a running page the 3D view keeps its picture: so does its background.
    if (gameLoaded && !(dt < 0.0f && isRunning()))
        drawBackground();
    Canvas::paint();
}

void GameCanvas::drawBackground() {
    Surface* page = backBuffer();
    if (!page || !camera || !mainScene)
        return;
    const auto [heading, pitch] = headingAndPitch(*camera);
    const int skyWidth = skyImage.empty() ? landscapeStrip.width / 2 : skyImage.width;
    const int skyHeight = skyImage.height;
    const int top = std::min(0, saturatedInt(pitch * 2.0f * static_cast<float>(skyHeight) -
                                             static_cast<float>(scaled(skyAboveScene)))) +
                    mainScene->y;
    if (top + skyHeight < page->height)
        fillRect(*page, backgroundColour, 0, top + skyHeight, page->width, page->height - (top + skyHeight));
    const int skyShift =
        wrapped(saturatedInt((skyClock * skyDriftRate + heading) * static_cast<float>(skyWidth)), skyWidth);
    tile(*page, skyImage, -skyShift, top, noColor);
    if (landscapeStrip.empty())
        return;
    const int hillShift = wrapped(saturatedInt(static_cast<float>(skyWidth) * heading), skyWidth);
    const float hillsTop =
        static_cast<float>(skyHeight - landscapeStrip.height + top) + scaled(hillsBelowSky);
    tile(*page, landscapeStrip, -hillShift, saturatedInt(hillsTop),
         landscapeStrip.hasTransparentColor ? landscapeStrip.transparentColor : noColor);
}

// A square over the cup while it is far enough ahead to be hard to see.
void GameCanvas::drawCupMarker() {
    if (!grpCup || !camera || !mainScene)
        return;
    const Vector3 view = camera->worldToView(grpCup->transform.getTranslation());
    if (view.z <= cupMarkerDepth)
        return;
    const float k = static_cast<float>(camera->projectionFactor()) / view.z;
    const CameraViewport& viewport = camera->viewport();
    const int x = mainScene->x + viewport.centreX + saturatedInt(view.x * k);
    const int y = mainScene->y + viewport.centreY - saturatedInt(view.y * k);
    if (x <= 0 || x >= pageWidth() || y <= 0 || y >= pageHeight())
        return;
    const int half = scaled(cupMarkerHalf);
    HDC dc = drawingContext();
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x - half, y - half, x + half, y + half);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
}

void GameCanvas::drawPanels() {
    if (sptTopPanel && sptTopPanel->texture) {
        fitToWidth(*sptTopPanel->texture, pageWidth());
        drawPanelText(*sptTopPanel->texture, courseDisplayName, 152, 14);
    }
    if (sptBottomPanel && sptBottomPanel->texture) {
        fitToWidth(*sptBottomPanel->texture, pageWidth());
        const int par = pars[static_cast<size_t>(std::clamp(holeNumber, 1, holeCount) - 1)];
        drawPanelText(*sptBottomPanel->texture, formatWide(L"Hole %d / Par %d", holeNumber, par), 152, 2);
    }
}

} // namespace velmora
