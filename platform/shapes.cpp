// Lines, rectangles, ellipses, polygons and rectangle fills.
#include "platform/drawing.h"

#include "platform/draw_target.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace velmora {

namespace {

constexpr int dashOn = 18; // the dashed pen's pattern, in pixels
constexpr int dashPeriod = 24;

enum Mark : uint8_t { None = 0, BrushMark = 1, PenMark = 2 };

// Collects the pixels of one shape before writing them, so that a pixel covered by several parts
// of the shape (the ends of joined lines, outline and fill) is written once: with an inverting
// raster operation the shape then toggles each of its pixels exactly once.
class ShapeMask {
public:
    ShapeMask(const DrawTarget& target, RECT bounds) : target_(target) {
        RECT drawable{};
        for (const RECT& r : target.clip)
            drawable = unionRects(drawable, r);
        drawable = {drawable.left - target.originX, drawable.top - target.originY,
                    drawable.right - target.originX, drawable.bottom - target.originY};
        area_ = intersectRects(bounds, drawable);
        width_ = area_.right - area_.left;
        if (!isRectEmpty(area_))
            marks_.assign(static_cast<size_t>(width_) * static_cast<size_t>(area_.bottom - area_.top), None);
    }

    const RECT& area() const { return area_; }

    void mark(int x, int y, Mark kind) {
        if (!pointInRect(area_, x, y))
            return;
        uint8_t& cell =
            marks_[static_cast<size_t>(y - area_.top) * width_ + static_cast<size_t>(x - area_.left)];
        cell = std::max<uint8_t>(cell, kind);
    }

    // x0 and x1 inclusive.
    void markSpan(int y, int x0, int x1, Mark kind) {
        if (y < area_.top || y >= area_.bottom)
            return;
        x0 = std::max(x0, static_cast<int>(area_.left));
        x1 = std::min(x1, static_cast<int>(area_.right) - 1);
        uint8_t* row = marks_.data() + static_cast<size_t>(y - area_.top) * width_;
        for (int x = x0; x <= x1; ++x)
            row[x - area_.left] = std::max<uint8_t>(row[x - area_.left], kind);
    }

    void flush(uint32_t penPixel, uint32_t brushPixel, int rop2) const {
        for (int y = area_.top; y < area_.bottom; ++y) {
            const uint8_t* row = marks_.data() + static_cast<size_t>(y - area_.top) * width_;
            int x = 0;
            while (x < width_) {
                const uint8_t kind = row[x];
                int end = x + 1;
                while (end < width_ && row[end] == kind)
                    ++end;
                if (kind != None)
                    fillSpan(target_, y, area_.left + x, area_.left + end,
                             kind == PenMark ? penPixel : brushPixel, rop2);
                x = end;
            }
        }
    }

private:
    const DrawTarget& target_;
    RECT area_{};
    int width_ = 0;
    std::vector<uint8_t> marks_;
};

struct PenInfo {
    bool visible = false;
    bool dashed = false;
    int width = 1;
    COLORREF color = 0;
};

PenInfo penOf(HDC dc) {
    PenInfo info;
    const auto* pen = static_cast<const Pen*>(dc->pen);
    if (!pen || pen->style == PS_NULL)
        return info;
    info.visible = true;
    info.width = std::max(pen->width, 1);
    info.dashed = pen->style == PS_DASH && info.width == 1;
    info.color = pen->color;
    return info;
}

const Brush* brushOf(HDC dc) {
    const auto* brush = static_cast<const Brush*>(dc->brush);
    return brush && !brush->hollow ? brush : nullptr;
}

// Marks a one-pixel line without its end point; dashPhase carries the pattern across joined lines.
void markThinLine(ShapeMask& mask, POINT from, POINT to, bool dashed, int& dashPhase) {
    int x = from.x;
    int y = from.y;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    while (x != to.x || y != to.y) {
        if (!dashed || dashPhase % dashPeriod < dashOn)
            mask.mark(x, y, PenMark);
        ++dashPhase;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

// A wide line: every pixel whose centre lies within half the width of the segment.
void markWideLine(ShapeMask& mask, POINT from, POINT to, int width) {
    const double radius = width / 2.0;
    const double ax = from.x + 0.5, ay = from.y + 0.5, bx = to.x + 0.5, by = to.y + 0.5;
    const double lengthSquared = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
    const int reach = static_cast<int>(std::ceil(radius));
    const int top = std::min(from.y, to.y) - reach, bottom = std::max(from.y, to.y) + reach;
    const int left = std::min(from.x, to.x) - reach, right = std::max(from.x, to.x) + reach;
    for (int y = std::max(top, static_cast<int>(mask.area().top));
         y <= std::min(bottom, static_cast<int>(mask.area().bottom) - 1); ++y) {
        for (int x = std::max(left, static_cast<int>(mask.area().left));
             x <= std::min(right, static_cast<int>(mask.area().right) - 1); ++x) {
            const double px = x + 0.5, py = y + 0.5;
            double t =
                lengthSquared > 0 ? ((px - ax) * (bx - ax) + (py - ay) * (by - ay)) / lengthSquared : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double cx = ax + t * (bx - ax) - px, cy = ay + t * (by - ay) - py;
            if (cx * cx + cy * cy <= radius * radius + 1e-9)
                mask.mark(x, y, PenMark);
        }
    }
}

RECT boundsOf(const POINT* points, int count, int margin) {
    RECT bounds{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
    for (int i = 1; i < count; ++i)
        bounds = unionRects(bounds, {points[i].x, points[i].y, points[i].x + 1, points[i].y + 1});
    return {bounds.left - margin, bounds.top - margin, bounds.right + margin, bounds.bottom + margin};
}

void markLines(ShapeMask& mask, const PenInfo& pen, const POINT* points, int count, bool closed) {
    int dashPhase = 0;
    const int segments = closed ? count : count - 1;
    for (int i = 0; i < segments; ++i) {
        const POINT from = points[i];
        const POINT to = points[(i + 1) % count];
        if (pen.width > 1)
            markWideLine(mask, from, to, pen.width);
        else
            markThinLine(mask, from, to, pen.dashed, dashPhase);
    }
}

bool drawLines(HDC dc, const POINT* points, int count, bool closed) {
    DrawTarget target;
    const PenInfo pen = penOf(dc);
    if (!pen.visible || count < 2 || !resolveTarget(dc, target))
        return true;
    ShapeMask mask(target, boundsOf(points, count, pen.width));
    markLines(mask, pen, points, count, closed);
    mask.flush(toNativePixel(pen.color, target.bitmap->bitsPerPixel), 0, dc->rop2);
    return true;
}

// The pixel span [first, last] of an ellipse's row whose centres lie inside it; false when none.
bool ellipseRow(double centreX, double centreY, double radiusX, double radiusY, int y, int& first,
                int& last) {
    if (radiusX <= 0 || radiusY <= 0)
        return false;
    const double dy = (y + 0.5 - centreY) / radiusY;
    if (dy * dy > 1.0)
        return false;
    const double half = radiusX * std::sqrt(1.0 - dy * dy);
    first = static_cast<int>(std::ceil(centreX - half - 0.5));
    last = static_cast<int>(std::floor(centreX + half - 0.5));
    return first <= last;
}

void flushShape(const ShapeMask& mask, const DrawTarget& target, const PenInfo& pen, const Brush* brush,
                int rop2) {
    const int bits = target.bitmap->bitsPerPixel;
    mask.flush(toNativePixel(pen.color, bits), brush ? toNativePixel(brush->color, bits) : 0, rop2);
}

// A shape inside a box (corners in any order): markShape(mask, box, pen band width, filled)
// marks its pixels, which are then written with the context's pen, brush and mix.
template <typename MarkShape>
bool drawBoxShape(HDC dc, int left, int top, int right, int bottom, MarkShape markShape) {
    DrawTarget target;
    if (!dc || !resolveTarget(dc, target))
        return false;
    const RECT box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom)};
    const PenInfo pen = penOf(dc);
    const Brush* brush = brushOf(dc);
    ShapeMask mask(target, box);
    markShape(mask, box, pen.visible ? pen.width : 0, brush != nullptr);
    flushShape(mask, target, pen, brush, dc->rop2);
    return true;
}

} // namespace

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DrawTarget target;
    if (!rect || !brush || !resolveTarget(dc, target))
        return 0;
    if (brush->hollow)
        return 1;
    const uint32_t pixel = toNativePixel(brush->color, target.bitmap->bitsPerPixel);
    const int top = std::max(static_cast<int>(rect->top), -target.originY);
    const int bottom = std::min(static_cast<int>(rect->bottom), target.bitmap->height - target.originY);
    for (int y = top; y < bottom; ++y)
        fillSpan(target, y, rect->left, rect->right, pixel, R2_COPYPEN);
    return 1;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    DrawTarget target;
    if (!resolveTarget(dc, target))
        return CLR_INVALID;
    const uint32_t pixel = toNativePixel(color, target.bitmap->bitsPerPixel);
    fillSpan(target, y, x, x + 1, pixel, R2_COPYPEN);
    return fromNativePixel(pixel, target.bitmap->bitsPerPixel);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    DrawTarget source;
    if (!resolveSource(dc, source))
        return CLR_INVALID;
    const int bx = x + source.originX, by = y + source.originY;
    if (bx < 0 || by < 0 || bx >= source.bitmap->width || by >= source.bitmap->height)
        return CLR_INVALID;
    return fromNativePixel(readPixel(*source.bitmap, bx, by), source.bitmap->bitsPerPixel);
}

bool MoveToEx(HDC dc, int x, int y, POINT* previous) {
    if (!dc)
        return false;
    if (previous)
        *previous = dc->position;
    dc->position = {x, y};
    return true;
}

bool LineTo(HDC dc, int x, int y) {
    if (!dc)
        return false;
    const POINT points[2] = {dc->position, {x, y}};
    dc->position = {x, y};
    return drawLines(dc, points, 2, false);
}

bool Polyline(HDC dc, const POINT* points, int count) {
    if (!dc || !points || count < 2)
        return false;
    return drawLines(dc, points, count, false);
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return drawBoxShape(dc, left, top, right, bottom,
                        [&](ShapeMask& mask, const RECT& box, int band, bool filled) {
                            for (int y = box.top; y < box.bottom; ++y) {
                                if (y < box.top + band || y >= box.bottom - band) {
                                    mask.markSpan(y, box.left, box.right - 1, PenMark);
                                    continue;
                                }
                                if (band > 0) {
                                    mask.markSpan(y, box.left, box.left + band - 1, PenMark);
                                    mask.markSpan(y, box.right - band, box.right - 1, PenMark);
                                }
                                if (filled)
                                    mask.markSpan(y, box.left + band, box.right - band - 1, BrushMark);
                            }
                        });
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
    return drawBoxShape(
        dc, left, top, right, bottom, [&](ShapeMask& mask, const RECT& box, int band, bool filled) {
            const double centreX = (box.left + box.right) / 2.0, centreY = (box.top + box.bottom) / 2.0;
            const double radiusX = (box.right - box.left) / 2.0, radiusY = (box.bottom - box.top) / 2.0;
            for (int y = box.top; y < box.bottom; ++y) {
                int outerFirst = 0, outerLast = -1, innerFirst = 0, innerLast = -1;
                if (!ellipseRow(centreX, centreY, radiusX, radiusY, y, outerFirst, outerLast))
                    continue;
                if (!ellipseRow(centreX, centreY, radiusX - band, radiusY - band, y, innerFirst, innerLast)) {
                    mask.markSpan(y, outerFirst, outerLast, PenMark);
                    continue;
                }
                mask.markSpan(y, outerFirst, innerFirst - 1, PenMark);
                mask.markSpan(y, innerLast + 1, outerLast, PenMark);
                if (filled)
                    mask.markSpan(y, innerFirst, innerLast, BrushMark);
            }
        });
}

bool Polygon(HDC dc, const POINT* points, int count) {
    DrawTarget target;
    if (!dc || !points || count < 2 || !resolveTarget(dc, target))
        return false;
    const PenInfo pen = penOf(dc);
    const Brush* brush = brushOf(dc);
    ShapeMask mask(target, boundsOf(points, count, pen.width));
    if (brush && count >= 3) {
        // Scan lines through pixel centres; a pixel is inside when its centre is (the left edge of
        // a span included, the right one not).
        struct Crossing {
            double x;
            int direction;
        };
        std::vector<Crossing> crossings;
        for (int y = mask.area().top; y < mask.area().bottom; ++y) {
            const double sampleY = y + 0.5;
            crossings.clear();
            for (int i = 0; i < count; ++i) {
                const POINT a = points[i], b = points[(i + 1) % count];
                if (a.y == b.y)
                    continue;
                const bool downward = a.y < b.y;
                const double y0 = downward ? a.y : b.y, y1 = downward ? b.y : a.y;
                if (sampleY < y0 || sampleY >= y1)
                    continue;
                const double t = (sampleY - a.y) / static_cast<double>(b.y - a.y);
                crossings.push_back({a.x + t * (b.x - a.x), downward ? 1 : -1});
            }
            std::sort(crossings.begin(), crossings.end(),
                      [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
            int winding = 0;
            for (size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += crossings[i].direction;
                const bool inside = dc->polyFillMode == WINDING ? winding != 0 : i % 2 == 0;
                if (!inside)
                    continue;
                const int first = static_cast<int>(std::ceil(crossings[i].x - 0.5));
                const int last = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5)) - 1;
                mask.markSpan(y, first, last, BrushMark);
            }
        }
    }
    if (pen.visible)
        markLines(mask, pen, points, count, true);
    flushShape(mask, target, pen, brush, dc->rop2);
    return true;
}

} // namespace velmora
