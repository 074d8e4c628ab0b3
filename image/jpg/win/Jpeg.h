#pragma once
// Jpeg: decodes JPEG pictures (through libjpeg) into BufferedImages.
//
// The decoder is strict: anything libjpeg reports, errors and corrupt-data warnings
// alike (a truncated file included), yields no image rather than a partly grey one.
// libjpeg never gets to end the process: its error exit returns control here.
// Grey and CMYK pictures come out as RGB; every pixel is opaque (alpha 0xFF).
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::image::jpg::win {

class Jpeg : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Jpeg, L"s_image_jpg_win_Jpeg")

public:
    // The resource type of the program's embedded JPEG pictures.
    static constexpr wchar_t RESOURCE_TYPE[] = L"IDR_JPG";

    Jpeg() = default;
    void reset() override {}

    // A new image of the picture's size (the caller releases it); null when the bytes
    // are not a complete, valid JPEG or the image cannot be made.
    static image::win::BufferedImage* decode(const uint8_t* bytes, size_t size);
    // The same for a resource of the module (null module: the program itself).
    static image::win::BufferedImage* decodeResource(const wchar_t* type, int id, HMODULE module = nullptr);
};

}  // namespace s::image::jpg::win
