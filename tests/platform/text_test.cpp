#include "platform/drawing.h"
#include "platform/text.h"
#include "tests/support/pixel_grid.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace velmora {
namespace {

HFONT arial(LONG height, LONG weight = FW_NORMAL) {
    LOGFONTW logFont;
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    std::wcscpy(logFont.lfFaceName, L"Arial");
    return CreateFontIndirectW(&logFont);
}

// Columns of a band of rows that hold any non-black pixel: first and last, or -1 when none.
std::pair<int, int> inkColumns(HBITMAP bitmap, int top, int bottom) {
    int first = -1, last = -1;
    for (int y = top; y < bottom && y < bitmap->height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(bitmap->bits + y * bitmap->stride);
        for (int x = 0; x < bitmap->width; ++x) {
            if (row[x] != 0) {
                first = first < 0 || x < first ? x : first;
                last = x > last ? x : last;
            }
        }
    }
    return {first, last};
}

class ArialText : public testing::Test {
protected:
    void SetUp() override {
        font = arial(16);
        previousFont = SelectObject(canvas.dc, font);
        if (fontFamilyName(canvas.dc) != "Liberation Sans")
            GTEST_SKIP() << "Arial resolved to " << fontFamilyName(canvas.dc) << ", not Liberation Sans";
        SetTextColor(canvas.dc, RGB(255, 255, 255));
        SetBkMode(canvas.dc, TRANSPARENT);
    }
    void TearDown() override {
        SelectObject(canvas.dc, previousFont);
        DeleteObject(font);
    }
    int width(const wchar_t* text) {
        SIZE size;
        GetTextExtentPoint32W(canvas.dc, text, -1, &size);
        return size.cx;
    }
    TestCanvas canvas{120, 80, 32};
    HFONT font = nullptr;
    HGDIOBJ previousFont = nullptr;
};

TEST_F(ArialText, CellHeightSixteenHasLiberationMetrics) {
    TEXTMETRICW metrics;
    ASSERT_TRUE(GetTextMetricsW(canvas.dc, &metrics));
    EXPECT_EQ(metrics.tmHeight, 16);
    EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
    // Advances add up without kerning: "AV" is as wide as "A" and "V" apart.
    EXPECT_EQ(width(L"AV"), width(L"A") + width(L"V"));
    int fit = 0;
    int prefixes[3] = {};
    SIZE size;
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc, L"abc", 3, width(L"ab"), &fit, prefixes, &size));
    EXPECT_EQ(fit, 2);
    EXPECT_EQ(prefixes[2], size.cx);
}

TEST_F(ArialText, WordBreakKeepsWordsWholeAndCentresEachLine) {
    // A box that holds "Hole one" but not "Hole one par".
    const int boxWidth = width(L"Hole one") + 2;
    ASSERT_LT(boxWidth, width(L"Hole one par"));
    ASSERT_GE(boxWidth, width(L"par four"));
    RECT measure{10, 5, 10 + boxWidth, 5};
    EXPECT_EQ(
        DrawTextW(canvas.dc, L"Hole one par four", -1, &measure, DT_CENTER | DT_WORDBREAK | DT_CALCRECT), 32);
    EXPECT_EQ(measure.bottom, 5 + 32);

    RECT box{10, 5, 10 + boxWidth, 75};
    DrawTextW(canvas.dc, L"Hole one par four", -1, &box, DT_CENTER | DT_WORDBREAK);
    const auto first = inkColumns(canvas.bitmap, 5, 21);
    const auto second = inkColumns(canvas.bitmap, 21, 37);
    EXPECT_EQ(inkColumns(canvas.bitmap, 37, 80).first, -1);
    // Each line's ink lies within its centred advance box, give or take the side bearings.
    const int secondStart = 10 + (boxWidth - width(L"par four")) / 2;
    EXPECT_NEAR(first.first, 10 + 1, 2);
    EXPECT_NEAR(second.first, secondStart, 2);
    EXPECT_NEAR(second.second, secondStart + width(L"par four") - 1, 2);
}

TEST_F(ArialText, LineBreakPairsCountOnceAndRightAlignmentIsFlush) {
    RECT measure{0, 0, 100, 0};
    EXPECT_EQ(DrawTextW(canvas.dc, L"Line1\n\rLine2", -1, &measure, DT_CALCRECT | DT_WORDBREAK), 32);
    RECT box{0, 0, 100, 40};
    DrawTextW(canvas.dc, L"Par", -1, &box, DT_RIGHT | DT_SINGLELINE);
    EXPECT_NEAR(inkColumns(canvas.bitmap, 0, 16).second, 99, 2);
    // A prefix '&' is not drawn, "&&" is one '&'.
    RECT prefixed{0, 0, 0, 0};
    DrawTextW(canvas.dc, L"&Save", -1, &prefixed, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(prefixed.right, width(L"Save"));
}

TEST_F(ArialText, GlyphsAreBlendedInTheTextColourAndClipped) {
    SetTextColor(canvas.dc, RGB(255, 0, 0));
    RECT clip{0, 0, 6, 20};
    ExtTextOutW(canvas.dc, 0, 0, ETO_CLIPPED, &clip, L"WWW", 3, nullptr);
    EXPECT_EQ(inkColumns(canvas.bitmap, 0, 80).second, 5);
    bool partial = false;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 6; ++x) {
            const uint32_t p =
                reinterpret_cast<const uint32_t*>(canvas.bitmap->bits + y * canvas.bitmap->stride)[x];
            EXPECT_EQ(p & 0x00FFFF, 0u) << "only red is drawn";
            partial = partial || ((p >> 16) > 0 && (p >> 16) < 255);
        }
    }
    EXPECT_TRUE(partial) << "edges are anti-aliased";
}

TEST_F(ArialText, SingleLinesCentreVerticallyOrSitOnTheBottomAndClipUnlessAsked) {
    RECT box{0, 0, 120, 60};
    DrawTextW(canvas.dc, L"Par", -1, &box, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(inkColumns(canvas.bitmap, 0, 22).first, -1) << "(60 - 16) / 2 = 22 rows above the cell";
    EXPECT_NE(inkColumns(canvas.bitmap, 22, 38).first, -1);
    RECT low{0, 0, 120, 80};
    DrawTextW(canvas.dc, L"Par", -1, &low, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_NE(inkColumns(canvas.bitmap, 64, 80).first, -1);
    // A box too small for its text cuts it, unless DT_NOCLIP.
    TestCanvas narrow(60, 20, 32);
    SelectObject(narrow.dc, font);
    SetTextColor(narrow.dc, RGB(255, 255, 255));
    SetBkMode(narrow.dc, TRANSPARENT);
    RECT tiny{0, 0, 10, 16};
    DrawTextW(narrow.dc, L"Birdie", -1, &tiny, DT_LEFT);
    EXPECT_LE(inkColumns(narrow.bitmap, 0, 20).second, 9);
    DrawTextW(narrow.dc, L"Birdie", -1, &tiny, DT_LEFT | DT_NOCLIP);
    EXPECT_GT(inkColumns(narrow.bitmap, 0, 20).second, 20);
    SelectObject(narrow.dc, GetStockObject(SYSTEM_FONT));
}

TEST_F(ArialText, UnderlinedFontDrawsALineUnderTheText) {
    LOGFONTW logFont;
    logFont.lfHeight = 16;
    logFont.lfUnderline = 1;
    std::wcscpy(logFont.lfFaceName, L"Arial");
    HFONT underlined = CreateFontIndirectW(&logFont);
    SelectObject(canvas.dc, underlined);
    ExtTextOutW(canvas.dc, 0, 0, 0, nullptr, L"-", 1, nullptr);
    TEXTMETRICW metrics;
    GetTextMetricsW(canvas.dc, &metrics);
    // The row just under the baseline holds the line across the whole advance.
    bool lineFound = false;
    for (int y = metrics.tmAscent; y < metrics.tmHeight && !lineFound; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(canvas.bitmap->bits + y * canvas.bitmap->stride);
        lineFound = row[0] != 0 && row[width(L"-") - 1] != 0;
    }
    EXPECT_TRUE(lineFound);
    EXPECT_EQ(metrics.tmUnderlined, 1);
    SelectObject(canvas.dc, font);
    DeleteObject(underlined);
}

TEST(Text, BoldIsWiderAndOpaqueBackgroundFillsTheCell) {
    TestCanvas canvas(60, 20, 16);
    HFONT regular = arial(16), bold = arial(16, FW_BOLD);
    SelectObject(canvas.dc, regular);
    SIZE regularSize, boldSize;
    GetTextExtentPoint32W(canvas.dc, L"Birdie", -1, &regularSize);
    SelectObject(canvas.dc, bold);
    GetTextExtentPoint32W(canvas.dc, L"Birdie", -1, &boldSize);
    EXPECT_GT(boldSize.cx, regularSize.cx);
    SetBkMode(canvas.dc, OPAQUE);
    SetBkColor(canvas.dc, RGB(0, 0, 255));
    SetTextColor(canvas.dc, RGB(0, 0, 255));
    ExtTextOutW(canvas.dc, 0, 0, 0, nullptr, L"Birdie", -1, nullptr);
    const std::vector<std::string> grid =
        pixelGrid(canvas.bitmap, {{RGB(0, 0, 255), 'b'}, {RGB(0, 0, 0), '.'}});
    EXPECT_EQ(grid[0], std::string(size_t(boldSize.cx), 'b') + std::string(size_t(60 - boldSize.cx), '.'));
    EXPECT_EQ(grid[19], std::string(60, '.'));
    SelectObject(canvas.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(regular);
    DeleteObject(bold);
}

} // namespace
} // namespace velmora
