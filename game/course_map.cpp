#include "game/course_map.h"

#include "platform/drawing.h"
#include "render/fixed_point.h"

#include <algorithm>

namespace velmora {

namespace {

void fillPolygon(HDC dc, const std::vector<Vector3>& ring, const CourseMap& map, COLORREF colour) {
    if (ring.size() < 4) // three corners and the repeated first point
        return;
    std::vector<POINT> points;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const MapPixel p = map.mapPixel(ring[i]);
        points.push_back({p.x, p.y});
    }
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Polygon(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

} // namespace

bool CourseMap::create(float courseWidth, float courseDepth) {
    courseDepth_ = courseDepth;
    const float ratio = courseWidth > 0.0f ? courseDepth / courseWidth : 0.0f;
    const int height = std::clamp(saturatedInt(ratio * static_cast<float>(mapWidth)), 1, maxMapHeight);
    if (!bitmap_.create(mapWidth, height, true))
        return false;
    RECT all{0, 0, mapWidth, height};
    FillRect(bitmap_.memoryDC, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return true;
}

void CourseMap::draw(const std::vector<Vector3>& treeLine, const std::vector<Vector3>& playLine) {
    if (bitmap_.empty())
        return;
    fillPolygon(bitmap_.memoryDC, treeLine, *this, RGB(255, 0, 0));
    fillPolygon(bitmap_.memoryDC, playLine, *this, RGB(255, 255, 255));
}

MapPixel CourseMap::mapPixel(const Vector3& point) const {
    const float k = courseDepth_ > 0.0f ? static_cast<float>(bitmap_.height) / courseDepth_ : 0.0f;
    return {saturatedInt(point.x * k) + bitmap_.width / 2, bitmap_.height / 2 - saturatedInt(point.z * k)};
}

bool CourseMap::isOutOfBounds(const Vector3& point) const {
    const MapPixel p = mapPixel(point);
    if (!onMap(p))
        return true;
    const uint32_t rgb = bitmap_.getPixel(p.x, p.y);
    const int brightness = static_cast<int>(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF)) / 3;
    return brightness < inBoundsBrightness;
}

bool CourseMap::isOutsideCourse(const Vector3& point) const {
    const MapPixel p = mapPixel(point);
    return !onMap(p) || bitmap_.getPixel(p.x, p.y) == 0;
}

} // namespace velmora
