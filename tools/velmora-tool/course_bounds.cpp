#include "course_bounds.h"

#include "platform/drawing.h"
#include "platform/gdi.h"
#include "render/fixed_point.h"

namespace velmora::tool {
namespace {

constexpr float playLineInset = 16.0f;

// Drops the point onto the ground; false (point unchanged) without ground.
bool drop(SpatialGrid& grid, Vector3& point) {
    Vector3 normal;
    return grid.dropToGround(point, normal) != nullptr;
}

} // namespace

BoundaryLines boundaryLines(const Mesh3D& woods, SpatialGrid& grid) {
    BoundaryLines lines;
    const size_t n = woods.vertices.size() / 2;
    if (n < 2)
        return lines;
    lines.treeLine.resize(n);
    lines.playLine.resize(n);
    for (size_t i = 0; i < n; ++i) {
        Vector3 p = woods.vertices[i].position();
        if (!drop(grid, p))
            ++lines.pointsWithoutGround;
        lines.treeLine[i] = p;
        Vector3 play = p;
        if (i > 0) {
            // Square to the ring, on the side the ring's direction gives: inside for a ring that
            // runs clockwise seen from above.
            const Vector3 d = (play - lines.playLine[i - 1]).normalised();
            play += cross(Vector3{0.0f, playLineInset, 0.0f}, d);
            if (!drop(grid, play))
                ++lines.pointsWithoutGround;
        }
        lines.playLine[i] = play;
    }
    lines.treeLine[0] = lines.treeLine[n - 1];
    lines.playLine[0] = lines.playLine[n - 1];
    return lines;
}

CourseMap buildCourseMap(const BoundaryLines& lines, float courseWidth, float courseDepth) {
    CourseMap map;
    map.courseWidth = courseWidth;
    map.courseDepth = courseDepth;
    if (!(courseWidth > 0.0f) || !(courseDepth > 0.0f))
        return map;
    map.height = static_cast<int>(courseDepth / courseWidth * 50.0f);
    if (map.height < 1 || lines.treeLine.size() < 4)
        return map;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(map.width, map.height, 16, &bits);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, map.width, map.height, BLACKNESS);
    const auto fill = [&](const std::vector<Vector3>& line, COLORREF colour) {
        std::vector<POINT> points;
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            const MapPixel pixel = mapPixel(map, line[i]);
            points.push_back({pixel.x, pixel.y});
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
    };
    fill(lines.treeLine, RGB(255, 0, 0));
    fill(lines.playLine, RGB(255, 255, 255));
    map.brightness.resize(static_cast<size_t>(map.width) * map.height);
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            map.brightness[static_cast<size_t>(y) * map.width + x] =
                static_cast<uint8_t>(((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3);
        }
    }
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return map;
}

MapPixel mapPixel(const CourseMap& map, const Vector3& point) {
    const float k = static_cast<float>(map.height) / map.courseDepth;
    return {static_cast<int>(point.x * k) + map.width / 2, map.height / 2 - static_cast<int>(point.z * k)};
}

bool isOutOfBounds(const CourseMap& map, const Vector3& point) {
    const MapPixel p = mapPixel(map, point);
    if (p.x < 0 || p.x >= map.width || p.y < 0 || p.y >= map.height || map.brightness.empty())
        return true;
    return map.brightness[static_cast<size_t>(p.y) * map.width + p.x] < 190;
}

WaterDrop waterDrop(SpatialGrid& grid, Vector3 position, Vector3 aim, float ballRadius, const Mesh3D* water,
                    const Mesh3D* bank, int limit) {
    const Vector3 back = aim.normalised() * (-25.0f * ballRadius);
    WaterDrop result;
    const Mesh3D* ground = nullptr;
    do {
        position += back;
        Vector3 under = position;
        Vector3 normal;
        ground = grid.dropToGround(under, normal);
        ++result.steps;
    } while ((ground == water || ground == bank) && ground && result.steps < limit);
    position += back;
    Vector3 under = position;
    Vector3 normal;
    result.ground = grid.dropToGround(under, normal);
    result.point = position;
    return result;
}

} // namespace velmora::tool
