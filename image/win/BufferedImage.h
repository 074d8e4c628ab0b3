#pragma once
// BufferedImage: the off-screen image behind every skinned painting, a 32-bit DIB
// section (a pooled Bitmap) with a logical size that may be smaller than the store.
//
// A larger store can serve a smaller painting (setSize), and a store that has to
// grow keeps its picture at the top left (ensureSize). The logical size is kept
// within the store, so a caller that walks width() x height() pixels through
// rowAddress stays inside the memory. An image whose store could not be made has
// no pixels and size 0 x 0: rowAddress answers null and drawTo draws nothing.
//
// One thread uses an image at a time; the pools of images and bitmaps are locked.
#include <windows.h>

#include <cstdint>

#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "image/IBufferedImage.h"

namespace s::base {
class IDestructor;
}

namespace s::image::bmp::win {
class Bitmap;
}

namespace s::image::win {

class BufferedImage : public IBufferedImage, public thread::IPoolable {
    S_POOLED_CLASS(BufferedImage, L"s_image_win_BufferedImage")

public:
    static constexpr int POOL_CAPACITY = 1000;

    // An image from the pool with create(width, height) applied; null only when no
    // object could be had. Check bits() for the pixels.
    static BufferedImage* acquireSized(int32_t width, int32_t height);

    BufferedImage();
    ~BufferedImage() override;
    BufferedImage(const BufferedImage&) = delete;
    BufferedImage& operator=(const BufferedImage&) = delete;

    int32_t width() const override { return width_; }
    int32_t height() const override { return height_; }
    int32_t pixelCount() const override { return pixelCount_; }
    int32_t byteCount() const override { return byteCount_; }
    int32_t rowBytes() const override { return rowBytes_; }
    uint32_t* bits() override { return bits_; }
    const uint32_t* bits() const override { return bits_; }
    uint32_t* rowAddress(int32_t y) override;
    const uint32_t* rowAddress(int32_t y) const override;

    HBITMAP bitmapHandle() const override;
    int32_t allocatedWidth() const override { return allocatedWidth_; }
    int32_t allocatedHeight() const override { return allocatedHeight_; }
    int32_t allocatedRowBytes() const { return allocatedRowBytes_; }
    void setSize(int32_t width, int32_t height) override;
    bool ensureSize(int32_t width, int32_t height) override;
    bool create(int32_t width, int32_t height) override;
    bool drawTo(HDC target, int32_t x, int32_t y, int32_t width, int32_t height, bool scaled) override;

    bool isTransparent() const override { return transparent_ != 0; }
    void setTransparent(bool transparent) override { transparent_ = transparent ? 1 : 0; }
    void attach(base::IObject* object, base::IDestructor* disposer = nullptr) override;
    base::IObject* attached() const override { return attached_; }

    bool addFilter(IImageFilter* filter) override;
    bool insertFilter(int32_t index, IImageFilter* filter) override;
    int32_t indexOfFilter(int32_t filterId) const override;
    IImageFilter* filterAt(int32_t index) const override;
    int32_t filterCount() const override { return int32_t(filters_.length()); }
    bool removeFilterAt(int32_t index) override;
    void clearFilters() override;
    void clearFiltersWithoutDeleting() override;
    BufferedImage* filtered() override;

    // Frees the store, the attached object, the filtered image and the filters; all sizes 0.
    void reset() override;

private:
    // Takes a store of width x height from the Bitmap pool; null when it cannot be made.
    static bmp::win::Bitmap* makeStore(int32_t width, int32_t height);
    // Makes `store` (may be null) the pixel store; the logical size becomes the store's size.
    void adoptStore(bmp::win::Bitmap* store);
    void releaseStore();
    void disposeAttached();
    void dropFiltered();
    bool drawScaled(HDC target, int32_t x, int32_t y, int32_t width, int32_t height);

    bmp::win::Bitmap* store_;  // owned (pooled); null when the image has no pixels
    uint32_t* bits_;           // not owned: the store's memory
    int32_t width_;
    int32_t height_;
    int32_t pixelCount_;
    int32_t byteCount_;
    int32_t rowBytes_;
    int32_t allocatedWidth_;
    int32_t allocatedHeight_;
    int32_t allocatedPixelCount_;
    int32_t allocatedByteCount_;
    int32_t allocatedRowBytes_;
    base::IObject* attached_;              // owned; may be null
    base::IDestructor* attachedDisposer_;  // not owned; null = delete
    uint8_t transparent_;
    col::_array::ArrayP filters_;  // owns its IImageFilter elements (CleanerIObject)
    BufferedImage* filtered_;      // owned (pooled); null when not computed
};

}  // namespace s::image::win
