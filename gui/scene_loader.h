#pragma once
// Reading the lines of a page template: one line's items in the page's units (scaled pixels,
// percentages of the page, colours, flags), and the builders of each line type, which create the
// scene or node a line describes and attach it to its container. Canvas::loadTemplate walks the
// template's keys and calls buildTemplateLine for each.

#include "base/value_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class Canvas;

// A pixel size that may be given in percent: 'N%' is (int)(N * extent / 100 + 0.5) of the page
// extent whatever the scale; anything else is a scaled pixel value.
int pixelSize(std::wstring_view text, int pageExtent);

// One template line's items. Missing and empty items give the default.
class TemplateLine {
public:
    explicit TemplateLine(ValueList items) : items_(std::move(items)) {}

    std::optional<std::wstring> text(std::wstring_view item) const;
    std::wstring text(std::wstring_view item, std::wstring_view defaultValue) const;
    int integer(std::wstring_view item, int defaultValue) const;
    // A pixel value written for the 240-pixel page, scaled to the actual one.
    int scaledInteger(std::wstring_view item, int defaultValue) const;
    // A width or height: scaled pixels or a percentage of the page extent; default in pixels as is.
    int size(std::wstring_view item, int defaultPixels, int pageExtent) const;
    // A font height: scaled, at least 11.
    int fontSize(std::wstring_view item, int defaultValue) const;
    float real(std::wstring_view item, float defaultValue) const;
    bool flag(std::wstring_view item, bool defaultValue) const;
    // '(r;g;b)' packed as 0xRRGGBB; -1 (no colour) stays -1.
    uint32_t colour(std::wstring_view item, uint32_t defaultValue) const;

private:
    const std::wstring* nonEmpty(std::wstring_view item) const;
    ValueList items_;
};

// Builds the object of one template line: a scene, a node attached to its container (with its
// "number" copies), a named font or sound; a type the loader does not know goes to the page's
// loadCustomNode. A line without "type" is a plain setting and builds nothing.
void buildTemplateLine(Canvas& page, const std::wstring& key);

} // namespace velmora
