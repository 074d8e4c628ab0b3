#include "image/scale/Bilinear.h"

#include <cstddef>
#include <cstdint>
#include <new>

namespace s::image::scale {

namespace {

// Source positions in 16.16 fixed point.
constexpr int FRACTION_BITS = 16;
constexpr int64_t ONE = int64_t(1) << FRACTION_BITS;

// The source position (fixed point) whose neighbourhood target index i samples, pixel
// centres aligned, clamped to [0, sourceSize - 1].
int64_t sourcePosition(int32_t i, int32_t sourceSize, int32_t targetSize) {
    int64_t position = ((2 * int64_t(i) + 1) * sourceSize * ONE) / (2 * int64_t(targetSize)) - ONE / 2;
    if (position < 0) position = 0;
    const int64_t last = int64_t(sourceSize - 1) * ONE;
    return position > last ? last : position;
}

// Where one target column samples the source: two neighbours and the right one's weight (of 256).
struct Column {
    int32_t left;
    int32_t right;
    uint32_t weight;
};

uint32_t blendChannel(uint32_t a, uint32_t b, uint32_t weightB, int shift) {
    const uint32_t ca = (a >> shift) & 0xFF;
    const uint32_t cb = (b >> shift) & 0xFF;
    return (ca * (256 - weightB) + cb * weightB) >> 8;
}

// Mix of two pixels, weightB of 256 parts for b.
uint32_t blend(uint32_t a, uint32_t b, uint32_t weightB) {
    if (weightB == 0) return a;
    return blendChannel(a, b, weightB, 0) | blendChannel(a, b, weightB, 8) << 8 |
           blendChannel(a, b, weightB, 16) << 16 | blendChannel(a, b, weightB, 24) << 24;
}

}  // namespace

bool scaleBilinear(const IImageBuffer& source, IImageBuffer* target) {
    if (!target || source.width() <= 0 || source.height() <= 0 || target->width() <= 0 || target->height() <= 0)
        return false;
    if (!source.bits() || !target->bits()) return false;
    const int32_t sourceWidth = source.width();
    const int32_t sourceHeight = source.height();
    const int32_t targetWidth = target->width();
    // The columns and weights are the same for every row: worked out once.
    Column* columns = new (std::nothrow) Column[size_t(targetWidth)];
    if (!columns) return false;
    for (int32_t x = 0; x < targetWidth; ++x) {
        const int64_t sx = sourcePosition(x, sourceWidth, targetWidth);
        columns[x].left = int32_t(sx >> FRACTION_BITS);
        columns[x].right = columns[x].left + 1 < sourceWidth ? columns[x].left + 1 : columns[x].left;
        columns[x].weight = uint32_t((sx & (ONE - 1)) >> (FRACTION_BITS - 8));
    }
    for (int32_t y = 0; y < target->height(); ++y) {
        const int64_t sy = sourcePosition(y, sourceHeight, target->height());
        const int32_t y0 = int32_t(sy >> FRACTION_BITS);
        const int32_t y1 = y0 + 1 < sourceHeight ? y0 + 1 : y0;
        const uint32_t wy = uint32_t((sy & (ONE - 1)) >> (FRACTION_BITS - 8));
        const uint32_t* top = source.rowAddress(y0);
        const uint32_t* bottom = source.rowAddress(y1);
        uint32_t* out = target->rowAddress(y);
        for (int32_t x = 0; x < targetWidth; ++x) {
            const Column& c = columns[x];
            out[x] =
                blend(blend(top[c.left], top[c.right], c.weight), blend(bottom[c.left], bottom[c.right], c.weight), wy);
        }
    }
    delete[] columns;
    return true;
}

}  // namespace s::image::scale
