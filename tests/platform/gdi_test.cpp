#include "platform/code_page.h"
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(Gdi, DibSectionRowsArePaddedToFourBytes) {
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(3, 2, 16, &bits);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->stride, 8); // 3 pixels of 2 bytes, rounded up to 4
    EXPECT_EQ(bits, bitmap->bits);
    EXPECT_EQ(static_cast<uint8_t*>(bits)[15], 0);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(CreateDIBSection(0, 5, 16, &bits), nullptr);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(CreateDIBSection(100000, 100000, 32, &bits), nullptr);
    HBITMAP wide = CreateDIBSection(3, 1, 24, nullptr);
    EXPECT_EQ(wide->bitsPerPixel, 32);
    DeleteObject(wide);
}

TEST(Gdi, SelectedBitmapCannotBeDeleted) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), displayBitsPerPixel());
    HBITMAP bitmap = CreateDIBSection(4, 4, 32, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    EXPECT_NE(previous, nullptr);
    EXPECT_EQ(currentBitmap(dc), bitmap);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(dc, previous), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(CodePage, WesternCharactersKeepTheirBytesAndOthersBecomeQuestionMarks) {
    char out[8] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, L"\u00e9\u20ac\u4e2dA", -1, out, sizeof out), 5);
    EXPECT_EQ(std::string(out, 4), "\xe9\x80?A");
    EXPECT_EQ(out[4], '\0');
    // A text longer than the buffer is cut at its size.
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, L"Birdie!", 7, out, 3), 3);
    EXPECT_EQ(std::string(out, 3), "Bir");
}

} // namespace
} // namespace velmora
