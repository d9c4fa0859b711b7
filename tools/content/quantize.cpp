#include "quantize.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <unordered_map>

namespace velmora::content {
namespace {

uint32_t packRgb(Rgba c) {
    return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
}
Rgba unpackRgb(uint32_t rgb) {
    return opaque(rgb);
}
int channel(uint32_t rgb, int index) {
    return int(rgb >> (16 - 8 * index)) & 255;
}

struct WeightedColour {
    uint32_t rgb;
    uint32_t count;
};

// A box of the median cut: a run of the colour list.
struct Box {
    size_t begin, end;
    int longestChannel = 0;
    int range = 0;
    uint64_t population = 0;
};

void measure(Box& box, const std::vector<WeightedColour>& colours) {
    std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
    box.population = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], channel(colours[i].rgb, c));
            high[c] = std::max(high[c], channel(colours[i].rgb, c));
        }
        box.population += colours[i].count;
    }
    box.range = -1;
    for (int c = 0; c < 3; ++c) {
        // Green counts a little more: the eye (and RGB565) resolves it best.
        const int weighted = (high[c] - low[c]) * (c == 1 ? 5 : 4);
        if (weighted > box.range) {
            box.range = weighted;
            box.longestChannel = c;
        }
    }
}

std::vector<Rgba> medianCut(std::vector<WeightedColour> colours, size_t wanted) {
    std::vector<Box> boxes{{0, colours.size()}};
    measure(boxes[0], colours);
    while (boxes.size() < wanted) {
        // Split the box with the widest spread, weighted by how many pixels it stands for.
        size_t best = boxes.size();
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            const double score = double(boxes[i].range) * std::sqrt(double(boxes[i].population));
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best == boxes.size())
            break;
        Box box = boxes[best];
        const int c = box.longestChannel;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end, [c](const auto& a, const auto& b) {
            return channel(a.rgb, c) != channel(b.rgb, c) ? channel(a.rgb, c) < channel(b.rgb, c)
                                                          : a.rgb < b.rgb;
        });
        uint64_t half = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            half += colours[i].count;
            split = i + 1;
            if (half * 2 >= box.population)
                break;
        }
        Box left{box.begin, split}, right{split, box.end};
        measure(left, colours);
        measure(right, colours);
        boxes[best] = left;
        boxes.push_back(right);
    }
    std::vector<Rgba> palette;
    for (const Box& box : boxes) {
        uint64_t sum[3] = {0, 0, 0}, total = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += uint64_t(channel(colours[i].rgb, c)) * colours[i].count;
            total += colours[i].count;
        }
        palette.push_back({uint8_t(sum[0] / total), uint8_t(sum[1] / total), uint8_t(sum[2] / total), 255});
    }
    return palette;
}

int distance(Rgba a, Rgba b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

bool looksLikeKey(Rgba colour, Rgba key) {
    return (colour.r >> 3) == (key.r >> 3) && (colour.g >> 2) == (key.g >> 2) &&
           (colour.b >> 3) == (key.b >> 3);
}

Palette buildPalette(const std::vector<const Picture*>& frames, Rgba key) {
    std::map<uint32_t, uint32_t> histogram;
    bool anyTransparent = false;
    for (const Picture* frame : frames) {
        for (const Rgba& p : frame->pixels) {
            if (p.a == 0)
                anyTransparent = true;
            else
                ++histogram[packRgb(p)];
        }
    }
    Palette palette;
    palette.hasKey = anyTransparent;
    if (anyTransparent)
        palette.colours.push_back(key);
    const size_t room = 256 - palette.colours.size();
    std::vector<WeightedColour> colours;
    for (const auto& [rgb, count] : histogram)
        colours.push_back({rgb, count});
    std::vector<Rgba> chosen;
    if (colours.size() <= room) {
        for (const WeightedColour& c : colours)
            chosen.push_back(unpackRgb(c.rgb));
    } else {
        chosen = medianCut(std::move(colours), room);
    }
    for (Rgba c : chosen) {
        // Keep opaque colours clear of the key, even after a display drops their low bits.
        if (anyTransparent && looksLikeKey(c, key))
            c.g = uint8_t(c.g < 128 ? c.g + 8 : c.g - 8);
        palette.colours.push_back(c);
    }
    return palette;
}

IndexedPicture mapToPalette(const Picture& picture, const Palette& palette) {
    IndexedPicture result{picture.width, picture.height, std::vector<uint8_t>(picture.pixels.size())};
    std::unordered_map<uint32_t, uint8_t> nearest;
    const size_t first = palette.hasKey ? 1 : 0;
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const Rgba& p = picture.pixels[i];
        if (p.a == 0 && palette.hasKey) {
            result.indices[i] = 0;
            continue;
        }
        const uint32_t rgb = packRgb(p);
        auto found = nearest.find(rgb);
        if (found == nearest.end()) {
            size_t best = first;
            int bestDistance = distance(p, palette.colours[first]);
            for (size_t j = first + 1; j < palette.colours.size() && bestDistance > 0; ++j) {
                const int d = distance(p, palette.colours[j]);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = j;
                }
            }
            found = nearest.emplace(rgb, uint8_t(best)).first;
        }
        result.indices[i] = found->second;
    }
    return result;
}

} // namespace velmora::content
