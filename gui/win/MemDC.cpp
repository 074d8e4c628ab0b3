#include "gui/win/MemDC.h"

#include "foundation/thread/EasyPooler.h"
#include "image/win/BufferedImage.h"

namespace s::gui::win {

// Holds a device context: a released one is always deleted.
S_POOLED_CLASS_IMPL(MemDC, s::thread::EasyPooler::NO_CAPACITY)

MemDC* MemDC::acquireFor(HWND window, image::win::BufferedImage* image, bool ownsImage) {
    MemDC* memory = acquire();
    if (!memory) {
        if (ownsImage && image) image->release();
        return nullptr;
    }
    if (!memory->bind(window, image, ownsImage)) {
        memory->release();  // releases an owned image as well
        return nullptr;
    }
    return memory;
}

bool MemDC::bind(HWND window, image::win::BufferedImage* image, bool ownsImage) {
    image_ = image;
    ownsImage_ = ownsImage;
    HBITMAP bitmap = image ? image->bitmapHandle() : nullptr;
    if (!bitmap) return false;
    HDC windowDc = GetDC(window);
    dc_ = CreateCompatibleDC(windowDc);
    if (windowDc) ReleaseDC(window, windowDc);
    if (!dc_) return false;
    previousBitmap_ = SelectObject(dc_, bitmap);
    return previousBitmap_ != nullptr;
}

void MemDC::clear() {
    if (dc_) {
        if (previousBitmap_) SelectObject(dc_, previousBitmap_);
        DeleteDC(dc_);
    }
    if (ownsImage_ && image_) image_->release();
    dc_ = nullptr;
    image_ = nullptr;
    previousBitmap_ = nullptr;
    ownsImage_ = false;
}

}  // namespace s::gui::win
