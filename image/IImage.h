#pragma once
// A picture with a size.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::image {

class IImage : public base::IObject {
public:
    // The logical size in pixels (0 x 0 for an empty image).
    virtual int32_t width() const = 0;
    virtual int32_t height() const = 0;
};

}  // namespace s::image
