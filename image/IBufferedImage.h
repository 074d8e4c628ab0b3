#pragma once
// An off-screen image: a pixel store that can be created, grown keeping its
// pixels, shown at a smaller logical size, copied onto a device context, and run
// through a list of filters.
#include <windows.h>

#include <cstdint>

#include "image/IImageBuffer.h"

namespace s::base {
class IDestructor;
}

namespace s::image {

class IImageFilter;

class IBufferedImage : public IImageBuffer {
public:
    // The pixel store's bitmap, for SelectObject; null when there is none.
    virtual HBITMAP bitmapHandle() const = 0;
    // The size of the pixel store (never smaller than the logical size).
    virtual int32_t allocatedWidth() const = 0;
    virtual int32_t allocatedHeight() const = 0;

    // Changes only the logical size (kept within the store); the pixels stay.
    virtual void setSize(int32_t width, int32_t height) = 0;
    // Grows the store to hold width x height, keeping the picture at the top left
    // and the logical size. False when a needed new store could not be made (the
    // image is then unchanged).
    virtual bool ensureSize(int32_t width, int32_t height) = 0;
    // A new store of exactly width x height, logical size the same. False (and an
    // empty image) when it could not be made.
    virtual bool create(int32_t width, int32_t height) = 0;
    // Copies the image (clipped to its logical size) onto `target` at x, y. With
    // `scaled` the image is first scaled to width x height. False when nothing could
    // be drawn (no pixels, empty area, GDI failure).
    virtual bool drawTo(HDC target, int32_t x, int32_t y, int32_t width, int32_t height, bool scaled) = 0;

    // Holds pixels whose alpha is not 0xFF.
    virtual bool isTransparent() const = 0;
    virtual void setTransparent(bool transparent) = 0;
    // Gives the image an object to own; the previous one is disposed of. `disposer`
    // null means the object is deleted.
    virtual void attach(base::IObject* object, base::IDestructor* disposer = nullptr) = 0;
    virtual base::IObject* attached() const = 0;

    // The filter list owns its filters (deleted when removed or cleared). Any change
    // to the list drops the filtered image.
    virtual bool addFilter(IImageFilter* filter) = 0;
    virtual bool insertFilter(int32_t index, IImageFilter* filter) = 0;
    // The index of the first filter with that id, or -1.
    virtual int32_t indexOfFilter(int32_t filterId) const = 0;
    virtual IImageFilter* filterAt(int32_t index) const = 0;
    virtual int32_t filterCount() const = 0;
    virtual bool removeFilterAt(int32_t index) = 0;
    virtual void clearFilters() = 0;
    // Empties the list without deleting the filters (their owner is someone else now).
    virtual void clearFiltersWithoutDeleting() = 0;
    // The image with every filter applied in list order, owned by this image until
    // the next call or list change. Null when there are no filters or one failed.
    virtual IBufferedImage* filtered() = 0;
};

}  // namespace s::image
