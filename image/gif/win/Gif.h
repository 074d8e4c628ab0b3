#pragma once
// Gif: decodes GIF pictures (the first frame) into BufferedImages through the
// platform's picture loader (OleLoadPicture), which brings its own LZW decoder.
//
// Transparent pixels come out as 0x00000000 and mark the image transparent; all
// others are opaque (alpha 0xFF).
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::image::gif::win {

class Gif : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Gif, L"s_image_gif_win_Gif")

public:
    // The resource type of embedded GIF pictures.
    static constexpr wchar_t RESOURCE_TYPE[] = L"IDR_GIF";

    Gif() = default;
    void reset() override {}

    // A new image of the picture's size (the caller releases it); null when the bytes
    // are not a GIF the loader accepts or the image cannot be made.
    static image::win::BufferedImage* decode(const uint8_t* bytes, size_t size);
    // The same for a resource of the module (null module: the program itself).
    static image::win::BufferedImage* decodeResource(const wchar_t* type, int id, HMODULE module = nullptr);
};

}  // namespace s::image::gif::win
