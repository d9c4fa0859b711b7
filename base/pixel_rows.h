#pragma once
// Row kernels: the inner loops of every blit and fill, over one row of pixels that the caller has
// already clipped to both bitmaps. A blit picks its kernels once and then only calls them row by
// row; a kernel is a plain loop over raw pixels.

#include "base/pixel_format.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace velmora {

// How a written pixel combines with the one already in the destination.
enum class PixelOp {
    Copy,    // source
    Or,      // source | destination
    And,     // source & destination
    Xor,     // source ^ destination
    NotCopy, // ~source
    NotXor,  // ~(source ^ destination)
    Invert,  // ~destination; the source is not read
    Keep,    // destination unchanged; stays the last
};

template <typename Format>
using RowKernel = void (*)(typename Format::Pixel* out, const typename Format::Pixel* in, int count);

// The kernel of an operation. A solid kernel reads one pixel at in (a pen, a brush or a fixed colour)
// for the whole row; otherwise in is a source row of count pixels that does not overlap out.
template <typename Format> RowKernel<Format> rowKernel(PixelOp op, bool solid);

template <typename Pixel> inline void copyRow(Pixel* out, const Pixel* in, int count) {
    std::memcpy(out, in, static_cast<size_t>(count) * sizeof(Pixel));
}

template <typename Pixel> inline void fillRow(Pixel* out, int count, Pixel value) {
    std::fill(out, out + count, value);
}

// Each pixel in the destination's format; a plain copy between equal formats.
template <typename From, typename To>
inline void convertRow(typename To::Pixel* out, const typename From::Pixel* in, int count) {
    if constexpr (From::bitsPerPixel == To::bitsPerPixel) {
        copyRow(out, in, count);
    } else {
        for (int i = 0; i < count; ++i)
            out[i] =
                static_cast<typename To::Pixel>(convertPixel(in[i], From::bitsPerPixel, To::bitsPerPixel));
    }
}

// Copies the pixels that differ from key (compared as stored in the source), converted to the
// destination's format; the others leave the destination as it was.
template <typename From, typename To = From>
inline void copyRowKeyed(typename To::Pixel* out, const typename From::Pixel* in, int count,
                         typename From::Pixel key) {
    for (int i = 0; i < count; ++i) {
        if (in[i] == key)
            continue;
        if constexpr (From::bitsPerPixel == To::bitsPerPixel)
            out[i] = in[i];
        else
            out[i] =
                static_cast<typename To::Pixel>(convertPixel(in[i], From::bitsPerPixel, To::bitsPerPixel));
    }
}

// out[i] = in[columns[i]]: a scaled or mirrored row whose source columns were worked out once.
template <typename Pixel> inline void gatherRow(Pixel* out, const Pixel* in, const int* columns, int count) {
    for (int i = 0; i < count; ++i)
        out[i] = in[columns[i]];
}

// Each pixel as 0xRRGGBB.
template <typename From> inline void decodeRow(uint32_t* out, const typename From::Pixel* in, int count) {
    for (int i = 0; i < count; ++i)
        out[i] = decodePixel(in[i], From::bitsPerPixel);
}

extern template RowKernel<Format16> rowKernel<Format16>(PixelOp, bool);
extern template RowKernel<Format32> rowKernel<Format32>(PixelOp, bool);

} // namespace velmora
