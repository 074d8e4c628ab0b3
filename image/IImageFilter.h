#pragma once
// One step of an image's filter list: reads a source image and writes its result
// into a fresh, empty target image (which it sizes itself with create).
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::image {

class IBufferedImage;

class IImageFilter : public base::IObject {
public:
    // The id an image's filter list finds the filter by.
    virtual int32_t filterId() const = 0;
    // False when the filter produced nothing.
    virtual bool apply(const IBufferedImage& source, IBufferedImage* target) = 0;
};

}  // namespace s::image
