// Off-screen images: sizes and row addressing, growing with the picture kept,
// drawing with clipping (read back from a target image), images without pixels,
// the filter list, the pool, and GDI objects given back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

#include "foundation/base/IDestructor.h"
#include "foundation/base/IObject.h"
#include "image/IImageFilter.h"
#include "image/bmp/win/Bitmap.h"
#include "image/win/BufferedImage.h"
#include "support/ResourceCounts.h"

namespace {

using s::image::IBufferedImage;
using s::image::win::BufferedImage;

constexpr uint32_t MARKER = 0xFF123456;
constexpr uint32_t RGB_MASK = 0x00FFFFFF;

// A pixel that tells where it came from.
uint32_t patternPixel(int32_t x, int32_t y) {
    return 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x80;
}

void fill(IBufferedImage* image, uint32_t pixel, int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = image->rowAddress(y);
        for (int32_t x = 0; x < width; ++x) row[x] = pixel;
    }
}

void paintPattern(IBufferedImage* image) {
    for (int32_t y = 0; y < image->height(); ++y) {
        uint32_t* row = image->rowAddress(y);
        for (int32_t x = 0; x < image->width(); ++x) row[x] = patternPixel(x, y);
    }
}

bool hasPattern(const IBufferedImage* image, int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = image->rowAddress(y);
        for (int32_t x = 0; x < width; ++x)
            if (row[x] != patternPixel(x, y)) return false;
    }
    return true;
}

// A target image selected into a memory DC, for reading back what was drawn.
class Canvas {
public:
    Canvas(int32_t width, int32_t height) : image(BufferedImage::acquireSized(width, height)) {
        fill(image, MARKER, width, height);
        dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(dc, image->bitmapHandle());
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        image->release();
    }
    uint32_t at(int32_t x, int32_t y) {
        GdiFlush();
        return image->rowAddress(y)[x];
    }
    BufferedImage* image;  // owned
    HDC dc;                // owned
    HGDIOBJ previous;      // not owned: the DC's original bitmap
};

TEST(BufferedImage, CreateSetsSizesAndRowsRunBottomUp) {
    BufferedImage* image = BufferedImage::acquireSized(10, 5);
    ASSERT_NE(nullptr, image->bits());
    EXPECT_EQ(10, image->width());
    EXPECT_EQ(5, image->height());
    EXPECT_EQ(50, image->pixelCount());
    EXPECT_EQ(40, image->rowBytes());
    EXPECT_EQ(200, image->byteCount());
    auto* bits = reinterpret_cast<uint8_t*>(image->bits());
    EXPECT_EQ(bits + 4 * 40, reinterpret_cast<uint8_t*>(image->rowAddress(0)));
    EXPECT_EQ(bits, reinterpret_cast<uint8_t*>(image->rowAddress(4)));
    EXPECT_EQ(nullptr, image->rowAddress(5));
    EXPECT_EQ(nullptr, image->rowAddress(-1));
    EXPECT_NE(nullptr, image->bitmapHandle());
    EXPECT_STREQ(L"s_image_win_BufferedImage", image->getClassName());
    image->release();
}

TEST(BufferedImage, SetSizeChangesTheLogicalSizeOnly) {
    BufferedImage* image = BufferedImage::acquireSized(10, 5);
    uint32_t* bits = image->bits();
    image->setSize(4, 4);
    EXPECT_EQ(16, image->rowBytes());
    EXPECT_EQ(64, image->byteCount());
    EXPECT_EQ(bits, image->bits());
    EXPECT_EQ(40, reinterpret_cast<uint8_t*>(image->rowAddress(0)) - reinterpret_cast<uint8_t*>(image->rowAddress(1)));
    // Never beyond the store: walking width x height stays inside the memory.
    image->setSize(20, 20);
    EXPECT_EQ(10, image->width());
    EXPECT_EQ(5, image->height());
    image->release();
}

TEST(BufferedImage, EnsureSizeWithinTheStoreChangesNothing) {
    BufferedImage* image = BufferedImage::acquireSized(10, 5);
    image->setSize(6, 3);
    uint32_t* bits = image->bits();
    HBITMAP handle = image->bitmapHandle();
    EXPECT_TRUE(image->ensureSize(10, 5));
    EXPECT_TRUE(image->ensureSize(3, 2));
    EXPECT_EQ(bits, image->bits());
    EXPECT_EQ(handle, image->bitmapHandle());
    EXPECT_EQ(6, image->width());
    EXPECT_EQ(3, image->height());
    image->release();
}

TEST(BufferedImage, EnsureSizeGrowsKeepingThePictureTopLeft) {
    BufferedImage* image = BufferedImage::acquireSized(10, 5);
    paintPattern(image);
    ASSERT_TRUE(image->ensureSize(20, 10));
    EXPECT_EQ(20, image->allocatedWidth());
    EXPECT_EQ(10, image->allocatedHeight());
    EXPECT_EQ(10, image->width());
    EXPECT_EQ(5, image->height());
    EXPECT_TRUE(hasPattern(image, 10, 5));
    // The new part starts empty.
    EXPECT_EQ(0u, image->rowAddress(9)[19]);
    EXPECT_EQ(0u, image->rowAddress(0)[10]);
    image->release();
}

TEST(BufferedImage, EnsureSizeGrowingOneSideKeepsTheOther) {
    // Asking for a lower but wider store must not cut off rows of the picture.
    BufferedImage* image = BufferedImage::acquireSized(10, 5);
    paintPattern(image);
    ASSERT_TRUE(image->ensureSize(20, 3));
    EXPECT_EQ(20, image->allocatedWidth());
    EXPECT_EQ(5, image->allocatedHeight());
    EXPECT_TRUE(hasPattern(image, 10, 5));
    image->release();
}

TEST(BufferedImage, EnsureSizeOnAnEmptyImageMakesAStore) {
    BufferedImage* image = BufferedImage::acquire();
    ASSERT_TRUE(image->ensureSize(8, 4));
    EXPECT_EQ(8, image->allocatedWidth());
    EXPECT_EQ(4, image->allocatedHeight());
    EXPECT_EQ(0, image->width());  // the logical size stays what it was
    image->setSize(8, 4);
    EXPECT_EQ(8, image->width());
    image->release();
}

TEST(BufferedImage, DrawToClipsToTheLogicalSize) {
    BufferedImage* image = BufferedImage::acquireSized(10, 5);
    paintPattern(image);
    ASSERT_TRUE(image->ensureSize(20, 10));
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = (y < 5 ? 10 : 0); x < 20; ++x) image->rowAddress(y)[x] = 0xFFFFFFFF;

    Canvas canvas(30, 20);
    ASSERT_TRUE(image->drawTo(canvas.dc, 2, 3, 100, 100, false));
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 30; ++x) {
            const bool inside = x >= 2 && x < 12 && y >= 3 && y < 8;
            const uint32_t expected = inside ? patternPixel(x - 2, y - 3) : MARKER;
            ASSERT_EQ(expected & RGB_MASK, canvas.at(x, y) & RGB_MASK) << "at " << x << "," << y;
        }
    }
    image->release();
}

TEST(BufferedImage, ScaledDrawFillsTheAskedSize) {
    BufferedImage* image = BufferedImage::acquireSized(2, 1);
    image->rowAddress(0)[0] = 0xFF000000;
    image->rowAddress(0)[1] = 0xFFFFFFFF;
    Canvas canvas(10, 10);
    ASSERT_TRUE(image->drawTo(canvas.dc, 1, 1, 8, 4, true));
    for (int32_t y = 1; y < 5; ++y) {
        EXPECT_EQ(0x000000u, canvas.at(1, y) & RGB_MASK);
        EXPECT_EQ(0xFFFFFFu, canvas.at(8, y) & RGB_MASK);
        for (int32_t x = 2; x < 9; ++x) EXPECT_GE(canvas.at(x, y) & 0xFF, canvas.at(x - 1, y) & 0xFF);
    }
    EXPECT_EQ(MARKER & RGB_MASK, canvas.at(9, 1) & RGB_MASK);
    EXPECT_EQ(MARKER & RGB_MASK, canvas.at(1, 5) & RGB_MASK);
    EXPECT_EQ(MARKER & RGB_MASK, canvas.at(0, 0) & RGB_MASK);
    image->release();
}

TEST(BufferedImage, ImageWithoutPixelsNeverWrites) {
    Canvas canvas(4, 4);
    for (auto size : {std::pair<int32_t, int32_t>{0, 0}, {-3, 5}, {5, 0}, {100000, 100000}}) {
        BufferedImage* image = BufferedImage::acquireSized(size.first, size.second);
        ASSERT_NE(nullptr, image);
        EXPECT_EQ(nullptr, image->bits());
        EXPECT_EQ(nullptr, image->bitmapHandle());
        EXPECT_EQ(0, image->width());
        EXPECT_EQ(0, image->height());
        EXPECT_EQ(nullptr, image->rowAddress(0));
        EXPECT_FALSE(image->drawTo(canvas.dc, 0, 0, 4, 4, false));
        EXPECT_FALSE(image->drawTo(canvas.dc, 0, 0, 4, 4, true));
        image->release();
    }
    EXPECT_EQ(MARKER & RGB_MASK, canvas.at(0, 0) & RGB_MASK);
}

TEST(BufferedImage, FailedCreateEmptiesTheImage) {
    BufferedImage* image = BufferedImage::acquireSized(10, 5);
    EXPECT_FALSE(image->create(0, 7));
    EXPECT_EQ(nullptr, image->bits());
    EXPECT_EQ(0, image->allocatedWidth());
    EXPECT_EQ(0, image->width());
    EXPECT_TRUE(image->create(3, 3));
    EXPECT_EQ(3, image->width());
    image->release();
}

// Inverts the colours; counts its deletions.
class InvertFilter : public s::image::IImageFilter {
public:
    static int deleted;
    explicit InvertFilter(int32_t id = 7) : id_(id) {}
    ~InvertFilter() override { ++deleted; }
    const wchar_t* getClassName() const override { return L"s_test_InvertFilter"; }
    s::base::IObject* newInstance() const override { return new InvertFilter(id_); }
    int32_t filterId() const override { return id_; }
    bool apply(const IBufferedImage& source, IBufferedImage* target) override {
        if (!target->create(source.width(), source.height())) return false;
        for (int32_t y = 0; y < source.height(); ++y)
            for (int32_t x = 0; x < source.width(); ++x) target->rowAddress(y)[x] = source.rowAddress(y)[x] ^ RGB_MASK;
        return true;
    }

private:
    int32_t id_;
};
int InvertFilter::deleted = 0;

class FailingFilter : public InvertFilter {
public:
    FailingFilter() : InvertFilter(9) {}
    bool apply(const IBufferedImage&, IBufferedImage*) override { return false; }
};

TEST(BufferedImageFilters, FilteredAppliesTheListInOrder) {
    BufferedImage* image = BufferedImage::acquireSized(3, 2);
    paintPattern(image);
    EXPECT_EQ(nullptr, image->filtered());
    image->addFilter(new InvertFilter(1));
    IBufferedImage* once = image->filtered();
    ASSERT_NE(nullptr, once);
    EXPECT_EQ(patternPixel(2, 1) ^ RGB_MASK, once->rowAddress(1)[2]);
    image->addFilter(new InvertFilter(2));
    IBufferedImage* twice = image->filtered();
    ASSERT_NE(nullptr, twice);
    EXPECT_TRUE(hasPattern(twice, 3, 2));
    // Pixels painted since are seen by the next call.
    image->rowAddress(0)[0] = 0xFF000001;
    EXPECT_EQ(0xFF000001u, image->filtered()->rowAddress(0)[0]);
    image->release();
}

TEST(BufferedImageFilters, AFailingFilterEndsTheChainWithNothing) {
    BufferedImage* image = BufferedImage::acquireSized(3, 2);
    image->addFilter(new InvertFilter());
    image->addFilter(new FailingFilter());
    image->addFilter(new InvertFilter());
    EXPECT_EQ(nullptr, image->filtered());
    image->release();
}

TEST(BufferedImageFilters, ListOperationsFindInsertAndDeleteFilters) {
    InvertFilter::deleted = 0;
    BufferedImage* image = BufferedImage::acquireSized(3, 2);
    image->addFilter(new InvertFilter(1));
    image->addFilter(new InvertFilter(3));
    ASSERT_TRUE(image->insertFilter(1, new InvertFilter(2)));
    auto* refused = new InvertFilter(4);
    EXPECT_FALSE(image->insertFilter(9, refused));  // refused, so still ours
    delete refused;
    InvertFilter::deleted = 0;
    EXPECT_EQ(3, image->filterCount());
    EXPECT_EQ(1, image->indexOfFilter(2));
    EXPECT_EQ(2, image->indexOfFilter(3));
    EXPECT_EQ(-1, image->indexOfFilter(42));
    EXPECT_EQ(nullptr, image->filterAt(3));
    EXPECT_TRUE(image->removeFilterAt(0));
    EXPECT_EQ(1, InvertFilter::deleted);
    EXPECT_EQ(2, image->filterAt(0)->filterId());

    s::image::IImageFilter* kept = image->filterAt(0);
    s::image::IImageFilter* other = image->filterAt(1);
    image->clearFiltersWithoutDeleting();
    EXPECT_EQ(0, image->filterCount());
    EXPECT_EQ(1, InvertFilter::deleted);
    delete kept;
    delete other;

    image->addFilter(new InvertFilter(5));
    image->release();  // the pool's reset deletes the filters the image owns
    EXPECT_EQ(4, InvertFilter::deleted);
}

class CountedObject : public s::base::IObject {
public:
    static int deleted;
    ~CountedObject() override { ++deleted; }
    const wchar_t* getClassName() const override { return L"s_test_CountedObject"; }
    s::base::IObject* newInstance() const override { return new CountedObject(); }
};
int CountedObject::deleted = 0;

class RecordingDisposer : public s::base::IDestructor {
public:
    void destroy(void** ref) override {
        ++calls;
        delete static_cast<s::base::IObject*>(*ref);
        *ref = nullptr;
    }
    int calls = 0;
};

TEST(BufferedImagePool, ReleaseFreesEverythingTheImageOwns) {
    CountedObject::deleted = 0;
    RecordingDisposer disposer;
    BufferedImage* image = BufferedImage::acquireSized(4, 4);
    image->attach(new CountedObject());
    image->attach(new CountedObject(), &disposer);  // the first is deleted now
    EXPECT_EQ(1, CountedObject::deleted);
    image->setTransparent(true);
    image->addFilter(new InvertFilter());
    ASSERT_NE(nullptr, image->filtered());
    image->release();
    EXPECT_EQ(2, CountedObject::deleted);
    EXPECT_EQ(1, disposer.calls);

    BufferedImage* again = BufferedImage::acquire();
    ASSERT_EQ(image, again);
    EXPECT_EQ(nullptr, again->bits());
    EXPECT_EQ(0, again->width());
    EXPECT_EQ(0, again->allocatedWidth());
    EXPECT_FALSE(again->isTransparent());
    EXPECT_EQ(nullptr, again->attached());
    EXPECT_EQ(0, again->filterCount());
    again->release();
}

TEST(BufferedImagePool, ThousandImagesCreatedGrownAndReleasedLeaveNoGdiObjects) {
    auto cycle = [] {
        BufferedImage* images[50];
        for (int round = 0; round < 20; ++round) {
            for (auto& image : images) {
                image = BufferedImage::acquireSized(16, 8);
                image->ensureSize(40, 30);
                image->addFilter(new InvertFilter());
                image->filtered();
            }
            Canvas canvas(8, 8);
            images[0]->drawTo(canvas.dc, 0, 0, 8, 8, true);
            for (auto* image : images) image->release();
        }
    };
    cycle();
    const auto before = testing_resources::current();
    cycle();
    const auto after = testing_resources::current();
    EXPECT_EQ(before.gdi, after.gdi);
    EXPECT_EQ(before.kernel, after.kernel);
}

TEST(Bitmap, HeadersDescribeABottomUp32BitSection) {
    using s::image::bmp::win::Bitmap;
    Bitmap* bitmap = Bitmap::acquire();
    ASSERT_TRUE(bitmap->create(10, 5));
    const BITMAPINFOHEADER& info = bitmap->infoHeader();
    EXPECT_EQ(40u, info.biSize);
    EXPECT_EQ(10, info.biWidth);
    EXPECT_EQ(5, info.biHeight);
    EXPECT_EQ(1, info.biPlanes);
    EXPECT_EQ(32, info.biBitCount);
    EXPECT_EQ(DWORD(BI_RGB), info.biCompression);
    EXPECT_EQ(200u, info.biSizeImage);
    const BITMAPFILEHEADER& file = bitmap->fileHeader();
    EXPECT_EQ(19778, file.bfType);
    EXPECT_EQ(0, file.bfReserved1);
    EXPECT_EQ(0, file.bfReserved2);
    EXPECT_EQ(54u, file.bfOffBits);
    EXPECT_EQ(5u * 40u + 54u, file.bfSize);
    EXPECT_EQ(40, bitmap->rowBytes());
    EXPECT_NE(nullptr, bitmap->bits());
    EXPECT_STREQ(L"s_image_bmp_win_Bitmap", bitmap->getClassName());
    bitmap->release();
}

TEST(Bitmap, RowBytesArePaddedToWholeWords) {
    using s::image::bmp::win::Bitmap;
    EXPECT_EQ(40, Bitmap::rowBytesFor(10, 32));
    EXPECT_EQ(12, Bitmap::rowBytesFor(4, 24));
    EXPECT_EQ(16, Bitmap::rowBytesFor(5, 24));
    EXPECT_EQ(16, Bitmap::rowBytesFor(7, 16));
    EXPECT_EQ(4, Bitmap::rowBytesFor(1, 1));
    EXPECT_EQ(8, Bitmap::rowBytesFor(33, 1));
}

TEST(Bitmap, RefusesSizesAndDepthsItCannotHold) {
    using s::image::bmp::win::Bitmap;
    Bitmap* bitmap = Bitmap::acquire();
    EXPECT_FALSE(bitmap->create(0, 5));
    EXPECT_FALSE(bitmap->create(5, -5));
    EXPECT_FALSE(bitmap->create(5, 5, 8));
    EXPECT_FALSE(bitmap->create(70000, 70000));
    EXPECT_EQ(nullptr, bitmap->handle());
    EXPECT_EQ(0, bitmap->fileHeader().bfType);
    ASSERT_TRUE(bitmap->create(5, 3, 24));
    EXPECT_EQ(16, bitmap->rowBytes());
    EXPECT_EQ(48u, bitmap->infoHeader().biSizeImage);
    bitmap->release();
}

}  // namespace
