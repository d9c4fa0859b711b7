#include "gui/drag_pad.h"

#include "gui/canvas.h"
#include "platform/drawing.h"

#include <cstdlib>

namespace velmora {

namespace {

// Right, up, left, down, up-right, up-left, down-left, down-right (page y grows downwards, so the
// vertical component is scored against -dy).
constexpr int candidateX[] = {1414, 0, -1414, 0, 1000, -1000, -1000, 1000};
constexpr int candidateY[] = {0, 1414, 0, -1414, 1000, 1000, -1000, -1000};
constexpr uint32_t directionKeys[] = {
    KeyBitRight,
    KeyBitUp,
    KeyBitLeft,
    KeyBitDown,
    KeyBitUp | KeyBitRight,
    KeyBitUp | KeyBitLeft,
    KeyBitDown | KeyBitLeft,
    KeyBitDown | KeyBitRight,
};

} // namespace

int dragDirection(int dx, int dy, int radius, int directionMode) {
    if (std::abs(dx) < radius && std::abs(dy) < radius)
        return DragNone;
    const int candidates = directionMode == 2 ? 8 : 4;
    int best = DragNone;
    int64_t bestScore = 0;
    for (int k = 0; k < candidates; ++k) {
        const int64_t score = int64_t{candidateX[k]} * 8 * dx + int64_t{candidateY[k]} * -8 * dy;
        if (best == DragNone || score > bestScore) {
            best = k;
            bestScore = score;
        }
    }
    return best;
}

uint32_t dragDirectionKeys(int direction) {
    return direction >= 0 && direction < 8 ? directionKeys[direction] : 0;
}

DragPad::DragPad(Canvas& page, int penWidth, int padRadius, int mode)
    : directionMode(mode), radius(padRadius), page_(page),
      pen_(CreatePen(PS_SOLID, penWidth, RGB(255, 255, 255))) {}

DragPad::~DragPad() {
    page_.keysHeld_ &= ~arrowKeyBits;
    DeleteObject(pen_);
}

void DragPad::start(int x, int y) {
    if (!enabled)
        return;
    startX = endX = x;
    startY = endY = y;
    dragging = true;
    direction_ = DragNone;
}

void DragPad::moveTo(int x, int y, bool buttonHeld) {
    endX = x;
    endY = y;
    direction_ = dragDirection(endX - startX, endY - startY, radius, directionMode);
    page_.keysHeld_ &= ~arrowKeyBits;
    if (buttonHeld)
        page_.keysHeld_ |= dragDirectionKeys(direction_);
}

void DragPad::stop() {
    dragging = false;
    direction_ = DragNone;
    page_.keysHeld_ &= ~arrowKeyBits;
}

// In four- and eight-direction modes the line points exactly along the chosen direction.
void DragPad::snappedEnd(int& x, int& y) const {
    x = endX;
    y = endY;
    if (directionMode == 0 || direction_ == DragNone)
        return;
    const int dx = endX - startX, dy = endY - startY;
    const int m = dx > dy ? dx : dy;
    switch (direction_) {
    case DragRight:
    case DragLeft:
        y = startY;
        break;
    case DragUp:
    case DragDown:
        x = startX;
        break;
    case DragUpRight:
        x = startX + m;
        y = startY - m;
        break;
    case DragUpLeft:
    case DragDownRight:
        x = startX + m;
        y = startY + m;
        break;
    case DragDownLeft:
        x = startX - m;
        y = startY + m;
        break;
    default:
        break;
    }
}

void DragPad::drawFigure(int x, int y) const {
    HDC dc = page_.drawingContext();
    if (!dc)
        return;
    const int previousMode = SetROP2(dc, R2_NOT);
    HGDIOBJ previousPen = SelectObject(dc, pen_);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, startX - radius, startY - radius, startX + radius, startY + radius);
    Ellipse(dc, x - radius, y - radius, x + radius, y + radius);
    MoveToEx(dc, startX, startY, nullptr);
    LineTo(dc, x, y);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    SetROP2(dc, previousMode);
}

// The page paints a fresh picture before each draw, so the pad is drawn once over it.
void DragPad::draw() {
    int x = 0, y = 0;
    snappedEnd(x, y);
    drawFigure(x, y);
}

} // namespace velmora
