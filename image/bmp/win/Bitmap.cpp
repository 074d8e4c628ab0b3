#include "image/bmp/win/Bitmap.h"

#include <cstring>

#include "foundation/thread/EasyPooler.h"

namespace s::image::bmp::win {

S_POOLED_CLASS_IMPL(Bitmap, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// Sizes are 32-bit signed all the way up to the image (byte counts included).
constexpr int64_t MAX_BYTES = 0x7FFFFFFF;

bool depthSupported(int bitsPerPixel) {
    return bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

}  // namespace

Bitmap::Bitmap() : handle_(nullptr), bits_(nullptr) {
    std::memset(&fileHeader_, 0, sizeof fileHeader_);
    std::memset(&infoHeader_, 0, sizeof infoHeader_);
}

Bitmap::~Bitmap() {
    destroySection();
}

int64_t Bitmap::rowBytesFor(int64_t width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 8) & ~int64_t(3);
}

void Bitmap::destroySection() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
    bits_ = nullptr;
}

void Bitmap::reset() {
    destroySection();
    std::memset(&fileHeader_, 0, sizeof fileHeader_);
    std::memset(&infoHeader_, 0, sizeof infoHeader_);
}

bool Bitmap::create(int32_t width, int32_t height, int bitsPerPixel) {
    reset();
    if (width <= 0 || height <= 0 || !depthSupported(bitsPerPixel)) return false;
    const int64_t rowBytes = rowBytesFor(width, bitsPerPixel);
    const int64_t imageBytes = rowBytes * height;
    if (imageBytes + HEADERS_SIZE > MAX_BYTES) return false;

    BITMAPINFOHEADER info;
    std::memset(&info, 0, sizeof info);
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = width;
    info.biHeight = height;  // positive: bottom-up rows
    info.biPlanes = 1;
    info.biBitCount = WORD(bitsPerPixel);
    info.biCompression = BI_RGB;
    info.biSizeImage = DWORD(imageBytes);

    void* bits = nullptr;
    HBITMAP handle =
        CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle) return false;
    if (!bits) {
        DeleteObject(handle);
        return false;
    }
    handle_ = handle;
    bits_ = bits;
    infoHeader_ = info;
    fileHeader_.bfType = FILE_TYPE;
    fileHeader_.bfReserved1 = 0;
    fileHeader_.bfReserved2 = 0;
    fileHeader_.bfOffBits = HEADERS_SIZE;
    fileHeader_.bfSize = DWORD(imageBytes + HEADERS_SIZE);
    return true;
}

}  // namespace s::image::bmp::win
