#include "patchwork.h"

#include <cmath>

namespace velmora::content {
namespace {

// A field value this close to zero counts as outside, so that no cut passes nearer to a vertex
// than about this distance: no sliver can turn over when the model is stored in fixed point.
constexpr double nearZero = 0.25;

struct Corner {
    Vec2 p;
    double value;
};

bool before(Vec2 a, Vec2 b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

// Where the field crosses zero on the edge, computed from the ends in a fixed order.
Vec2 crossing(const Corner& a, const Corner& b) {
    const Corner& u = before(a.p, b.p) ? a : b;
    const Corner& w = before(a.p, b.p) ? b : a;
    return u.p + (w.p - u.p) * (u.value / (u.value - w.value));
}

class Cutter {
public:
    Cutter(const std::vector<SurfaceField>& fields, std::vector<std::vector<Triangle2>>& out)
        : fields_(fields), out_(out) {}

    void cut(const Triangle2& triangle, size_t field) {
        if (field == fields_.size()) {
            out_[field].push_back(triangle);
            return;
        }
        Corner c[3];
        int inside = 0;
        for (int i = 0; i < 3; ++i) {
            c[i] = {triangle[i], value(field, triangle[i])};
            inside += c[i].value < 0;
        }
        if (inside == 3) {
            out_[field].push_back(triangle);
            return;
        }
        if (inside == 0) {
            cut(triangle, field + 1);
            return;
        }
        // Turn the corners so that the one on its own side of the line comes first.
        int lone = 0;
        for (int i = 0; i < 3; ++i)
            if ((c[i].value < 0) == (inside == 1))
                lone = i;
        const Corner& l = c[lone];
        const Corner& m = c[(lone + 1) % 3];
        const Corner& n = c[(lone + 2) % 3];
        const Vec2 p = crossing(l, m);
        const Vec2 q = crossing(l, n);
        const Triangle2 tip{l.p, p, q};
        const Triangle2 base1{p, m.p, n.p};
        const Triangle2 base2{p, n.p, q};
        if (inside == 1) {
            out_[field].push_back(tip);
            cut(base1, field + 1);
            cut(base2, field + 1);
        } else {
            cut(tip, field + 1);
            out_[field].push_back(base1);
            out_[field].push_back(base2);
        }
    }

private:
    double value(size_t field, Vec2 p) const {
        const double v = fields_[field](p);
        return std::fabs(v) < nearZero ? nearZero : v;
    }

    const std::vector<SurfaceField>& fields_;
    std::vector<std::vector<Triangle2>>& out_;
};

} // namespace

std::vector<std::vector<Triangle2>> cutPatchwork(const PatchworkGrid& grid,
                                                 const std::vector<SurfaceField>& fields) {
    std::vector<std::vector<Triangle2>> out(fields.size() + 1);
    Cutter cutter(fields, out);
    const int columns = int(std::lround((grid.max.x - grid.min.x) / grid.spacing));
    const int rows = int(std::lround((grid.max.y - grid.min.y) / grid.spacing));
    const auto at = [&](int i, int j) {
        return Vec2{grid.min.x + i * grid.spacing, grid.min.y + j * grid.spacing};
    };
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            const Vec2 a = at(i, j), b = at(i + 1, j), c = at(i + 1, j + 1), d = at(i, j + 1);
            cutter.cut({a, b, c}, 0);
            cutter.cut({a, c, d}, 0);
        }
    }
    return out;
}

} // namespace velmora::content
