#include "platform/text.h"

#include "base/pixel_format.h"
#include "platform/draw_target.h"
#include "platform/font.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace velmora {

namespace {

FontFace* faceOf(HDC dc) {
    if (!dc)
        return nullptr;
    auto* font = static_cast<HFONT>(dc->font);
    if (FontFace* face = fontFace(font))
        return face;
    return fontFace(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
}

size_t lengthOf(const wchar_t* text, int count) {
    if (!text)
        return 0;
    return count < 0 ? std::wcslen(text) : static_cast<size_t>(count);
}

// Mixes a glyph's colour (0xRRGGBB) into a pixel by coverage 0 ... 255, rounding each channel.
// A 16-bit pixel is widened to full bytes first so that partly covered pixels next to white stay
// white.
template <typename Format>
typename Format::Pixel blend(typename Format::Pixel destination, uint32_t rgb, uint32_t coverage) {
    const uint32_t under = Format::bitsPerPixel == 16 ? rgbFrom565Full(static_cast<uint16_t>(destination))
                                                      : decodePixel(destination, Format::bitsPerPixel);
    auto channel = [&](int shift) {
        const uint32_t from = (under >> shift) & 0xFF, to = (rgb >> shift) & 0xFF;
        return ((from * (255 - coverage) + to * coverage + 127) / 255) << shift;
    };
    return static_cast<typename Format::Pixel>(
        encodePixel(channel(16) | channel(8) | channel(0), Format::bitsPerPixel));
}

struct TextPainter {
    DrawTarget target;
    FontFace* face = nullptr;
    COLORREF color = 0;

    // Draws a glyph with its pen position at (x, baseline), in context coordinates.
    template <typename Format> void drawGlyph(const GlyphImage& glyph, int x, int baseline) {
        using Pixel = typename Format::Pixel;
        const uint32_t rgb = rgbFromColorRef(color);
        const auto solid = static_cast<Pixel>(encodePixel(rgb, Format::bitsPerPixel));
        const int left = x + glyph.left, top = baseline - glyph.top;
        Bitmap& bitmap = *target.bitmap;
        for (int row = 0; row < glyph.rows; ++row) {
            const uint8_t* coverage = glyph.coverage.data() + static_cast<size_t>(row) * glyph.width;
            forEachClippedSpan(target, top + row, left, left + glyph.width, [&](int first, int last, int by) {
                Pixel* pixels = pixelRow<Format>(bitmap.bits, bitmap.stride, by);
                for (int bx = first; bx < last; ++bx) {
                    const uint32_t a = coverage[bx - target.originX - left];
                    if (a == 255)
                        pixels[bx] = solid;
                    else if (a != 0)
                        pixels[bx] = blend<Format>(pixels[bx], rgb, a);
                }
            });
        }
    }

    // One line of text with the top of its cell at y; returns its width.
    int drawLine(const wchar_t* text, size_t count, int x, int y, const int* widths,
                 const std::vector<bool>* underlined) {
        const int baseline = y + face->metrics.ascent;
        int penX = x;
        const uint32_t pixel = toNativePixel(color, target.bitmap->bitsPerPixel);
        for (size_t i = 0; i < count; ++i) {
            const GlyphImage& glyph = face->glyph(static_cast<char32_t>(text[i]));
            withFormat(target.bitmap->bitsPerPixel,
                       [&]<typename Format>() { drawGlyph<Format>(glyph, penX, baseline); });
            const int advance = widths ? widths[i] : glyph.advance;
            if (underlined && i < underlined->size() && (*underlined)[i])
                underline(penX, penX + advance, baseline, pixel);
            penX += advance;
        }
        if (face->underline)
            underline(x, penX, baseline, pixel);
        return penX - x;
    }

    void underline(int from, int to, int baseline, uint32_t pixel) {
        const int top = baseline + face->metrics.underlinePosition - face->metrics.underlineThickness / 2;
        for (int row = 0; row < face->metrics.underlineThickness; ++row)
            fillSpan(target, top + row, from, to, pixel, R2_COPYPEN);
    }

    // Limits drawing to a rectangle in context coordinates.
    void clipTo(const RECT& rect) {
        const RECT limit{rect.left + target.originX, rect.top + target.originY, rect.right + target.originX,
                         rect.bottom + target.originY};
        std::vector<RECT> clipped;
        for (const RECT& r : target.clip) {
            const RECT piece = intersectRects(r, limit);
            if (!isRectEmpty(piece))
                clipped.push_back(piece);
        }
        target.clip.swap(clipped);
    }
};

void fillBackground(HDC dc, const RECT& rect) {
    DrawTarget target;
    if (!resolveTarget(dc, target))
        return;
    const uint32_t pixel = toNativePixel(dc->backgroundColor, target.bitmap->bitsPerPixel);
    for (int y = rect.top; y < rect.bottom; ++y)
        fillSpan(target, y, rect.left, rect.right, pixel, R2_COPYPEN);
}

struct TextLine {
    size_t start = 0;
    size_t length = 0;
    int width = 0;
};

bool isBreak(wchar_t c) {
    return c == L'\r' || c == L'\n';
}

// Splits a paragraph [start, end) into lines of at most maxWidth, breaking before words.
void wrapParagraph(FontFace& face, const std::wstring& text, size_t start, size_t end, int maxWidth,
                   bool wordBreak, std::vector<TextLine>& lines) {
    if (!wordBreak) {
        lines.push_back({start, end - start, face.measure(text.data() + start, end - start)});
        return;
    }
    size_t lineStart = start;
    while (true) {
        size_t lineEnd = lineStart; // end of the last word that fits
        size_t position = lineStart;
        while (position < end) {
            size_t wordEnd = position;
            while (wordEnd < end && text[wordEnd] == L' ')
                ++wordEnd;
            while (wordEnd < end && text[wordEnd] != L' ')
                ++wordEnd;
            const int width = face.measure(text.data() + lineStart, wordEnd - lineStart);
            if (width > maxWidth && lineEnd > lineStart)
                break;
            lineEnd = wordEnd;
            position = wordEnd;
            if (width > maxWidth)
                break; // a single word wider than the box stays whole
        }
        size_t shownEnd = lineEnd; // blanks before a break take no room
        while (shownEnd > lineStart && text[shownEnd - 1] == L' ')
            --shownEnd;
        lines.push_back(
            {lineStart, shownEnd - lineStart, face.measure(text.data() + lineStart, shownEnd - lineStart)});
        lineStart = lineEnd;
        while (lineStart < end && text[lineStart] == L' ')
            ++lineStart;
        if (lineStart >= end)
            return;
    }
}

} // namespace

bool ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, const wchar_t* text, int count,
                 const int* widths) {
    TextPainter painter;
    painter.face = faceOf(dc);
    if (!painter.face)
        return false;
    const size_t length = lengthOf(text, count);
    if ((options & ETO_OPAQUE) && rect)
        fillBackground(dc, *rect);
    if (dc->backgroundMode == OPAQUE && length > 0) {
        int width = 0;
        for (size_t i = 0; i < length; ++i)
            width += widths ? widths[i] : painter.face->glyph(static_cast<char32_t>(text[i])).advance;
        fillBackground(dc, {x, y, x + width, y + painter.face->metrics.height});
    }
    if (!resolveTarget(dc, painter.target))
        return true;
    if ((options & ETO_CLIPPED) && rect)
        painter.clipTo(*rect);
    painter.color = dc->textColor;
    painter.drawLine(text, length, x, y, widths, nullptr);
    return true;
}

int DrawTextW(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format) {
    FontFace* face = faceOf(dc);
    if (!face || !rect)
        return 0;
    // Prefix processing: '&' marks the next character (which is underlined), "&&" is one '&'.
    std::wstring visible;
    std::vector<bool> underlined;
    const size_t length = lengthOf(text, count);
    for (size_t i = 0; i < length; ++i) {
        wchar_t c = text[i];
        bool marked = false;
        if (!(format & DT_NOPREFIX) && c == L'&' && i + 1 < length) {
            c = text[++i];
            marked = c != L'&';
        }
        if ((format & DT_EXPANDTABS) && c == L'\t')
            c = L' ';
        visible += c;
        underlined.push_back(marked);
    }

    std::vector<TextLine> lines;
    const int boxWidth = rect->right - rect->left;
    const bool singleLine = format & DT_SINGLELINE;
    if (singleLine) {
        std::wstring flat;
        std::vector<bool> flatMarks;
        for (size_t i = 0; i < visible.size(); ++i) {
            if (!isBreak(visible[i])) {
                flat += visible[i];
                flatMarks.push_back(underlined[i]);
            }
        }
        visible.swap(flat);
        underlined.swap(flatMarks);
        lines.push_back({0, visible.size(), face->measure(visible.data(), visible.size())});
    } else {
        size_t start = 0;
        for (size_t i = 0; i <= visible.size(); ++i) {
            if (i < visible.size() && !isBreak(visible[i]))
                continue;
            wrapParagraph(*face, visible, start, i, boxWidth, format & DT_WORDBREAK, lines);
            // "\r\n" and "\n\r" are one break.
            if (i + 1 < visible.size() && isBreak(visible[i + 1]) && visible[i + 1] != visible[i])
                ++i;
            start = i + 1;
        }
    }

    const int lineHeight = face->metrics.height;
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, line.width);
    if (format & DT_CALCRECT) {
        rect->bottom = rect->top + textHeight;
        if (singleLine || widest > boxWidth)
            rect->right = rect->left + widest;
        return textHeight;
    }

    int y = rect->top;
    if (singleLine && (format & DT_VCENTER))
        y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        y = rect->bottom - lineHeight;

    TextPainter painter;
    painter.face = face;
    if (dc->backgroundMode == OPAQUE) {
        for (size_t i = 0; i < lines.size(); ++i) {
            const TextLine& line = lines[i];
            int x = rect->left;
            if (format & DT_CENTER)
                x += (boxWidth - line.width) / 2;
            else if (format & DT_RIGHT)
                x = rect->right - line.width;
            fillBackground(dc, {x, y + lineHeight * static_cast<int>(i), x + line.width,
                                y + lineHeight * static_cast<int>(i + 1)});
        }
    }
    if (!resolveTarget(dc, painter.target))
        return textHeight;
    if (!(format & DT_NOCLIP))
        painter.clipTo(*rect);
    painter.color = dc->textColor;
    for (const TextLine& line : lines) {
        int x = rect->left;
        if (format & DT_CENTER)
            x += (boxWidth - line.width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - line.width;
        const std::vector<bool> marks(underlined.begin() + static_cast<ptrdiff_t>(line.start),
                                      underlined.begin() + static_cast<ptrdiff_t>(line.start + line.length));
        painter.drawLine(visible.data() + line.start, line.length, x, y, nullptr, &marks);
        y += lineHeight;
    }
    return textHeight;
}

bool GetTextExtentPoint32W(HDC dc, const wchar_t* text, int count, SIZE* size) {
    return GetTextExtentExPointW(dc, text, count, 0, nullptr, nullptr, size);
}

bool GetTextExtentExPointW(HDC dc, const wchar_t* text, int count, int maxExtent, int* fit, int* widths,
                           SIZE* size) {
    FontFace* face = faceOf(dc);
    if (!face || (!text && count != 0)) {
        if (size)
            *size = {-1, -1};
        return false;
    }
    const size_t length = lengthOf(text, count);
    int width = 0;
    int fitting = 0;
    for (size_t i = 0; i < length; ++i) {
        width += face->glyph(static_cast<char32_t>(text[i])).advance;
        if (widths)
            widths[i] = width;
        if (width <= maxExtent)
            fitting = static_cast<int>(i + 1);
    }
    if (fit)
        *fit = fitting;
    if (size)
        *size = {width, face->metrics.height};
    return true;
}

bool GetTextMetricsW(HDC dc, TEXTMETRICW* metrics) {
    FontFace* face = faceOf(dc);
    if (!face || !metrics)
        return false;
    const auto* font = static_cast<const Font*>(dc->font);
    *metrics = TEXTMETRICW{};
    metrics->tmHeight = face->metrics.height;
    metrics->tmAscent = face->metrics.ascent;
    metrics->tmDescent = face->metrics.descent;
    metrics->tmInternalLeading = face->metrics.internalLeading;
    metrics->tmAveCharWidth = face->metrics.averageWidth;
    metrics->tmMaxCharWidth = face->metrics.maxWidth;
    metrics->tmWeight = font ? (font->logFont.lfWeight > 0 ? font->logFont.lfWeight : FW_NORMAL) : FW_NORMAL;
    metrics->tmItalic = font ? font->logFont.lfItalic : 0;
    metrics->tmUnderlined = font ? font->logFont.lfUnderline : 0;
    return true;
}

std::string fontFamilyName(HDC dc) {
    FontFace* face = faceOf(dc);
    return face ? face->family : std::string();
}

} // namespace velmora
