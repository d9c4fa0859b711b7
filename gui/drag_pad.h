#pragma once
// The stylus joystick of a page: a drag from a start point gives a direction (free, four or eight
// directions) that holds the page's arrow-key bits while the pointer is down, drawn as two
// circles joined by a line with an inverting pen, so that drawing the same picture again erases it.

#include "platform/gdi.h"

#include <cstdint>

namespace velmora {

class Canvas;

enum DragDirection : int {
    DragNone = -1,
    DragRight = 0,
    DragUp = 1,
    DragLeft = 2,
    DragDown = 3,
    DragUpRight = 4,
    DragUpLeft = 5,
    DragDownLeft = 6,
    DragDownRight = 7,
};

// The direction of a drag of (dx, dy) page pixels (y grows downwards) for a pad of radius r:
// none inside the square of half side r, else the best-scoring of the mode's candidates.
int dragDirection(int dx, int dy, int radius, int directionMode);
// The arrow-key bits that a direction holds.
uint32_t dragDirectionKeys(int direction);

class DragPad {
public:
    // radius is in page pixels (already scaled).
    DragPad(Canvas& page, int penWidth, int radius, int directionMode);
    ~DragPad();
    DragPad(const DragPad&) = delete;
    DragPad& operator=(const DragPad&) = delete;

    // A press starts a drag at the point (when enabled).
    void start(int x, int y);
    // A move with the button held: the new end point, the page's arrow bits updated.
    void moveTo(int x, int y, bool buttonHeld);
    // The release: no drag, no arrow bits.
    void stop();
    // Draws the pad over the page's freshly painted back buffer.
    void draw();
    int direction() const { return direction_; }
    bool isDragging() const { return dragging; }
    // A pad that is dragging is drawn by the page after each frame.
    bool isActive() const { return dragging; }

    bool enabled = true;
    int startX = 0, startY = 0, endX = 0, endY = 0;
    bool dragging = false;
    int directionMode = 0;
    int radius = 0;

private:
    void drawFigure(int x, int y) const;
    void snappedEnd(int& x, int& y) const;

    Canvas& page_;
    int direction_ = DragNone;
    HPEN pen_ = nullptr;
};

} // namespace velmora
