#include "base/byte_reader.h"

#include <gtest/gtest.h>

#include <array>

namespace velmora {
namespace {

TEST(ByteReader, ReadsLittleEndianAndStopsAtTheEnd) {
    const std::array<uint8_t, 7> data = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0x7F};
    ByteReader reader(data);
    EXPECT_EQ(reader.u32(), 0x04030201u);
    EXPECT_EQ(reader.i16(), -2);
    EXPECT_EQ(reader.u16(), std::nullopt); // one byte left
    EXPECT_EQ(reader.position(), 6u);
    EXPECT_EQ(reader.u8(), 0x7F);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.skip(1));
    EXPECT_TRUE(reader.seek(2));
    auto span = reader.bytes(3);
    ASSERT_TRUE(span);
    EXPECT_EQ((*span)[2], 0xFE);
    EXPECT_EQ(reader.bytes(3), std::nullopt);
    EXPECT_FALSE(reader.seek(8));
}

TEST(ByteReader, FloatsAreIeeeLittleEndian) {
    const std::array<uint8_t, 4> one = {0x00, 0x00, 0x80, 0x3F};
    ByteReader reader(one);
    EXPECT_EQ(reader.f32(), 1.0f);
}

} // namespace
} // namespace velmora
