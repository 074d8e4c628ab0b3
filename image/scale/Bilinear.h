#pragma once
// Bilinear scaling of 32-bit pixels (all four channels, alpha included).
#include "image/IImageBuffer.h"

namespace s::image::scale {

// Scales the logical picture of `source` onto the whole logical area of `target`.
// False when either image is empty or has no pixels.
bool scaleBilinear(const IImageBuffer& source, IImageBuffer* target);

}  // namespace s::image::scale
