#include "base/pixel_rows.h"

#include <array>
#include <utility>

namespace velmora {

namespace {

template <typename Format, PixelOp op>
constexpr typename Format::Pixel combine(typename Format::Pixel source, typename Format::Pixel destination) {
    using Pixel = typename Format::Pixel;
    constexpr Pixel mask = Format::white; // keeps the unused byte of a 32-bit pixel clear
    if constexpr (op == PixelOp::Copy)
        return source;
    else if constexpr (op == PixelOp::Or)
        return static_cast<Pixel>(source | destination);
    else if constexpr (op == PixelOp::And)
        return static_cast<Pixel>(source & destination);
    else if constexpr (op == PixelOp::Xor)
        return static_cast<Pixel>(source ^ destination);
    else if constexpr (op == PixelOp::NotCopy)
        return static_cast<Pixel>(~source & mask);
    else if constexpr (op == PixelOp::NotXor)
        return static_cast<Pixel>(~(source ^ destination) & mask);
    else if constexpr (op == PixelOp::Invert)
        return static_cast<Pixel>(~destination & mask);
    else
        return destination;
}

template <typename Format, PixelOp op, bool solid>
void combineRow(typename Format::Pixel* out, const typename Format::Pixel* in, int count) {
    if constexpr (op == PixelOp::Keep) {
        (void)out, (void)in, (void)count;
    } else if constexpr (op == PixelOp::Copy && solid) {
        fillRow(out, count, *in);
    } else if constexpr (op == PixelOp::Copy) {
        copyRow(out, in, count);
    } else if constexpr (solid) {
        const typename Format::Pixel source = *in;
        for (int i = 0; i < count; ++i)
            out[i] = combine<Format, op>(source, out[i]);
    } else {
        for (int i = 0; i < count; ++i)
            out[i] = combine<Format, op>(in[i], out[i]);
    }
}

constexpr size_t opCount = static_cast<size_t>(PixelOp::Keep) + 1;

template <typename Format, bool solid, size_t... op>
constexpr std::array<RowKernel<Format>, opCount> kernelTable(std::index_sequence<op...>) {
    return {combineRow<Format, static_cast<PixelOp>(op), solid>...};
}

} // namespace

template <typename Format> RowKernel<Format> rowKernel(PixelOp op, bool solid) {
    static constexpr auto solidKernels = kernelTable<Format, true>(std::make_index_sequence<opCount>());
    static constexpr auto rowKernels = kernelTable<Format, false>(std::make_index_sequence<opCount>());
    return (solid ? solidKernels : rowKernels)[static_cast<size_t>(op)];
}

template RowKernel<Format16> rowKernel<Format16>(PixelOp, bool);
template RowKernel<Format32> rowKernel<Format32>(PixelOp, bool);

} // namespace velmora
