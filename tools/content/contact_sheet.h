#pragma once
// A contact sheet: pictures laid out in a grid on a checkerboard (so transparency shows), each
// with its name underneath, written as PNG for a person to look the art over.

#include "picture.h"

#include <string>
#include <vector>

namespace velmora::content {

class ContactSheet {
public:
    ContactSheet(std::string title, int maxWidth = 1400) : title_(std::move(title)), maxWidth_(maxWidth) {}

    // Shows the picture enlarged by an integer zoom (nearest), so small art can be inspected.
    void add(const std::string& label, const Picture& picture, int zoom = 1);
    // Starts a new row.
    void breakRow() { breakBefore_ = true; }

    bool write(const std::string& path) const;

private:
    struct Entry {
        std::string label;
        Picture picture;
        bool newRow;
    };
    std::string title_;
    int maxWidth_;
    bool breakBefore_ = false;
    std::vector<Entry> entries_;
};

} // namespace velmora::content
