#pragma once
// An image whose pixels sit in memory: one 32-bit word per pixel, 0xAARRGGBB
// (blue in the low byte), addressed row by row in screen order (row 0 on top).
#include <cstdint>

#include "image/IImage.h"

namespace s::image {

class IImageBuffer : public IImage {
public:
    // Logical width x height, that times 4, and width x 4.
    virtual int32_t pixelCount() const = 0;
    virtual int32_t byteCount() const = 0;
    virtual int32_t rowBytes() const = 0;
    // The pixel memory, or null when the image has none.
    virtual uint32_t* bits() = 0;
    virtual const uint32_t* bits() const = 0;
    // Row y of the pixel memory (y = 0 is the top row on screen). Rows step by the
    // size of the memory, which may be wider than the logical size. Null when y lies
    // outside the memory or there is none.
    virtual uint32_t* rowAddress(int32_t y) = 0;
    virtual const uint32_t* rowAddress(int32_t y) const = 0;
};

}  // namespace s::image
