#include "bmp_writer.h"
#include "media/bitmap_font.h"
#include "surface/blitters.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr int cellWidth = 2, cellHeight = 3, columns = 16, rows = 6;

// Cell n is filled with a colour that names it; black is the key.
uint32_t cellColor(int cell) { return (uint32_t((cell & 31) << 3) << 16) | (uint32_t((cell >> 5) << 4) << 8) | 0x40; }

class BitmapFontTest : public ::testing::Test {
protected:
    BitmapFontTest() {
        std::vector<uint32_t> pixels(size_t(columns * cellWidth) * rows * cellHeight);
        for (int y = 0; y < rows * cellHeight; ++y)
            for (int x = 0; x < columns * cellWidth; ++x)
                pixels[size_t(y) * columns * cellWidth + x] = cellColor((y / cellHeight) * columns + x / cellWidth);
        path_ = test::writeBytes(folder_, "font.bmp", test::writeRgbBmp(columns * cellWidth, rows * cellHeight, pixels));
        target_.create(40, 12, true);
    }

    // The cells drawn along a row of the target, one per cellWidth pixels; -1 where nothing is.
    std::vector<int> cellsAt(int y, int width = cellWidth) const {
        std::vector<int> cells;
        for (int x = 0; x < target_.width; x += width) {
            const uint32_t color = target_.getPixel(x, y);
            int found = -1;
            for (int cell = 0; cell < columns * rows; ++cell)
                if (color != 0 && color == rgbFrom565(rgbTo565(cellColor(cell))))
                    found = cell;
            cells.push_back(found);
        }
        while (!cells.empty() && cells.back() == -1)
            cells.pop_back();
        return cells;
    }

    test::TempFolder folder_;
    std::wstring path_;
    Surface target_;
};

TEST_F(BitmapFontTest, CellsComeFromTheConvertedCharacters) {
    BitmapFont font(path_, columns, rows, CaseConversion::Upper, 32, 0);
    EXPECT_EQ(font.cellWidth, cellWidth);
    EXPECT_EQ(font.cellHeight, cellHeight);
    EXPECT_EQ(font.glyphCount, 96);
    drawText(font, target_, 0, 0, L"ok \x2603~", 0); // a space advances; a snowman is not in the font
    EXPECT_EQ(cellsAt(0), (std::vector<int>{47, 43, -1, '?' - 32, '~' - 32}));

    BitmapFont lower(path_, columns, rows, CaseConversion::Lower, 64, 0);
    fillRect(target_, 0, 0, 0, -1, -1);
    drawText(lower, target_, 0, 0, L"A\x1F", 0); // 'a' - 64 = 33; below the start code: cell 0
    EXPECT_EQ(cellsAt(0), (std::vector<int>{33, 0}));
}

TEST_F(BitmapFontTest, HeightScalesTheCellsAndTheBufferCutsLongTexts) {
    BitmapFont font(path_, columns, rows, CaseConversion::None, 32, 0);
    drawText(font, target_, 0, 0, L"!!", cellHeight * 2); // cells of 4 x 6
    EXPECT_EQ(cellsAt(5, 4), (std::vector<int>{1, 1}));
    EXPECT_EQ(target_.getPixel(0, 6), 0u);
    fillRect(target_, 0, 0, 0, -1, -1);
    font.resizeBuffer(3);
    drawText(font, target_, 0, 0, L"!!!!!", 0);
    EXPECT_EQ(cellsAt(0), (std::vector<int>{1, 1, 1}));
}

TEST_F(BitmapFontTest, BoxesWrapAfterBlanksAtLineBreaksAndInsideLongWords) {
    BitmapFont font(path_, columns, rows, CaseConversion::None, 32, 0);
    const TextBox box{0, 0, 10 * cellWidth, 12};
    const int a = 'a' - 32, b = 'b' - 32, c = 'c' - 32, blank = -1;
    drawTextBox(font, target_, box, L"aaaa bbbb cccc", 0, TextAlignment::Left);
    EXPECT_EQ(cellsAt(0), (std::vector<int>{a, a, a, a, blank, b, b, b, b}));
    EXPECT_EQ(cellsAt(cellHeight), (std::vector<int>{c, c, c, c}));

    fillRect(target_, 0, 0, 0, -1, -1);
    drawTextBox(font, target_, box, L"aaaa bbbb cccc", 0, TextAlignment::Right);
    EXPECT_EQ(cellsAt(0), (std::vector<int>{a, a, a, a, blank, b, b, b, b})); // ten characters fill the box
    EXPECT_EQ(cellsAt(cellHeight), (std::vector<int>{blank, blank, blank, blank, blank, blank, c, c, c, c}));

    fillRect(target_, 0, 0, 0, -1, -1);
    drawTextBox(font, target_, box, L"ab\n\rcd\nx", 0, TextAlignment::Center); // a lone line feed is a character
    EXPECT_EQ(cellsAt(0), (std::vector<int>{blank, blank, blank, blank, a, b}));
    EXPECT_EQ(cellsAt(cellHeight), (std::vector<int>{blank, blank, blank, c, 'd' - 32, 0, 'x' - 32}));

    fillRect(target_, 0, 0, 0, -1, -1);
    drawTextBox(font, target_, {0, 0, 4 * cellWidth, 12}, L"abcdefghij", 0, TextAlignment::Left);
    EXPECT_EQ(cellsAt(0), (std::vector<int>{a, b, c, 'd' - 32}));
    EXPECT_EQ(cellsAt(2 * cellHeight), (std::vector<int>{'i' - 32, 'j' - 32}));
    EXPECT_EQ(cellsAt(3 * cellHeight), (std::vector<int>{})); // below the box: not drawn

    // A cell wider than the box still goes one per line instead of never ending.
    fillRect(target_, 0, 0, 0, -1, -1);
    drawTextBox(font, target_, {0, 0, 1, 12}, L"ab", 0, TextAlignment::Left);
    EXPECT_EQ(cellsAt(cellHeight), (std::vector<int>{b}));
}

TEST_F(BitmapFontTest, AFontWithoutItsPictureDrawsNothing) {
    BitmapFont font(folder_.game("missing.bmp"), columns, rows, CaseConversion::Upper, 32, 0);
    EXPECT_EQ(font.cellWidth, 0);
    drawText(font, target_, 0, 0, L"abc", 8);
    drawTextBox(font, target_, {0, 0, 40, 12}, L"abc", 8, TextAlignment::Left);
    EXPECT_EQ(cellsAt(0), (std::vector<int>{}));
}

} // namespace
} // namespace velmora
