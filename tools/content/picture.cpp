#include "picture.h"

#include <algorithm>

namespace velmora::content {

Picture downsample(const Picture& source, int factor) {
    Picture result(source.width / factor, source.height / factor);
    const int area = factor * factor;
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    const Rgba& p = source.at(x * factor + sx, y * factor + sy);
                    r += p.r * p.a;
                    g += p.g * p.a;
                    b += p.b * p.a;
                    a += p.a;
                }
            }
            Rgba& out = result.at(x, y);
            if (a == 0)
                continue;
            out = {uint8_t(r / a), uint8_t(g / a), uint8_t(b / a), uint8_t((a + area / 2) / area)};
        }
    }
    return result;
}

Picture crop(const Picture& source, int x, int y, int w, int h) {
    Picture result(w, h);
    for (int row = 0; row < h; ++row) {
        const int sy = y + row;
        if (sy < 0 || sy >= source.height)
            continue;
        for (int column = 0; column < w; ++column) {
            const int sx = x + column;
            if (sx >= 0 && sx < source.width)
                result.at(column, row) = source.at(sx, sy);
        }
    }
    return result;
}

void compose(Picture& destination, const Picture& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        const int dy = y + row;
        if (dy < 0 || dy >= destination.height)
            continue;
        for (int column = 0; column < source.width; ++column) {
            const int dx = x + column;
            if (dx < 0 || dx >= destination.width)
                continue;
            const Rgba& s = source.at(column, row);
            if (s.a == 0)
                continue;
            Rgba& d = destination.at(dx, dy);
            const int outA = s.a + d.a * (255 - s.a) / 255;
            auto channel = [&](uint8_t sc, uint8_t dc) {
                return uint8_t((sc * s.a + dc * d.a * (255 - s.a) / 255) / outA);
            };
            d = {channel(s.r, d.r), channel(s.g, d.g), channel(s.b, d.b), uint8_t(outA)};
        }
    }
}

Picture scaleNearest(const Picture& source, int w, int h) {
    Picture result(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            result.at(x, y) = source.at(x * source.width / w, y * source.height / h);
    return result;
}

void hardenAlpha(Picture& picture, int threshold) {
    for (Rgba& p : picture.pixels)
        p.a = p.a >= threshold ? 255 : 0;
}

Picture flatten(const Picture& picture, Rgba background) {
    Picture result(picture.width, picture.height, background);
    result.pixels = std::vector<Rgba>(picture.pixels.size(), {background.r, background.g, background.b, 255});
    compose(result, picture, 0, 0);
    return result;
}

} // namespace velmora::content
