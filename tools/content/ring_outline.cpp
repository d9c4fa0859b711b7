#include "ring_outline.h"

#include <map>

namespace velmora::content {

std::vector<Vec2> traceOutline(const std::function<double(Vec2)>& field, Vec2 min, Vec2 max, double step) {
    const int nx = int((max.x - min.x) / step), ny = int((max.y - min.y) / step);
    if (nx < 2 || ny < 2)
        return {};
    const auto at = [&](int i, int j) { return Vec2{min.x + i * step, min.y + j * step}; };
    std::vector<double> values(size_t(nx + 1) * (ny + 1));
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            values[size_t(j) * (nx + 1) + i] = field(at(i, j));
    const auto value = [&](int i, int j) { return values[size_t(j) * (nx + 1) + i]; };
    // Lattice edges by number: 2k for the edge from point k to the right, 2k + 1 to the point above.
    const auto pointIndex = [&](int i, int j) { return j * (nx + 1) + i; };
    const auto crossingOn = [&](int edge) {
        const int k = edge / 2, i = k % (nx + 1), j = k / (nx + 1);
        const int i2 = edge % 2 ? i : i + 1, j2 = edge % 2 ? j + 1 : j;
        const double a = value(i, j), b = value(i2, j2);
        return lerp(at(i, j), at(i2, j2), a / (a - b));
    };
    struct Segment {
        int a, b;
        bool used = false;
    };
    std::vector<Segment> segments;
    std::map<int, std::vector<size_t>> byEdge; // edge -> the segments through it
    const auto addSegment = [&](int a, int b) {
        byEdge[a].push_back(segments.size());
        byEdge[b].push_back(segments.size());
        segments.push_back({a, b});
    };
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const int bottom = 2 * pointIndex(i, j), top = 2 * pointIndex(i, j + 1);
            const int left = 2 * pointIndex(i, j) + 1, right = 2 * pointIndex(i + 1, j) + 1;
            const bool a = value(i, j) < 0, b = value(i + 1, j) < 0, c = value(i + 1, j + 1) < 0,
                       d = value(i, j + 1) < 0;
            std::vector<int> crossed;
            if (a != b)
                crossed.push_back(bottom);
            if (b != c)
                crossed.push_back(right);
            if (c != d)
                crossed.push_back(top);
            if (d != a)
                crossed.push_back(left);
            if (crossed.size() == 2) {
                addSegment(crossed[0], crossed[1]);
            } else if (crossed.size() == 4) {
                // A saddle: the corners on the middle's side are joined through the cell.
                const double middle =
                    (value(i, j) + value(i + 1, j) + value(i + 1, j + 1) + value(i, j + 1)) / 4;
                if ((middle < 0) == a) {
                    addSegment(bottom, right);
                    addSegment(top, left);
                } else {
                    addSegment(bottom, left);
                    addSegment(right, top);
                }
            }
        }
    }
    std::vector<Vec2> longest;
    for (size_t first = 0; first < segments.size(); ++first) {
        if (segments[first].used)
            continue;
        segments[first].used = true;
        std::vector<Vec2> loop{crossingOn(segments[first].a)};
        int edge = segments[first].b;
        bool closed = false;
        for (;;) {
            if (edge == segments[first].a) {
                closed = true;
                break;
            }
            loop.push_back(crossingOn(edge));
            size_t next = segments.size();
            for (size_t candidate : byEdge[edge])
                if (!segments[candidate].used)
                    next = candidate;
            if (next == segments.size())
                break;
            segments[next].used = true;
            edge = segments[next].a == edge ? segments[next].b : segments[next].a;
        }
        if (closed && loop.size() > longest.size())
            longest = std::move(loop);
    }
    return longest;
}

double signedArea(const std::vector<Vec2>& loop) {
    double area = 0;
    for (size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++)
        area += cross(loop[j], loop[i]);
    return area;
}

std::vector<Vec2> smoothLoop(std::vector<Vec2> loop, int passes) {
    const size_t n = loop.size();
    std::vector<Vec2> next(n);
    for (int pass = 0; pass < passes; ++pass) {
        for (size_t i = 0; i < n; ++i) {
            const Vec2 middle = (loop[(i + n - 1) % n] + loop[(i + 1) % n]) * 0.5;
            next[i] = lerp(loop[i], middle, 0.5);
        }
        loop.swap(next);
    }
    return loop;
}

double loopLength(const std::vector<Vec2>& loop) {
    double total = 0;
    for (size_t i = 0; i < loop.size(); ++i)
        total += length(loop[(i + 1) % loop.size()] - loop[i]);
    return total;
}

std::vector<Vec2> resampleLoop(const std::vector<Vec2>& loop, int count) {
    const double total = loopLength(loop);
    std::vector<Vec2> out;
    out.reserve(size_t(count));
    size_t segment = 0;
    double segmentStart = 0;
    for (int k = 0; k < count; ++k) {
        const double wanted = total * k / count;
        for (;;) {
            const double segmentLength = length(loop[(segment + 1) % loop.size()] - loop[segment]);
            if (segmentStart + segmentLength >= wanted || segment + 1 == loop.size()) {
                const double t = segmentLength > 0 ? clamp01((wanted - segmentStart) / segmentLength) : 0;
                out.push_back(lerp(loop[segment], loop[(segment + 1) % loop.size()], t));
                break;
            }
            segmentStart += segmentLength;
            ++segment;
        }
    }
    return out;
}

} // namespace velmora::content
