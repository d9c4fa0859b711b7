// The ground's patchwork is seamless: pieces cover the rectangle exactly, every piece faces up,
// and every inner edge is shared by exactly two pieces, one on each side.
#include "patchwork.h"
#include "shape_fields.h"

#include <gtest/gtest.h>

#include <map>

namespace velmora::content {
namespace {

double area(const Triangle2& t) {
    return cross(t[1] - t[0], t[2] - t[0]) / 2;
}

TEST(Patchwork, PiecesCoverTheGridOnceAndMeetEdgeToEdge) {
    const Ellipse green{{8, 16}, 21.5, 13.3, direction(0.6)};
    const Blob pond{{{{-30, -20}, 17, 9, direction(-0.4)}, {{-18, -28}, 10, 8, direction(0.3)}}, 5};
    const Rectangle tee{{24, -32}, 9.5, 6.25, direction(1.1)};
    const std::vector<SurfaceField> fields = {
        [&](Vec2 p) { return rectangleField(tee, p); }, [&](Vec2 p) { return ellipseField(green, p); },
        [&](Vec2 p) { return blobField(pond, p); }, [&](Vec2 p) { return blobField(pond, p) - 5; }};
    const PatchworkGrid grid{{-64, -64}, {64, 64}, 8};
    const auto pieces = cutPatchwork(grid, fields);
    ASSERT_EQ(pieces.size(), fields.size() + 1);

    double total = 0;
    std::map<std::pair<std::pair<double, double>, std::pair<double, double>>, int> edges;
    for (size_t surface = 0; surface < pieces.size(); ++surface) {
        EXPECT_FALSE(pieces[surface].empty()) << "surface " << surface;
        for (const Triangle2& t : pieces[surface]) {
            EXPECT_GT(area(t), 1e-4) << "a piece facing down or a sliver in surface " << surface;
            total += area(t);
            for (int k = 0; k < 3; ++k) {
                const Vec2 a = t[size_t(k)], b = t[size_t((k + 1) % 3)];
                ++edges[{{a.x, a.y}, {b.x, b.y}}];
            }
        }
    }
    EXPECT_NEAR(total, 128.0 * 128.0, 1e-6);
    int border = 0;
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1) << "an edge used twice the same way round";
        const auto reverse = edges.find({edge.second, edge.first});
        const Vec2 a{edge.first.first, edge.first.second}, b{edge.second.first, edge.second.second};
        const bool onBorder = (a.x == b.x && std::fabs(a.x) == 64) || (a.y == b.y && std::fabs(a.y) == 64);
        if (onBorder)
            ++border;
        else
            EXPECT_NE(reverse, edges.end()) << "an inner edge (" << a.x << ", " << a.y << ") - (" << b.x
                                            << ", " << b.y << ") with no piece on its other side: a crack";
    }
    EXPECT_EQ(border, 4 * 16);
}

TEST(Patchwork, AShapeCentredOnAGridPointIsCutSymmetricallyAroundIt) {
    // The green's box centre is the cup only if the cut green is symmetric about the cup.
    const Ellipse green{{16, 24}, 19.3, 15.7, direction(0.45)};
    const auto pieces =
        cutPatchwork({{-64, -64}, {96, 96}, 8}, {[&](Vec2 p) { return ellipseField(green, p); }});
    Vec2 min{1e9, 1e9}, max{-1e9, -1e9};
    for (const Triangle2& t : pieces[0])
        for (Vec2 p : t)
            min = {std::min(min.x, p.x), std::min(min.y, p.y)},
            max = {std::max(max.x, p.x), std::max(max.y, p.y)};
    EXPECT_NEAR((min.x + max.x) / 2, 16, 1e-9);
    EXPECT_NEAR((min.y + max.y) / 2, 24, 1e-9);
}

} // namespace
} // namespace velmora::content
