#include "platform/font.h"

#include "base/wide_string.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>

namespace velmora {

namespace {

constexpr int defaultEmPixels = 12;
constexpr size_t faceCacheLimit = 64;

FT_Library library() {
    static FT_Library instance = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0)
            created = nullptr;
        return created;
    }();
    return instance;
}

struct FaceChoice {
    std::string file;
    int index = 0;
    std::string family;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

// fontconfig's configuration, loaded on first use and released when the program ends.
FcConfig* fontConfiguration() {
    static FcConfig* const config = [] {
        FcConfig* loaded = FcInitLoadConfigAndFonts();
        if (loaded)
            std::atexit([] {
                FcConfigDestroy(fontConfiguration());
                FcFini();
            });
        return loaded;
    }();
    return config;
}

bool chooseFace(const std::string& family, int weight, bool italic, FaceChoice& choice) {
    FcConfig* config = fontConfiguration();
    if (!config)
        return false;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
    if (found) {
        choice.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &choice.index);
        if (FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch)
            choice.family = reinterpret_cast<const char*>(matchedFamily);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &choice.weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &choice.slant);
    }
    FcPatternDestroy(match);
    return found;
}

// The game's text was laid out with Arial; only a face with its widths keeps the layouts intact.
void warnAboutSubstitute(const std::string& asked, const std::string& chosen) {
    static bool warned = false;
    if (warned || (asked != "Arial" && asked != "arial"))
        return;
    if (chosen == "Liberation Sans" || chosen == "Arimo" || chosen == "Arial")
        return;
    warned = true;
    std::fprintf(
        stderr,
        "velmora: the face Arial resolved to \"%s\", not Liberation Sans: texts may not fit their boxes "
        "(install fonts-liberation2)\n",
        chosen.c_str());
}

// The pixel em size for a logical height: a positive height is the cell height (ascent plus
// descent in the face's own proportions), a negative one the em size itself.
int emPixels(FT_Face face, LONG height, int& cellAscent, int& cellDescent) {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    cellAscent = os2 && os2->usWinAscent ? os2->usWinAscent : face->ascender;
    cellDescent = os2 && os2->usWinDescent ? os2->usWinDescent : -face->descender;
    if (cellAscent + cellDescent <= 0) {
        cellAscent = static_cast<int>(unitsPerEm * 0.9);
        cellDescent = static_cast<int>(unitsPerEm * 0.2);
    }
    int em = defaultEmPixels;
    if (height > 0)
        em = static_cast<int>(std::lround(height * unitsPerEm / (cellAscent + cellDescent)));
    else if (height < 0)
        em = static_cast<int>(-static_cast<int64_t>(height) > 2000 ? 2000 : -height);
    return em < 1 ? 1 : (em > 2000 ? 2000 : em);
}

std::shared_ptr<FontFace> openFace(const LOGFONTW& logFont) {
    std::wstring faceName(logFont.lfFaceName, wcsnlen(logFont.lfFaceName, 32));
    const std::string family = faceName.empty() ? "Arial" : toUtf8(faceName);
    const bool bold = logFont.lfWeight >= 600;
    const bool italic = logFont.lfItalic != 0;
    FaceChoice choice;
    FT_Face face = nullptr;
    if (!library() ||
        !chooseFace(family, logFont.lfWeight > 0 ? logFont.lfWeight : FW_NORMAL, italic, choice) ||
        FT_New_Face(library(), choice.file.c_str(), choice.index, &face) != 0)
        return nullptr;
    warnAboutSubstitute(family, choice.family);

    auto result = std::make_shared<FontFace>();
    result->ftFace = face;
    result->family = choice.family;
    result->file = choice.file;
    result->underline = logFont.lfUnderline != 0;
    result->syntheticBold = bold && choice.weight < FC_WEIGHT_DEMIBOLD;
    result->syntheticItalic = italic && choice.slant == FC_SLANT_ROMAN;

    int cellAscent = 0, cellDescent = 0;
    const int em = emPixels(face, logFont.lfHeight, cellAscent, cellDescent);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));
    const double scale = em / static_cast<double>(face->units_per_EM ? face->units_per_EM : 2048);
    FontMetrics& metrics = result->metrics;
    metrics.ascent = static_cast<int>(std::ceil(cellAscent * scale - 1e-6));
    metrics.descent = static_cast<int>(std::ceil(cellDescent * scale - 1e-6));
    metrics.height = metrics.ascent + metrics.descent;
    metrics.internalLeading = metrics.height > em ? metrics.height - em : 0;
    metrics.underlinePosition = std::max(1, static_cast<int>(std::lround(-face->underline_position * scale)));
    metrics.underlineThickness =
        std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    metrics.averageWidth = os2 && os2->xAvgCharWidth > 0
                               ? static_cast<int>(std::lround(os2->xAvgCharWidth * scale))
                               : result->glyph(U'x').advance;
    metrics.maxWidth = static_cast<int>(std::ceil(face->max_advance_width * scale));
    return result;
}

using FaceKey = std::tuple<std::wstring, LONG, LONG, bool, bool>;

std::map<FaceKey, std::shared_ptr<FontFace>>& faceCache() {
    static std::map<FaceKey, std::shared_ptr<FontFace>> cache;
    return cache;
}

} // namespace

FontFace::~FontFace() {
    if (ftFace)
        FT_Done_Face(static_cast<FT_Face>(ftFace));
}

const GlyphImage& FontFace::glyph(char32_t character) {
    auto found = glyphs.find(character);
    if (found != glyphs.end())
        return found->second;
    GlyphImage& image = glyphs[character];
    auto face = static_cast<FT_Face>(ftFace);
    if (!face || FT_Load_Char(face, character, FT_LOAD_DEFAULT) != 0)
        return image;
    FT_GlyphSlot slot = face->glyph;
    if (syntheticItalic)
        FT_GlyphSlot_Oblique(slot);
    if (syntheticBold)
        FT_GlyphSlot_Embolden(slot);
    image.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return image;
    const FT_Bitmap& bitmap = slot->bitmap;
    image.width = static_cast<int>(bitmap.width);
    image.rows = static_cast<int>(bitmap.rows);
    image.left = slot->bitmap_left;
    image.top = slot->bitmap_top;
    image.coverage.resize(static_cast<size_t>(image.width) * image.rows);
    for (int row = 0; row < image.rows; ++row) {
        const unsigned char* source = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        std::memcpy(image.coverage.data() + static_cast<size_t>(row) * image.width, source,
                    static_cast<size_t>(image.width));
    }
    return image;
}

int FontFace::measure(const wchar_t* text, size_t count) {
    int width = 0;
    for (size_t i = 0; i < count; ++i)
        width += glyph(static_cast<char32_t>(text[i])).advance;
    return width;
}

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (!logFont)
        return nullptr;
    auto* font = new Font;
    font->logFont = *logFont;
    font->logFont.lfFaceName[31] = L'\0';
    return font;
}

FontFace* fontFace(HFONT font) {
    if (!font)
        return nullptr;
    if (font->face)
        return font->face.get();
    const LOGFONTW& logFont = font->logFont;
    FaceKey key{std::wstring(logFont.lfFaceName, wcsnlen(logFont.lfFaceName, 32)), logFont.lfHeight,
                logFont.lfWeight >= 600 ? FW_BOLD : FW_NORMAL, logFont.lfItalic != 0,
                logFont.lfUnderline != 0};
    auto& cache = faceCache();
    auto found = cache.find(key);
    if (found == cache.end()) {
        if (cache.size() >= faceCacheLimit) {
            for (auto it = cache.begin(); it != cache.end();)
                it = it->second.use_count() == 1 ? cache.erase(it) : std::next(it);
        }
        std::shared_ptr<FontFace> face = openFace(logFont);
        if (!face)
            return nullptr;
        found = cache.emplace(key, std::move(face)).first;
    }
    font->face = found->second;
    return font->face.get();
}

} // namespace velmora
