#include "media/bitmap_font.h"

#include "media/image_loader.h"
#include "surface/blitters.h"

#include <string>

namespace velmora {

namespace {

struct CellSize {
    int width, height;
};

// The text as the font's 8-bit characters: Latin-1 as it is, anything else a '?', cut at the
// buffer's capacity, then case-converted (ASCII letters).
std::string prepare(const BitmapFont& font, std::wstring_view text) {
    std::string bytes;
    bytes.reserve(std::min(text.size(), font.bufferCapacity));
    for (size_t i = 0; i < text.size() && i < font.bufferCapacity; ++i) {
        char c = text[i] < 256 ? static_cast<char>(text[i]) : '?';
        if (font.caseConvertion == CaseConversion::Upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (font.caseConvertion == CaseConversion::Lower && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        bytes.push_back(c);
    }
    return bytes;
}

CellSize cellSize(const BitmapFont& font, int height) {
    if (height == 0)
        return {font.cellWidth, font.cellHeight};
    return {font.cellWidth * height / font.cellHeight, height};
}

void drawGlyph(const BitmapFont& font, Surface& target, int x, int y, char c, CellSize size) {
    if (c == ' ')
        return;
    int cell = static_cast<signed char>(c) - font.startCode;
    if (cell < 0 || cell >= font.glyphCount)
        cell = 0;
    const Rect source{font.cellWidth * (cell % font.columns), font.cellHeight * (cell / font.columns), font.cellWidth,
                      font.cellHeight};
    if (size.width == font.cellWidth && size.height == font.cellHeight)
        copyBlit(target, font.picture, x, y, source, font.transparentColor);
    else
        stretchBlit(target, font.picture, x, y, size.width, size.height, source, font.transparentColor);
}

void drawRun(const BitmapFont& font, Surface& target, int x, int y, std::string_view run, CellSize size) {
    for (char c : run) {
        drawGlyph(font, target, x, y, c, size);
        x += size.width;
    }
}

bool usable(const BitmapFont& font) { return !font.picture.empty() && font.cellWidth > 0 && font.cellHeight > 0; }

} // namespace

BitmapFont::BitmapFont(const std::wstring& path, int columnCount, int rowCount, CaseConversion caseConversion,
                       int firstCode, uint32_t key)
    : columns(columnCount < 1 ? 1 : columnCount), rows(rowCount < 1 ? 1 : rowCount), startCode(firstCode),
      caseConvertion(caseConversion), transparentColor(key), glyphCount(columns * rows) {
    loadImage(picture, path, true);
    if (picture.hasTransparentColor)
        transparentColor = picture.transparentColor;
    cellWidth = picture.width / columns;
    cellHeight = picture.height / rows;
}

void drawText(const BitmapFont& font, Surface& target, int x, int y, std::wstring_view text, int height) {
    if (!usable(font))
        return;
    drawRun(font, target, x, y, prepare(font, text), cellSize(font, height));
}

void drawTextBox(const BitmapFont& font, Surface& target, TextBox box, std::wstring_view text, int height,
                 TextAlignment alignment) {
    if (!usable(font))
        return;
    const std::string line = prepare(font, text);
    const CellSize size = cellSize(font, height);
    const size_t count = line.size();
    size_t lineStart = 0;
    int64_t width = 0;
    int y = box.top;
    for (size_t i = 0; i < count; ++i) {
        width += size.width;
        const bool lineBreak = line[i] == '\n' && i + 1 < count && line[i + 1] == '\r';
        const bool overflow = box.left + width > box.right;
        if (!overflow && !lineBreak && i + 1 < count)
            continue;
        if (y >= box.bottom)
            return;
        size_t end = i + 1, next = i + 1; // the last character ends its line
        if (overflow) {
            // Break after the last blank or control character of the line, else before this one.
            end = i;
            for (size_t j = i; j > lineStart; --j) {
                if (static_cast<unsigned char>(line[j]) < 33) {
                    end = j + 1;
                    break;
                }
            }
            if (end == lineStart) // a cell wider than the box: one per line
                end = lineStart + 1;
            next = end;
        } else if (lineBreak) {
            end = i;
            next = i + 2;
        }
        const int characters = static_cast<int>(end - lineStart);
        int x = box.left;
        if (alignment == TextAlignment::Center)
            x += (box.right - box.left - characters * size.width) >> 1;
        else if (alignment == TextAlignment::Right)
            x += box.right - box.left - characters * size.width;
        drawRun(font, target, x, y, std::string_view(line).substr(lineStart, end - lineStart), size);
        y += size.height;
        lineStart = next;
        width = 0;
        i = next - 1; // the loop's step moves to the next line's first character
    }
}

} // namespace velmora
