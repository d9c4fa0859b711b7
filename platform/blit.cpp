// Blits between contexts: BitBlt, StretchBlt, TransparentImage and PatBlt. Each call settles its
// operation, both depths and the mapping of destination to source columns once, then hands
// clipped rows to the shared row kernels.
#include "platform/drawing.h"

#include "base/pixel_rows.h"
#include "platform/draw_target.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

bool needsSource(DWORD rop) {
    return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT || rop == NOTSRCCOPY;
}

PixelOp rowOperationOf(DWORD rop) {
    switch (rop) {
    case SRCCOPY:
    case PATCOPY:
    case BLACKNESS:
    case WHITENESS:
        return PixelOp::Copy;
    case SRCPAINT:
        return PixelOp::Or;
    case SRCAND:
        return PixelOp::And;
    case SRCINVERT:
        return PixelOp::Xor;
    case NOTSRCCOPY:
        return PixelOp::NotCopy;
    case DSTINVERT:
        return PixelOp::Invert;
    default:
        return PixelOp::Keep;
    }
}

// The source pixels a blit reads, copied out first when source and destination share a bitmap
// so that overlapping areas read the picture as it was before the blit.
struct SourceView {
    const Bitmap* bitmap = nullptr;
    int originX = 0;
    int originY = 0;
    std::vector<uint8_t> copy;
    const uint8_t* bits = nullptr;
};

bool openSource(HDC dc, const DrawTarget& destination, SourceView& view) {
    DrawTarget source;
    if (!resolveSource(dc, source))
        return false;
    view.bitmap = source.bitmap;
    view.originX = source.originX;
    view.originY = source.originY;
    view.bits = source.bitmap->bits;
    if (source.bitmap == destination.bitmap) {
        view.copy.assign(source.bitmap->bits,
                         source.bitmap->bits +
                             static_cast<size_t>(source.bitmap->stride) * source.bitmap->height);
        view.bits = view.copy.data();
    }
    return true;
}

// A blit after mirroring, mapping and clipping to the bitmaps. Rows are in context coordinates,
// columns in bitmap coordinates.
struct BlitPlan {
    const DrawTarget* target = nullptr;
    const SourceView* source = nullptr; // none for the operations without a source
    PixelOp op = PixelOp::Keep;
    uint32_t solidPixel = 0; // what the operations without a source write or combine with
    bool keyed = false;
    uint32_t key = 0;         // as stored in the source
    int runX = 0, runEnd = 0; // the destination run [runX, runEnd) in context coordinates
    int top = 0, bottom = 0;  // destination rows [top, bottom)
    int left = 0, right = 0;  // the columns [left, right) that have a source pixel
    int columnOffset = 0;     // source column = column + columnOffset, when columns is empty
    std::vector<int> columns; // otherwise the source column of each column from left
};

// Runs the plan from a source of format From onto a destination of format To; sourceRowOf maps a
// destination bitmap row to its source row.
template <typename To, typename From, typename RowMap>
void blitRows(const BlitPlan& plan, RowMap sourceRowOf) {
    using Out = typename To::Pixel;
    using In = typename From::Pixel;
    Bitmap& bitmap = *plan.target->bitmap;
    const RowKernel<To> kernel = rowKernel<To>(plan.op, plan.source == nullptr);
    const auto solid = static_cast<Out>(plan.solidPixel);
    const auto runLength = static_cast<size_t>(plan.right - plan.left);
    std::vector<In> gathered(plan.columns.empty() ? 0 : runLength);
    constexpr bool converting = From::bitsPerPixel != To::bitsPerPixel;
    std::vector<Out> converted(converting && plan.source && !plan.keyed ? runLength : 0);
    for (int y = plan.top; y < plan.bottom; ++y) {
        const In* sourceRow = nullptr;
        if (plan.source) {
            const int64_t row = sourceRowOf(y + plan.target->originY);
            if (row < 0 || row >= plan.source->bitmap->height)
                continue;
            sourceRow = pixelRow<From>(plan.source->bits, plan.source->bitmap->stride, static_cast<int>(row));
        }
        forEachClippedSpan(*plan.target, y, plan.runX, plan.runEnd, [&](int left, int right, int by) {
            left = std::max(left, plan.left);
            right = std::min(right, plan.right);
            if (left >= right)
                return;
            const int count = right - left;
            Out* out = pixelRow<To>(bitmap.bits, bitmap.stride, by) + left;
            if (!sourceRow) {
                kernel(out, &solid, count);
                return;
            }
            const In* in = gathered.data();
            if (plan.columns.empty())
                in = sourceRow + (left + plan.columnOffset);
            else
                gatherRow(gathered.data(), sourceRow, plan.columns.data() + (left - plan.left), count);
            if (plan.keyed) {
                copyRowKeyed<From, To>(out, in, count, static_cast<In>(plan.key));
            } else if constexpr (converting) {
                convertRow<From, To>(converted.data(), in, count);
                kernel(out, converted.data(), count);
            } else {
                kernel(out, in, count);
            }
        });
    }
}

// The shared body of every blit: destination rectangle (x, y, width, height) in context
// coordinates, scaled from the source rectangle; width or height of either side may be negative
// to mirror.
bool stretch(HDC destinationDC, int x, int y, int width, int height, HDC sourceDC, int sourceX, int sourceY,
             int sourceWidth, int sourceHeight, DWORD rop, bool keyed, COLORREF keyColor) {
    DrawTarget target;
    if (!resolveTarget(destinationDC, target))
        return destinationDC != nullptr;
    SourceView source;
    const bool withSource = needsSource(rop) || keyed;
    if (withSource && !openSource(sourceDC, target, source))
        return false;
    const int depth = target.bitmap->bitsPerPixel;
    BlitPlan plan;
    plan.target = &target;
    plan.source = withSource ? &source : nullptr;
    plan.op = rowOperationOf(rop);
    if (rop == PATCOPY) {
        const auto* brush = static_cast<const Brush*>(destinationDC->brush);
        if (!brush || brush->hollow)
            return true;
        plan.solidPixel = toNativePixel(brush->color, depth);
    } else if (rop == WHITENESS) {
        plan.solidPixel = encodePixel(0xFFFFFF, depth);
    }
    plan.keyed = keyed;
    if (keyed)
        plan.key = toNativePixel(keyColor, source.bitmap->bitsPerPixel);

    // Mirroring: a negative size on one side flips the mapping.
    bool mirrorX = false, mirrorY = false;
    if (width < 0) {
        x += width;
        width = -width;
        mirrorX = !mirrorX;
    }
    if (height < 0) {
        y += height;
        height = -height;
        mirrorY = !mirrorY;
    }
    if (sourceWidth < 0) {
        sourceX += sourceWidth;
        sourceWidth = -sourceWidth;
        mirrorX = !mirrorX;
    }
    if (sourceHeight < 0) {
        sourceY += sourceHeight;
        sourceHeight = -sourceHeight;
        mirrorY = !mirrorY;
    }
    if (width == 0 || height == 0 || (withSource && (sourceWidth == 0 || sourceHeight == 0)))
        return true;

    const Bitmap& bitmap = *target.bitmap;
    plan.runX = x;
    plan.runEnd = static_cast<int>(std::min<int64_t>(int64_t(x) + width, INT32_MAX));
    plan.top = std::max(y, -target.originY);
    plan.bottom = static_cast<int>(std::min<int64_t>(int64_t(y) + height, bitmap.height - target.originY));
    int64_t left = std::max<int64_t>(int64_t(x) + target.originX, 0);
    int64_t right = std::min<int64_t>(int64_t(x) + width + target.originX, bitmap.width);

    // Destination pixel i of a run maps to source pixel ((2i + 1) * sourceSize) / (2 * size): the
    // nearest pixel, and the identity when both sizes agree.
    auto mapped = [](int64_t i, int64_t size, int64_t sourceSize, bool mirror) {
        if (mirror)
            i = size - 1 - i;
        return (2 * i + 1) * sourceSize / (2 * size);
    };
    if (withSource) {
        const int64_t firstColumn = int64_t(sourceX) + source.originX;
        const int64_t sourceColumns = source.bitmap->width;
        if (!mirrorX && width == sourceWidth) {
            const int64_t offset = firstColumn - x - target.originX;
            left = std::max(left, -offset);
            right = std::min(right, sourceColumns - offset);
            plan.columnOffset = static_cast<int>(offset);
        } else {
            // The mapping is monotonic, so the columns with a source pixel are one interval.
            for (int64_t column = left; column < right; ++column) {
                const int64_t sourceColumn =
                    firstColumn + mapped(column - target.originX - x, width, sourceWidth, mirrorX);
                if (sourceColumn >= 0 && sourceColumn < sourceColumns)
                    plan.columns.push_back(static_cast<int>(sourceColumn));
                else if (!plan.columns.empty())
                    break;
                else
                    left = column + 1;
            }
            right = left + static_cast<int64_t>(plan.columns.size());
        }
    }
    if (left >= right || plan.top >= plan.bottom)
        return true;
    plan.left = static_cast<int>(left);
    plan.right = static_cast<int>(right);

    const int64_t firstRow = int64_t(sourceY) + source.originY;
    auto sourceRowOf = [&](int bitmapRow) {
        return firstRow + mapped(int64_t(bitmapRow) - target.originY - y, height, sourceHeight, mirrorY);
    };
    const int sourceDepth = withSource ? source.bitmap->bitsPerPixel : depth;
    withFormat(depth, [&]<typename To>() {
        withFormat(sourceDepth, [&]<typename From>() { blitRows<To, From>(plan, sourceRowOf); });
    });
    return true;
}

} // namespace

bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    return stretch(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop, false, 0);
}

bool StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
    return stretch(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop,
                   false, 0);
}

bool TransparentImage(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                      int sourceY, int sourceWidth, int sourceHeight, COLORREF transparent) {
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return false;
    return stretch(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                   SRCCOPY, true, transparent);
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (needsSource(rop))
        return false;
    return stretch(dc, x, y, width, height, nullptr, 0, 0, width, height, rop, false, 0);
}

} // namespace velmora
