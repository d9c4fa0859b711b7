#pragma once
// Fonts: a logical font resolved through fontconfig to a face file, opened with FreeType at the
// asked size, with a cache of anti-aliased glyphs. Not for use outside platform/.

#include "platform/gdi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora {

struct GlyphImage {
    int width = 0;
    int rows = 0;
    int left = 0;                  // from the pen position to the first column
    int top = 0;                   // from the baseline up to the first row
    int advance = 0;               // whole pixels, hinted
    std::vector<uint8_t> coverage; // width x rows, 0 ... 255
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0; // ascent + descent: the cell height
    int internalLeading = 0;
    int averageWidth = 0;
    int maxWidth = 0;
    int underlinePosition = 0; // below the baseline
    int underlineThickness = 1;
};

struct FontFace {
    ~FontFace();
    FontMetrics metrics;
    std::string family; // the face fontconfig chose
    std::string file;
    bool underline = false;
    bool syntheticBold = false;
    bool syntheticItalic = false;
    void* ftFace = nullptr; // FT_Face
    std::unordered_map<char32_t, GlyphImage> glyphs;

    // A character's glyph, rendered on first use.
    const GlyphImage& glyph(char32_t character);
    // Sum of the advances.
    int measure(const wchar_t* text, size_t count);
};

// The resolved face of a font (shared between fonts of the same description); null only when no
// font file at all can be opened.
FontFace* fontFace(HFONT font);

} // namespace velmora
