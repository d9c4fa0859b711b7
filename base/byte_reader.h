#pragma once
// Bounded little-endian reads over a byte buffer, for the decoders of outside data. A read past
// the end fails (returns none) and leaves the reader where it was; nothing is ever read out of bounds.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmora {

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    size_t position() const { return position_; }
    size_t size() const { return data_.size(); }
    size_t remaining() const { return data_.size() - position_; }
    bool atEnd() const { return position_ == data_.size(); }

    // Moves to an absolute offset; false (and no move) beyond the end.
    bool seek(size_t offset) {
        if (offset > data_.size())
            return false;
        position_ = offset;
        return true;
    }
    bool skip(size_t count) { return count <= remaining() && seek(position_ + count); }

    std::optional<uint8_t> u8() { return read<uint8_t>(); }
    std::optional<uint16_t> u16() { return read<uint16_t>(); }
    std::optional<uint32_t> u32() { return read<uint32_t>(); }
    std::optional<int16_t> i16() { return read<int16_t>(); }
    std::optional<int32_t> i32() { return read<int32_t>(); }
    std::optional<float> f32() {
        const std::optional<uint32_t> bits = u32();
        if (!bits)
            return std::nullopt;
        float value;
        static_assert(sizeof value == sizeof *bits);
        __builtin_memcpy(&value, &*bits, sizeof value);
        return value;
    }

    // The next count bytes, or none when fewer remain.
    std::optional<std::span<const uint8_t>> bytes(size_t count) {
        if (count > remaining())
            return std::nullopt;
        std::span<const uint8_t> result = data_.subspan(position_, count);
        position_ += count;
        return result;
    }

private:
    template <typename T>
    std::optional<T> read() {
        if (remaining() < sizeof(T))
            return std::nullopt;
        uint64_t value = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            value |= uint64_t(data_[position_ + i]) << (8 * i);
        position_ += sizeof(T);
        return static_cast<T>(value);
    }

    std::span<const uint8_t> data_;
    size_t position_ = 0;
};

} // namespace velmora
