// The direct display output on emulated handhelds: each test describes a device (panel, memory
// layout, maker string, system version), opens the display and checks the panel's picture in
// screen order. Pixels are letters, so pictures read as small grids; '.' is a pixel not written.
#include "platform/device_profile.h"
#include "platform/display.h"
#include "render/gapi_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using Grid = std::vector<std::string>;

// A back buffer whose pixel (c, r) holds the letter 'a' + r * width + c (wrapping after 'z').
void letter(Surface& surface, int width, int height) {
    ASSERT_TRUE(surface.create(width, height, true));
    ASSERT_EQ(surface.bitsPerPixel, 16);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            reinterpret_cast<uint16_t*>(surface.bits + r * surface.stride)[c] =
                uint16_t('a' + (r * width + c) % 26);
}

std::vector<uint16_t> panelPicture() {
    const SIZE panel = gxPanelSize();
    std::vector<uint16_t> picture(static_cast<size_t>(panel.cx) * panel.cy);
    gxComposeScreen(picture.data());
    return picture;
}

Grid gridOf(const std::vector<uint16_t>& picture, int width, int rows) {
    Grid grid;
    for (int y = 0; y < rows; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const uint16_t p = picture[static_cast<size_t>(y) * width + x];
            row += p == 0 ? '.' : (p >= 'a' && p <= 'z' ? char(p) : '?');
        }
        grid.push_back(row);
    }
    return grid;
}

// Where back-buffer pixel (c, r) of a width x height back buffer lands for a copy at (x, y).
POINT landing(int c, int r, int width, int height, int x, int y, ScreenOrientation orientation) {
    switch (orientation) {
    case ScreenOrientation::CounterClockwise:
        return {x + r, y + width - 1 - c};
    case ScreenOrientation::Clockwise:
        return {x + height - 1 - r, y + c};
    default:
        return {x + c, y + r};
    }
}

class GapiDisplayTest : public testing::Test {
protected:
    void TearDown() override {
        GapiDisplay::close();
        setDeviceProfile(deviceProfileFromEnvironment());
    }
    // Opens the display of that device on a black panel.
    void open(const DeviceProfile& device) {
        GapiDisplay::close();
        setDeviceProfile(device);
        ASSERT_TRUE(GapiDisplay::open(nullptr, true, false));
        Surface black;
        const SIZE panel = gxPanelSize();
        ASSERT_TRUE(black.create(panel.cx, panel.cy, true));
        GapiDisplay::blitToScreen(black, 0, 0, nullptr, ScreenOrientation::Portrait);
        ASSERT_EQ(panelPicture(), std::vector<uint16_t>(black.width * black.height, 0));
    }
    Grid panelGrid() const { return gridOf(panelPicture(), gxPanelSize().cx, gxPanelSize().cy); }
    static DeviceProfile panel(int width, int height, PanelMemory memory = PanelMemory::Rows) {
        DeviceProfile device;
        device.panel = {width, height};
        device.memory = memory;
        return device;
    }
};

TEST_F(GapiDisplayTest, RectIsClampedToTheBackBufferAndWrittenBack) {
    open(panel(6, 4));
    Surface back;
    letter(back, 3, 3);
    RECT rect{-2, -1, 9, 2}; // left and top below 0 start at 0, right and bottom beyond the buffer stop there
    GapiDisplay::blitToScreen(back, 1, 1, &rect, ScreenOrientation::Portrait);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 3);
    EXPECT_EQ(rect.bottom, 2);
    EXPECT_EQ(panelGrid(), (Grid{"......", ".abc..", ".def..", "......"}));

    RECT inner{1, 1, 3, 3};
    GapiDisplay::blitToScreen(back, 0, 0, &inner, ScreenOrientation::CounterClockwise);
    // The rect's corner (right - 1, top) lands at (x + top, y + width - right).
    EXPECT_EQ(panelGrid(), (Grid{".fi...", ".ehc..", ".def..", "......"}));
}

TEST_F(GapiDisplayTest, ScreenEdgesCutEachOrientationWhereItsPixelsWouldLand) {
    open(panel(5, 4));
    Surface back;
    letter(back, 3, 2); // "abc" over "def"
    const auto blit = [&](int x, int y, ScreenOrientation orientation) {
        open(panel(5, 4));
        GapiDisplay::blitToScreen(back, x, y, nullptr, orientation);
        return panelGrid();
    };
    // Past the right and bottom edges.
    EXPECT_EQ(blit(3, 2, ScreenOrientation::Portrait), (Grid{".....", ".....", "...ab", "...de"}));
    EXPECT_EQ(blit(3, 2, ScreenOrientation::CounterClockwise), (Grid{".....", ".....", "...cf", "...be"}));
    EXPECT_EQ(blit(3, 2, ScreenOrientation::Clockwise), (Grid{".....", ".....", "...da", "...eb"}));
    // Before the left and top edges: only what lands on the screen is written.
    EXPECT_EQ(blit(-1, -1, ScreenOrientation::Portrait), (Grid{"ef...", ".....", ".....", "....."}));
    EXPECT_EQ(blit(-1, -1, ScreenOrientation::CounterClockwise), (Grid{"e....", "d....", ".....", "....."}));
    EXPECT_EQ(blit(-1, -1, ScreenOrientation::Clockwise), (Grid{"b....", "c....", ".....", "....."}));
    // Wholly outside.
    EXPECT_EQ(blit(5, 0, ScreenOrientation::Clockwise), (Grid{".....", ".....", ".....", "....."}));
    EXPECT_EQ(blit(0, -3, ScreenOrientation::CounterClockwise), (Grid{".....", ".....", ".....", "....."}));
}

// Every placement around the edges, every orientation, with and without a rect, on every memory
// layout: the fast block copies and the pixel loops must give the picture the mapping asks for,
// and nothing else of the panel may change.
TEST_F(GapiDisplayTest, EveryLayoutGivesTheMappedPictureWhereverThePageLies) {
    constexpr int panelWidth = 7, panelHeight = 5, backWidth = 4, backHeight = 3;
    Surface back, black;
    letter(back, backWidth, backHeight);
    ASSERT_TRUE(black.create(panelWidth, panelHeight, true));
    for (const PanelMemory memory :
         {PanelMemory::Rows, PanelMemory::ColumnsFromRight, PanelMemory::ColumnsFromLeft}) {
        open(panel(panelWidth, panelHeight, memory));
        for (const ScreenOrientation orientation :
             {ScreenOrientation::Portrait, ScreenOrientation::CounterClockwise,
              ScreenOrientation::Clockwise}) {
            for (const bool withRect : {false, true}) {
                for (int y = -4; y <= 6; y += 2) {
                    for (int x = -5; x <= 8; x += 3) {
                        GapiDisplay::blitToScreen(black, 0, 0, nullptr, ScreenOrientation::Portrait);
                        RECT rect{1, -1, 9, 2};
                        GapiDisplay::blitToScreen(back, x, y, withRect ? &rect : nullptr, orientation);
                        const RECT area = withRect ? rect : RECT{0, 0, backWidth, backHeight};
                        std::vector<uint16_t> expected(panelWidth * panelHeight, 0);
                        for (int r = area.top; r < area.bottom; ++r) {
                            for (int c = area.left; c < area.right; ++c) {
                                const POINT at = landing(c, r, backWidth, backHeight, x, y, orientation);
                                if (at.x >= 0 && at.x < panelWidth && at.y >= 0 && at.y < panelHeight)
                                    expected[at.y * panelWidth + at.x] = uint16_t('a' + r * backWidth + c);
                            }
                        }
                        ASSERT_EQ(panelGrid(), gridOf(expected, panelWidth, panelHeight))
                            << "memory " << int(memory) << ", orientation " << int(orientation) << ", at ("
                            << x << ", " << y << ")" << (withRect ? " with a rect" : "");
                    }
                }
            }
        }
    }
}

TEST_F(GapiDisplayTest, EachSystemFindsItsFramebuffer) {
    struct Case {
        DWORD osMajor;
        bool dramBuffer;
        bool answersRawQuery;
        FramebufferSource expected;
    };
    const Case cases[] = {
        {4, false, true, FramebufferSource::GameInterface},
        {3, false, false, FramebufferSource::GameInterface},
        {4, true, true, FramebufferSource::RawFramebuffer},
        {5, false, true, FramebufferSource::RawFramebuffer},
        {5, false, false, FramebufferSource::None}, // nothing to write into: the display stays closed
    };
    Surface back;
    letter(back, 2, 2);
    for (const Case& c : cases) {
        DeviceProfile device = panel(3, 2, PanelMemory::ColumnsFromRight);
        device.osMajorVersion = c.osMajor;
        device.dramBuffer = c.dramBuffer;
        device.answersRawQuery = c.answersRawQuery;
        GapiDisplay::close();
        setDeviceProfile(device);
        EXPECT_EQ(GapiDisplay::open(nullptr, true, false), c.expected != FramebufferSource::None);
        EXPECT_EQ(GapiDisplay::state().source, c.expected) << "system " << c.osMajor;
        if (c.expected == FramebufferSource::None)
            continue;
        GapiDisplay::blitToScreen(back, 1, 0, nullptr, ScreenOrientation::Portrait);
        const Grid shown = panelGrid();
        EXPECT_EQ(shown[0].substr(1), "ab");
        EXPECT_EQ(shown[1].substr(1), "cd");
    }
}

TEST_F(GapiDisplayTest, TheFixedGeometryFamilyIsKnownByBothWordsOfItsMakerString) {
    Surface back;
    letter(back, 240, 320);
    DeviceProfile device;
    device.oemInfo = L"Maker iPAQ H3870 Pocket PC";
    device.osMajorVersion = 3; // otherwise the game interface's misleading geometry would be taken
    open(device);
    EXPECT_EQ(GapiDisplay::state().source, FramebufferSource::FixedGeometry);
    const GXDisplayProperties& fixed = *GapiDisplay::state().displayProperties;
    EXPECT_EQ(fixed.cbxPitch, -640);
    EXPECT_NE(GXGetDisplayProperties().cbxPitch, -640) << "the game interface reports another layout";
    GapiDisplay::blitToScreen(back, 0, 0, nullptr, ScreenOrientation::Portrait);
    const std::vector<uint16_t> shown = panelPicture();
    ASSERT_EQ(shown.size(), 240u * 320u);
    for (int y = 0; y < 320; y += 7)
        for (int x = 0; x < 240; x += 5)
            ASSERT_EQ(shown[y * 240 + x], 'a' + (y * 240 + x) % 26) << "at (" << x << ", " << y << ")";

    for (const wchar_t* oneWord : {L"Maker iPAQ H3100", L"Maker H3870"}) {
        device.oemInfo = oneWord;
        open(device);
        EXPECT_EQ(GapiDisplay::state().source, FramebufferSource::GameInterface) << oneWord;
    }
}

// A 480 x 640 panel doubles every pixel while the system runs at 240 wide; with a 480-wide system
// it is one to one. The test runs once on each (the ctest run render.lowResolutionPanel sets the
// 240 x 320 screen).
TEST_F(GapiDisplayTest, ARawVgaPanelDoublesOnlyUnderALowResolutionSystem) {
    const int systemWidth = GetSystemMetrics(SM_CXSCREEN);
    if (systemWidth != 240 && systemWidth != 480)
        GTEST_SKIP() << "needs a 240- or 480-wide screen";
    const bool doubled = systemWidth == 240;
    for (const PanelMemory memory : {PanelMemory::Rows, PanelMemory::ColumnsFromRight}) {
        open(panel(480, 640, memory));
        EXPECT_TRUE(GapiDisplay::state().rawVga);
        EXPECT_EQ(GapiDisplay::state().trueVga, !doubled);
        Surface back;
        letter(back, 240, 320);
        GapiDisplay::blitToScreen(back, 0, 0, nullptr, ScreenOrientation::Portrait);
        const std::vector<uint16_t> shown = panelPicture();
        const int scale = doubled ? 2 : 1;
        for (int y = 0; y < 640; ++y) {
            for (int x = 0; x < 480; ++x) {
                const bool covered = x / scale < 240 && y / scale < 320;
                const uint16_t wanted = covered ? uint16_t('a' + ((y / scale) * 240 + x / scale) % 26) : 0;
                ASSERT_EQ(shown[y * 480 + x], wanted) << "at (" << x << ", " << y << ")";
            }
        }
    }
    // Turned and cut at the bottom-right corner: a 3 x 2 back buffer counter-clockwise, its corner
    // doubled with its pixels or not at all.
    open(panel(480, 640));
    Surface back;
    letter(back, 3, 2);
    GapiDisplay::blitToScreen(back, doubled ? 238 : 478, doubled ? 318 : 638, nullptr,
                              ScreenOrientation::CounterClockwise);
    const Grid corner = gridOf(panelPicture(), 480, 640);
    const Grid expected =
        doubled ? Grid{"..ccff", "..ccff", "..bbee", "..bbee"} : Grid{"......", "......", "....cf", "....be"};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(corner[636 + row].substr(474), expected[row]);
}

} // namespace
} // namespace velmora
