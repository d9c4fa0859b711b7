#include "contact_sheet.h"

#include "canvas.h"
#include "draw.h"

#include <algorithm>

namespace velmora::content {
namespace {

constexpr int kGap = 12;
constexpr int kLabelHeight = 16;
constexpr int kTitleHeight = 34;

struct Placement {
    int x, y;
};

} // namespace

void ContactSheet::add(const std::string& label, const Picture& picture, int zoom) {
    entries_.push_back(
        {label, zoom == 1 ? picture : scaleNearest(picture, picture.width * zoom, picture.height * zoom),
         breakBefore_});
    breakBefore_ = false;
}

bool ContactSheet::write(const std::string& path) const {
    // Lay out left to right, wrapping at maxWidth or where a row break was asked for.
    std::vector<Placement> placements;
    int x = kGap, y = kTitleHeight, rowHeight = 0, width = 0;
    for (const Entry& entry : entries_) {
        // Room for the label too (about six pixels a character).
        const int w = std::max(entry.picture.width, int(entry.label.size()) * 6),
                  h = entry.picture.height + kLabelHeight;
        if (x > kGap && (entry.newRow || x + w + kGap > maxWidth_)) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placements.push_back({x, y});
        x += w + kGap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, h);
    }
    const int height = y + rowHeight + kGap;
    Canvas canvas(std::max(width, 400), height);
    cairo_t* cr = canvas.cr();
    setColour(cr, 0x3A3F47);
    cairo_paint(cr);
    drawText(cr, title_, kGap, 24, {Font::Label, 18, 0xFFFFFF});
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        const Placement& at = placements[i];
        // Checkerboard behind the picture.
        for (int cy = 0; cy < entry.picture.height; cy += 8) {
            for (int cx = 0; cx < entry.picture.width; cx += 8) {
                setColour(cr, ((cx + cy) / 8) % 2 ? 0xB8BCC4 : 0xE4E6EA);
                cairo_rectangle(cr, at.x + cx, at.y + cy, std::min(8, entry.picture.width - cx),
                                std::min(8, entry.picture.height - cy));
                cairo_fill(cr);
            }
        }
        canvas.drawPicture(entry.picture, at.x, at.y);
        drawText(cr, entry.label, at.x, at.y + entry.picture.height + 12, {Font::Regular, 10, 0xE8E8E8});
    }
    return writePng(canvas.picture(), path);
}

} // namespace velmora::content
