#include "render/framebuffer_copy.h"

#include <cstring>

namespace velmora {

namespace {

// Where row r of a job starts in the framebuffer, how its pixels step along the framebuffer and
// how it is read: scale is 1 for the plain copy and 2 for the doubling copy.
struct RowPlacement {
    uint16_t* start;
    ptrdiff_t along;       // framebuffer step per source pixel (before scaling)
    ptrdiff_t across;      // framebuffer step from this row's line to the next (before scaling)
    const uint16_t* first; // the source pixel written first
    ptrdiff_t sourceStep;  // +1 left to right, -1 from the row's right end
};

RowPlacement placeRow(const FramebufferCopy& job, int r, int scale) {
    const uint16_t* row = job.source + r * job.sourceRowStep;
    switch (job.orientation) {
    case ScreenOrientation::CounterClockwise:
        // Row r is screen column r; its right end is written first, at the corner's screen row.
        return {job.destination + scale * r * job.xStep, job.yStep, job.xStep, row + job.columns - 1, -1};
    case ScreenOrientation::Clockwise:
        // The last row is the corner's screen column; rows move back one column each.
        return {job.destination + scale * (job.rows - 1 - r) * job.xStep, job.yStep, job.xStep, row, 1};
    case ScreenOrientation::Portrait:
    default:
        return {job.destination + scale * r * job.yStep, job.xStep, job.yStep, row, 1};
    }
}

// count pixels read along sourceStep and written along step.
void copyRun(uint16_t* to, ptrdiff_t step, const uint16_t* from, ptrdiff_t sourceStep, int count) {
    if (step == sourceStep && (step == 1 || step == -1)) {
        // Both run the same way through memory: one forward block from the lower end.
        const ptrdiff_t back = step == 1 ? 0 : count - 1;
        std::memcpy(to - back, from - back, static_cast<size_t>(count) * sizeof(uint16_t));
        return;
    }
    ptrdiff_t t = 0, f = 0;
    for (; count >= 4; count -= 4, t += 4 * step, f += 4 * sourceStep) {
        to[t] = from[f];
        to[t + step] = from[f + sourceStep];
        to[t + 2 * step] = from[f + 2 * sourceStep];
        to[t + 3 * step] = from[f + 3 * sourceStep];
    }
    for (; count > 0; --count, t += step, f += sourceStep)
        to[t] = from[f];
}

// count pixels, each written to a square of two by two framebuffer pixels.
void doubleRun(uint16_t* to, ptrdiff_t along, ptrdiff_t across, const uint16_t* from, ptrdiff_t sourceStep,
               int count) {
    const auto square = [to, along, across](ptrdiff_t at, uint16_t pixel) {
        to[at] = pixel;
        to[at + along] = pixel;
        to[at + across] = pixel;
        to[at + along + across] = pixel;
    };
    ptrdiff_t t = 0, f = 0;
    for (; count >= 4; count -= 4, t += 8 * along, f += 4 * sourceStep) {
        square(t, from[f]);
        square(t + 2 * along, from[f + sourceStep]);
        square(t + 4 * along, from[f + 2 * sourceStep]);
        square(t + 6 * along, from[f + 3 * sourceStep]);
    }
    for (; count > 0; --count, t += 2 * along, f += sourceStep)
        square(t, from[f]);
}

} // namespace

void plainCopy(const FramebufferCopy& job) {
    for (int r = 0; r < job.rows; ++r) {
        const RowPlacement row = placeRow(job, r, 1);
        copyRun(row.start, row.along, row.first, row.sourceStep, job.columns);
    }
}

void doublingCopy(const FramebufferCopy& job) {
    for (int r = 0; r < job.rows; ++r) {
        const RowPlacement row = placeRow(job, r, 2);
        doubleRun(row.start, row.along, row.across, row.first, row.sourceStep, job.columns);
    }
}

} // namespace velmora
