#include "image/jpg/win/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "foundation/thread/EasyPooler.h"
#include "image/win/BufferedImage.h"
#include "image/win/ResourceBytes.h"

namespace s::image::jpg::win {

S_POOLED_CLASS_IMPL(Jpeg, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

using image::win::BufferedImage;

// libjpeg's error manager with the place to return to. libjpeg only sees `base`.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// Replaces libjpeg's error exit (which ends the process). Only C frames of libjpeg
// lie between the setjmp and this call, so nothing is skipped that needs cleaning up.
[[noreturn]] void escapeToCaller(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Level -1 is a warning: corrupt or truncated data that libjpeg would paper over.
void onMessage(j_common_ptr info, int level) {
    if (level < 0) escapeToCaller(info);
}

uint32_t opaque(uint32_t red, uint32_t green, uint32_t blue) {
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

void chooseOutput(jpeg_decompress_struct* info) {
    switch (info->jpeg_color_space) {
        case JCS_GRAYSCALE:
            info->out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            info->out_color_space = JCS_CMYK;
            break;
        default:
            info->out_color_space = JCS_RGB;
            break;
    }
}

void convertRow(const jpeg_decompress_struct& info, const JSAMPLE* in, uint32_t* out) {
    const JDIMENSION width = info.output_width;
    switch (info.output_components) {
        case 1:
            for (JDIMENSION x = 0; x < width; ++x) out[x] = opaque(in[x], in[x], in[x]);
            break;
        case 3:
            for (JDIMENSION x = 0; x < width; ++x, in += 3) out[x] = opaque(in[0], in[1], in[2]);
            break;
        default: {
            // Adobe writes CMYK inverted (255 = no ink); others store the ink itself.
            const bool inverted = info.saw_Adobe_marker;
            for (JDIMENSION x = 0; x < width; ++x, in += 4) {
                const uint32_t c = inverted ? in[0] : 255u - in[0];
                const uint32_t m = inverted ? in[1] : 255u - in[1];
                const uint32_t y = inverted ? in[2] : 255u - in[2];
                const uint32_t k = inverted ? in[3] : 255u - in[3];
                out[x] = opaque(c * k / 255u, m * k / 255u, y * k / 255u);
            }
            break;
        }
    }
}

// Reads the picture into a new image, stored in *slot as soon as it exists so the
// caller can release it whatever happens. May leave through escapeToCaller.
bool readPicture(jpeg_decompress_struct* info, const uint8_t* bytes, size_t size, BufferedImage* volatile* slot) {
    jpeg_mem_src(info, bytes, static_cast<unsigned long>(size));
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) return false;
    chooseOutput(info);
    if (!jpeg_start_decompress(info)) return false;
    const int components = info->output_components;
    if (components != 1 && components != 3 && components != 4) return false;

    BufferedImage* image = BufferedImage::acquireSized(int32_t(info->output_width), int32_t(info->output_height));
    *slot = image;
    if (!image || !image->bits() || image->width() != int32_t(info->output_width) ||
        image->height() != int32_t(info->output_height))
        return false;

    JSAMPARRAY row = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                info->output_width * JDIMENSION(components), 1);
    while (info->output_scanline < info->output_height) {
        const int32_t y = int32_t(info->output_scanline);
        if (jpeg_read_scanlines(info, row, 1) != 1) return false;
        convertRow(*info, row[0], image->rowAddress(y));
    }
    jpeg_finish_decompress(info);
    image->setTransparent(false);
    return true;
}

}  // namespace

BufferedImage* Jpeg::decode(const uint8_t* bytes, size_t size) {
    // libjpeg counts input bytes in an unsigned long (32 bits on Windows).
    if (!bytes || size == 0 || size > 0xFFFFFFFFu) return nullptr;
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = escapeToCaller;
    errors.base.emit_message = onMessage;
    BufferedImage* volatile image = nullptr;

    if (setjmp(errors.escape) != 0) {
        jpeg_destroy_decompress(&info);
        if (image) image->release();
        return nullptr;
    }
    jpeg_create_decompress(&info);
    const bool complete = readPicture(&info, bytes, size, &image);
    jpeg_destroy_decompress(&info);
    if (!complete) {
        if (image) image->release();
        return nullptr;
    }
    return image;
}

BufferedImage* Jpeg::decodeResource(const wchar_t* type, int id, HMODULE module) {
    const image::win::ResourceBytes resource = image::win::ResourceBytes::find(type, id, module);
    return resource.empty() ? nullptr : decode(resource.data, resource.size);
}

}  // namespace s::image::jpg::win
