#pragma once
// Bitmap: a Windows DIB section together with the file and information headers
// that describe it (as they would stand at the start of a .bmp file).
//
// Rows are stored bottom-up (positive height), each padded to a multiple of 4 bytes;
// there is no colour table (16, 24 and 32 bits per pixel only). The section's
// memory starts zeroed. A released Bitmap gives its section back to the system, so
// pooled Bitmaps hold no GDI object.
#include <windows.h>

#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::image::bmp::win {

class Bitmap : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Bitmap, L"s_image_bmp_win_Bitmap")

public:
    static constexpr uint16_t FILE_TYPE = 19778;                                                   // "BM"
    static constexpr uint32_t HEADERS_SIZE = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);  // 54

    Bitmap();
    ~Bitmap() override;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Bytes per stored row: ((width x bitsPerPixel + 31) / 8) rounded down to a multiple of 4.
    static int64_t rowBytesFor(int64_t width, int bitsPerPixel);

    // Makes a new section (deleting the previous one first). False, with no section
    // and cleared headers, for a size or depth it cannot hold or when GDI refuses.
    bool create(int32_t width, int32_t height, int bitsPerPixel = 32);

    HBITMAP handle() const { return handle_; }
    void* bits() const { return bits_; }
    int32_t width() const { return infoHeader_.biWidth; }
    int32_t height() const { return infoHeader_.biHeight; }
    int bitsPerPixel() const { return infoHeader_.biBitCount; }
    int32_t rowBytes() const { return int32_t(rowBytesFor(width(), bitsPerPixel())); }
    const BITMAPFILEHEADER& fileHeader() const { return fileHeader_; }
    const BITMAPINFOHEADER& infoHeader() const { return infoHeader_; }

    // Deletes the section and clears the headers.
    void reset() override;

private:
    void destroySection();

    BITMAPFILEHEADER fileHeader_;
    BITMAPINFOHEADER infoHeader_;
    HBITMAP handle_;  // owned: the DIB section
    void* bits_;      // not owned: the section's memory, valid while handle_ lives
};

}  // namespace s::image::bmp::win
