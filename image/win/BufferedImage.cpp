#include "image/win/BufferedImage.h"

#include <cstring>

#include "foundation/base/IDestructor.h"
#include "foundation/cleaner/CleanerIObject.h"
#include "foundation/thread/EasyPooler.h"
#include "image/IImageFilter.h"
#include "image/bmp/win/Bitmap.h"
#include "image/scale/Bilinear.h"

namespace s::image::win {

S_POOLED_CLASS_IMPL(BufferedImage, BufferedImage::POOL_CAPACITY)

namespace {

constexpr int BITS_PER_PIXEL = 32;
constexpr int32_t BYTES_PER_PIXEL = 4;

int32_t smaller(int32_t a, int32_t b) {
    return a < b ? a : b;
}
int32_t larger(int32_t a, int32_t b) {
    return a > b ? a : b;
}

}  // namespace

BufferedImage* BufferedImage::acquireSized(int32_t width, int32_t height) {
    BufferedImage* image = acquire();
    if (image) image->create(width, height);
    return image;
}

BufferedImage::BufferedImage()
    : store_(nullptr),
      bits_(nullptr),
      width_(0),
      height_(0),
      pixelCount_(0),
      byteCount_(0),
      rowBytes_(0),
      allocatedWidth_(0),
      allocatedHeight_(0),
      allocatedPixelCount_(0),
      allocatedByteCount_(0),
      allocatedRowBytes_(0),
      attached_(nullptr),
      attachedDisposer_(nullptr),
      transparent_(0),
      filtered_(nullptr) {
    filters_.setDisposer(&cleaner::CleanerIObject::shared());
}

BufferedImage::~BufferedImage() {
    reset();
}

void BufferedImage::reset() {
    releaseStore();
    adoptStore(nullptr);
    disposeAttached();
    // Inside this class's pool lock: the filtered image is deleted, not released to the pool.
    delete filtered_;
    filtered_ = nullptr;
    transparent_ = 0;
    filters_.disposeAll();
}

bmp::win::Bitmap* BufferedImage::makeStore(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return nullptr;
    bmp::win::Bitmap* store = bmp::win::Bitmap::acquire();
    if (!store) return nullptr;
    if (!store->create(width, height, BITS_PER_PIXEL)) {
        store->release();
        return nullptr;
    }
    return store;
}

void BufferedImage::adoptStore(bmp::win::Bitmap* store) {
    store_ = store;
    bits_ = store ? static_cast<uint32_t*>(store->bits()) : nullptr;
    allocatedWidth_ = store ? store->width() : 0;
    allocatedHeight_ = store ? store->height() : 0;
    allocatedPixelCount_ = allocatedWidth_ * allocatedHeight_;
    allocatedByteCount_ = allocatedPixelCount_ * BYTES_PER_PIXEL;
    allocatedRowBytes_ = allocatedWidth_ * BYTES_PER_PIXEL;
    setSize(allocatedWidth_, allocatedHeight_);
}

void BufferedImage::releaseStore() {
    if (store_) store_->release();
    store_ = nullptr;
    bits_ = nullptr;
}

HBITMAP BufferedImage::bitmapHandle() const {
    return store_ ? store_->handle() : nullptr;
}

uint32_t* BufferedImage::rowAddress(int32_t y) {
    if (!bits_ || y < 0 || y >= allocatedHeight_) return nullptr;
    // Bottom-up storage: the top row on screen is the last one in memory.
    return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(bits_) +
                                       size_t(allocatedHeight_ - y - 1) * size_t(allocatedRowBytes_));
}

const uint32_t* BufferedImage::rowAddress(int32_t y) const {
    return const_cast<BufferedImage*>(this)->rowAddress(y);
}

void BufferedImage::setSize(int32_t width, int32_t height) {
    width_ = larger(0, smaller(width, allocatedWidth_));
    height_ = larger(0, smaller(height, allocatedHeight_));
    pixelCount_ = width_ * height_;
    byteCount_ = pixelCount_ * BYTES_PER_PIXEL;
    rowBytes_ = width_ * BYTES_PER_PIXEL;
}

bool BufferedImage::create(int32_t width, int32_t height) {
    releaseStore();
    bmp::win::Bitmap* store = makeStore(width, height);
    adoptStore(store);
    return store != nullptr;
}

bool BufferedImage::ensureSize(int32_t width, int32_t height) {
    if (allocatedWidth_ >= width && allocatedHeight_ >= height) return true;
    // Never narrower or lower than the old store, so every old row fits the new one.
    bmp::win::Bitmap* store = makeStore(larger(width, allocatedWidth_), larger(height, allocatedHeight_));
    if (!store) return false;

    const int32_t keptWidth = width_;
    const int32_t keptHeight = height_;
    const int32_t keptRowBytes = rowBytes_;
    bmp::win::Bitmap* oldStore = store_;
    const uint8_t* oldBits = reinterpret_cast<const uint8_t*>(bits_);
    const int32_t oldHeight = allocatedHeight_;
    const size_t oldRowBytes = size_t(allocatedRowBytes_);

    adoptStore(store);
    if (oldStore) {
        for (int32_t i = 0; i < keptHeight; ++i)
            std::memcpy(rowAddress(i), oldBits + size_t(oldHeight - i - 1) * oldRowBytes, size_t(keptRowBytes));
        oldStore->release();
    }
    setSize(keptWidth, keptHeight);
    return true;
}

bool BufferedImage::drawTo(HDC target, int32_t x, int32_t y, int32_t width, int32_t height, bool scaled) {
    if (!store_ || !target || width <= 0 || height <= 0) return false;
    if (scaled) return drawScaled(target, x, y, width, height);
    width = smaller(width, width_);
    height = smaller(height, height_);
    if (width <= 0 || height <= 0) return false;

    HDC memory = CreateCompatibleDC(nullptr);
    if (!memory) return false;
    HGDIOBJ previous = SelectObject(memory, store_->handle());
    bool drawn = false;
    if (previous && previous != HGDI_ERROR) {
        drawn = BitBlt(target, x, y, width, height, memory, 0, 0, SRCCOPY) != 0;
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    return drawn;
}

bool BufferedImage::drawScaled(HDC target, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (width_ <= 0 || height_ <= 0) return false;
    BufferedImage* copy = acquireSized(width, height);
    if (!copy) return false;
    const bool drawn =
        copy->bits() && scale::scaleBilinear(*this, copy) && copy->drawTo(target, x, y, width, height, false);
    copy->release();
    return drawn;
}

void BufferedImage::attach(base::IObject* object, base::IDestructor* disposer) {
    if (object == attached_) {
        attachedDisposer_ = disposer;
        return;
    }
    disposeAttached();
    attached_ = object;
    attachedDisposer_ = disposer;
}

void BufferedImage::disposeAttached() {
    if (attached_) {
        base::IDestructor& disposer = attachedDisposer_ ? *attachedDisposer_ : cleaner::CleanerIObject::shared();
        void* slot = attached_;
        disposer.destroy(&slot);
    }
    attached_ = nullptr;
    attachedDisposer_ = nullptr;
}

void BufferedImage::dropFiltered() {
    if (filtered_) filtered_->release();
    filtered_ = nullptr;
}

bool BufferedImage::addFilter(IImageFilter* filter) {
    if (!filter) return false;
    dropFiltered();
    return filters_.addObject(filter);
}

bool BufferedImage::insertFilter(int32_t index, IImageFilter* filter) {
    if (!filter || index < 0 || uint32_t(index) > filters_.length()) return false;
    dropFiltered();
    void* element = static_cast<base::IObject*>(filter);
    return filters_.insert(uint32_t(index), &element, 1);
}

int32_t BufferedImage::indexOfFilter(int32_t filterId) const {
    for (uint32_t i = 0; i < filters_.length(); ++i) {
        if (filterAt(int32_t(i))->filterId() == filterId) return int32_t(i);
    }
    return -1;
}

IImageFilter* BufferedImage::filterAt(int32_t index) const {
    if (index < 0 || uint32_t(index) >= filters_.length()) return nullptr;
    return filters_.getAs<IImageFilter>(uint32_t(index));
}

bool BufferedImage::removeFilterAt(int32_t index) {
    if (index < 0 || uint32_t(index) >= filters_.length()) return false;
    dropFiltered();
    void* element = filters_.get(uint32_t(index));
    filters_.removeRange(uint32_t(index), 1);
    cleaner::CleanerIObject::shared().destroy(&element);
    return true;
}

void BufferedImage::clearFilters() {
    dropFiltered();
    filters_.disposeAll();
}

void BufferedImage::clearFiltersWithoutDeleting() {
    dropFiltered();
    filters_.clear();
}

BufferedImage* BufferedImage::filtered() {
    // Always from the current pixels: a result kept from an earlier call could be stale.
    dropFiltered();
    const IBufferedImage* source = this;
    BufferedImage* result = nullptr;
    for (uint32_t i = 0; i < filters_.length(); ++i) {
        BufferedImage* next = acquire();
        const bool produced = next && filterAt(int32_t(i))->apply(*source, next);
        if (result) result->release();
        result = nullptr;
        if (!produced) {
            if (next) next->release();
            break;
        }
        result = next;
        source = result;
    }
    filtered_ = result;
    return filtered_;
}

}  // namespace s::image::win
