#include "base/pixel_rows.h"

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

template <typename Format, bool solid> RowKernel<Format> kernelOf(PixelOp op) {
    switch (op) {
    case PixelOp::Copy:
        return combineRow<Format, PixelOp::Copy, solid>;
    case PixelOp::Or:
        return combineRow<Format, PixelOp::Or, solid>;
    case PixelOp::And:
        return combineRow<Format, PixelOp::And, solid>;
    case PixelOp::Xor:
        return combineRow<Format, PixelOp::Xor, solid>;
    case PixelOp::NotCopy:
        return combineRow<Format, PixelOp::NotCopy, solid>;
    case PixelOp::NotXor:
        return combineRow<Format, PixelOp::NotXor, solid>;
    case PixelOp::Invert:
        return combineRow<Format, PixelOp::Invert, solid>;
    case PixelOp::Keep:
        break;
    }
    return combineRow<Format, PixelOp::Keep, solid>;
}

} // namespace

template <typename Format> RowKernel<Format> rowKernel(PixelOp op, bool solid) {
    return solid ? kernelOf<Format, true>(op) : kernelOf<Format, false>(op);
}

template RowKernel<Format16> rowKernel<Format16>(PixelOp, bool);
template RowKernel<Format32> rowKernel<Format32>(PixelOp, bool);

} // namespace velmora
