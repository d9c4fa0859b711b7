#include "platform/drawing.h"
#include "tests/support/pixel_grid.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
const std::map<COLORREF, char> legend{{black, '.'}, {white, '#'}, {red, 'r'}, {blue, 'b'}};

class DrawingAtDepth : public testing::TestWithParam<int> {};

TEST_P(DrawingAtDepth, DashedLineRunsEighteenOnSixOffAndLeavesOutItsEnd) {
    TestCanvas canvas(32, 3, GetParam());
    HPEN pen = CreatePen(PS_DASH, 1, white);
    SelectObject(canvas.dc, pen);
    MoveToEx(canvas.dc, 0, 1, nullptr);
    LineTo(canvas.dc, 30, 1);
    const std::vector<std::string> expected{
        "................................",
        "##################......######..",
        "................................",
    };
    EXPECT_EQ(pixelGrid(canvas.bitmap, legend), expected);
    SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST_P(DrawingAtDepth, PolygonFillsPixelsWhoseCentresAreInside) {
    TestCanvas canvas(9, 9, GetParam());
    SelectObject(canvas.dc, GetStockObject(NULL_PEN));
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(canvas.dc, brush);
    const POINT triangle[] = {{0, 0}, {8, 0}, {0, 8}};
    Polygon(canvas.dc, triangle, 3);
    const std::vector<std::string> expected{
        "rrrrrrr..", "rrrrrr...", "rrrrr....", "rrrr.....", "rrr......",
        "rr.......", "r........", ".........", ".........",
    };
    EXPECT_EQ(pixelGrid(canvas.bitmap, legend), expected);
    SelectObject(canvas.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST_P(DrawingAtDepth, PolygonOutlineAndFillShareNoPixel) {
    TestCanvas canvas(8, 8, GetParam());
    HPEN pen = CreatePen(PS_SOLID, 1, white);
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(canvas.dc, pen);
    SelectObject(canvas.dc, brush);
    // With an inverting mix, a pixel written twice would come out black again.
    SetROP2(canvas.dc, R2_XORPEN);
    const POINT square[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
    Polygon(canvas.dc, square, 4);
    const std::vector<std::string> expected{
        "........", ".######.", ".#rrrr#.", ".#rrrr#.", ".#rrrr#.", ".#rrrr#.", ".######.", "........",
    };
    EXPECT_EQ(pixelGrid(canvas.bitmap, legend), expected);
    SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
    SelectObject(canvas.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST_P(DrawingAtDepth, InvertingPenDrawnTwiceRestoresThePicture) {
    TestCanvas canvas(24, 24, GetParam());
    RECT all{0, 0, 24, 24};
    HBRUSH background = CreateSolidBrush(blue);
    FillRect(canvas.dc, &all, background);
    const std::vector<std::string> before = pixelGrid(canvas.bitmap, legend);
    HPEN pen = CreatePen(PS_SOLID, 3, white);
    SelectObject(canvas.dc, pen);
    SelectObject(canvas.dc, GetStockObject(NULL_BRUSH));
    SetROP2(canvas.dc, R2_NOT);
    for (int pass = 0; pass < 2; ++pass) {
        Ellipse(canvas.dc, 2, 2, 20, 16);
        MoveToEx(canvas.dc, 3, 20, nullptr);
        LineTo(canvas.dc, 21, 4);
        if (pass == 0) {
            EXPECT_NE(pixelGrid(canvas.bitmap, legend), before);
        }
    }
    EXPECT_EQ(pixelGrid(canvas.bitmap, legend), before);
    SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
    SelectObject(canvas.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(background);
}

TEST_P(DrawingAtDepth, EllipseIsSymmetricWithItsOutlineOutsideItsFill) {
    TestCanvas canvas(10, 8, GetParam());
    HPEN pen = CreatePen(PS_SOLID, 1, white);
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(canvas.dc, pen);
    SelectObject(canvas.dc, brush);
    Ellipse(canvas.dc, 0, 0, 10, 8);
    const std::vector<std::string> expected{
        "...####...", ".##rrrr##.", "##rrrrrr##", "#rrrrrrrr#",
        "#rrrrrrrr#", "##rrrrrr##", ".##rrrr##.", "...####...",
    };
    EXPECT_EQ(pixelGrid(canvas.bitmap, legend), expected);
    SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
    SelectObject(canvas.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST_P(DrawingAtDepth, TransparentImageSkipsTheKeyAndStretches) {
    TestCanvas source(3, 2, GetParam());
    TestCanvas target(6, 4, GetParam());
    SetPixel(source.dc, 0, 0, red);
    SetPixel(source.dc, 1, 0, white); // the key
    SetPixel(source.dc, 2, 0, red);
    SetPixel(source.dc, 0, 1, white);
    SetPixel(source.dc, 1, 1, red);
    SetPixel(source.dc, 2, 1, white);
    HBRUSH background = CreateSolidBrush(blue);
    RECT all{0, 0, 6, 4};
    FillRect(target.dc, &all, background);
    EXPECT_TRUE(TransparentImage(target.dc, 0, 0, 6, 4, source.dc, 0, 0, 3, 2, white));
    const std::vector<std::string> expected{"rrbbrr", "rrbbrr", "bbrrbb", "bbrrbb"};
    EXPECT_EQ(pixelGrid(target.bitmap, legend), expected);
    DeleteObject(background);
}

INSTANTIATE_TEST_SUITE_P(Depths, DrawingAtDepth, testing::Values(16, 32));

TEST(Drawing, KeyAt16BitsIgnoresTheLowBitsOfEachChannel) {
    TestCanvas source(2, 1, 16);
    TestCanvas target(2, 1, 16);
    SetPixel(source.dc, 0, 0, RGB(248, 0, 0));
    SetPixel(source.dc, 1, 0, RGB(0, 0, 248));
    TransparentImage(target.dc, 0, 0, 2, 1, source.dc, 0, 0, 2, 1, RGB(255, 3, 7));
    EXPECT_EQ(pixelGrid(target.bitmap, {{black, '.'}, {RGB(0, 0, 248), 'b'}}),
              std::vector<std::string>{".b"});
}

TEST(Drawing, MaskAndImageCombineWithAndThenXor) {
    TestCanvas target(3, 1, 32);
    TestCanvas mask(3, 1, 32);
    TestCanvas image(3, 1, 32);
    RECT all{0, 0, 3, 1};
    HBRUSH background = CreateSolidBrush(blue);
    FillRect(target.dc, &all, background);
    // Mask: white keeps the background, black cuts a hole; the image fills the hole.
    SetPixel(mask.dc, 0, 0, white);
    SetPixel(mask.dc, 1, 0, black);
    SetPixel(mask.dc, 2, 0, white);
    SetPixel(image.dc, 1, 0, red);
    BitBlt(target.dc, 0, 0, 3, 1, mask.dc, 0, 0, SRCAND);
    BitBlt(target.dc, 0, 0, 3, 1, image.dc, 0, 0, SRCINVERT);
    EXPECT_EQ(pixelGrid(target.bitmap, legend), std::vector<std::string>{"brb"});
    DeleteObject(background);
}

TEST(Drawing, BlitConvertsBetweenDepthsAndClipsAtTheEdges) {
    TestCanvas source(4, 4, 32);
    TestCanvas target(4, 4, 16);
    RECT all{0, 0, 4, 4};
    HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(source.dc, &all, brush);
    EXPECT_TRUE(BitBlt(target.dc, 2, -1, 4, 4, source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(pixelGrid(target.bitmap, legend), (std::vector<std::string>{"..##", "..##", "..##", "...."}));
    // Copying a bitmap onto itself reads the picture as it was before the copy.
    SetPixel(source.dc, 0, 0, red);
    BitBlt(source.dc, 1, 0, 3, 1, source.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(pixelGrid(source.bitmap, legend)[0], "rr##");
    DeleteObject(brush);
}

TEST(Drawing, StretchPicksTheNearestSourcePixelAndMirrors) {
    TestCanvas source(2, 1, 32);
    TestCanvas target(4, 1, 32);
    SetPixel(source.dc, 0, 0, red);
    SetPixel(source.dc, 1, 0, white);
    StretchBlt(target.dc, 0, 0, 4, 1, source.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(pixelGrid(target.bitmap, legend)[0], "rr##");
    StretchBlt(target.dc, 4, 0, -4, 1, source.dc, 0, 0, 2, 1, SRCCOPY); // the area from 0 to 4, mirrored
    EXPECT_EQ(pixelGrid(target.bitmap, legend)[0], "##rr");
}

TEST(Drawing, OperationsWithoutASourceUseTheBrushOrTheDestination) {
    TestCanvas canvas(4, 1, 32);
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(canvas.dc, brush);
    EXPECT_TRUE(PatBlt(canvas.dc, 0, 0, 2, 1, PATCOPY));
    EXPECT_TRUE(PatBlt(canvas.dc, 1, 0, 3, 1, DSTINVERT));
    EXPECT_TRUE(PatBlt(canvas.dc, 3, 0, 1, 1, BLACKNESS));
    EXPECT_FALSE(PatBlt(canvas.dc, 0, 0, 1, 1, SRCCOPY)) << "needs a source";
    EXPECT_EQ(pixelGrid(canvas.bitmap, {{red, 'r'}, {RGB(0, 255, 255), 'c'}, {white, '#'}, {black, '.'}})[0],
              "rc#.");
    SelectObject(canvas.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST(Drawing, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    TestCanvas canvas(6, 5, 16);
    HPEN pen = CreatePen(PS_SOLID, 1, white);
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(canvas.dc, pen);
    SelectObject(canvas.dc, brush);
    Rectangle(canvas.dc, 5, 4, 0, 0); // corners in any order; right and bottom left out
    SelectObject(canvas.dc, GetStockObject(NULL_BRUSH));
    const std::vector<std::string> expected{"#####.", "#rrr#.", "#rrr#.", "#####.", "......"};
    EXPECT_EQ(pixelGrid(canvas.bitmap, legend), expected);
    SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(Drawing, StockObjectsSurviveDeletion) {
    HGDIOBJ brush = GetStockObject(BLACK_BRUSH);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), brush);
    EXPECT_FALSE(static_cast<HBRUSH>(brush)->hollow);
    EXPECT_TRUE(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))->hollow);
}

} // namespace
} // namespace velmora
