#include "image/gif/win/Gif.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "foundation/thread/EasyPooler.h"
#include "image/win/BufferedImage.h"
#include "image/win/ResourceBytes.h"

namespace s::image::gif::win {

S_POOLED_CLASS_IMPL(Gif, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

using image::win::BufferedImage;

constexpr size_t HEADER_SIZE = 13;  // signature, screen size, flags, background, aspect
constexpr uint32_t BACKGROUND_BLACK = 0x000000;
constexpr uint32_t BACKGROUND_WHITE = 0xFFFFFF;
constexpr uint32_t RGB_MASK = 0x00FFFFFF;
constexpr uint32_t ALPHA_OPAQUE = 0xFF000000u;

bool hasGifSignature(const uint8_t* bytes, size_t size) {
    return size >= HEADER_SIZE && (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0);
}

// The picture loader may need COM on this thread; it is set up for the call and
// taken down again only when this call set it up.
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (initialised_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

typedef HRESULT(WINAPI* LoadPictureFn)(LPSTREAM, LONG, BOOL, REFIID, LPVOID*);

// The picture loader of oleaut32.dll, loaded on the first GIF: no picture the
// program shows at start is a GIF, and the library costs every start its pages.
// It stays loaded: pictures it made may still be in use. Null when it is missing.
LoadPictureFn pictureLoader() {
    static const LoadPictureFn loader = [] {
        const HMODULE library = LoadLibraryW(L"oleaut32.dll");
        return library ? reinterpret_cast<LoadPictureFn>(
                             reinterpret_cast<void*>(GetProcAddress(library, "OleLoadPicture")))
                       : nullptr;
    }();
    return loader;
}

// A picture made from a copy of the bytes, or null.
IPicture* loadPicture(const uint8_t* bytes, size_t size) {
    const LoadPictureFn loader = pictureLoader();
    if (!loader) return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    void* copy = GlobalLock(memory);
    if (!copy) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(copy, bytes, size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream)) || !stream) {
        GlobalFree(memory);
        return nullptr;
    }
    IPicture* picture = nullptr;
    const HRESULT loaded = loader(stream, LONG(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    return SUCCEEDED(loaded) ? picture : nullptr;
}

// The picture's size in pixels, from its bitmap.
bool pixelSize(IPicture* picture, int32_t* width, int32_t* height) {
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return false;
    if (FAILED(picture->get_Handle(&handle)) || !handle) return false;
    BITMAP info;
    if (GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof info, &info) != sizeof info)
        return false;
    *width = info.bmWidth;
    *height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    return *width > 0 && *height > 0;
}

void fill(BufferedImage* image, uint32_t pixel) {
    for (int32_t y = 0; y < image->height(); ++y) {
        uint32_t* row = image->rowAddress(y);
        for (int32_t x = 0; x < image->width(); ++x) row[x] = pixel;
    }
}

// Paints the picture over a plain background; its transparent pixels keep the background.
bool renderOver(IPicture* picture, BufferedImage* image, uint32_t background) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return false;
    fill(image, background);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return false;
    HGDIOBJ previous = SelectObject(dc, image->bitmapHandle());
    bool rendered = false;
    if (previous && previous != HGDI_ERROR) {
        // Source rectangles are in HIMETRIC, bottom-up: start at the height, go up.
        rendered =
            SUCCEEDED(picture->Render(dc, 0, 0, image->width(), image->height(), 0, height, width, -height, nullptr));
        GdiFlush();
        SelectObject(dc, previous);
    }
    DeleteDC(dc);
    return rendered;
}

// Pixels that differ between the render over black and the one over white are
// transparent; the others are the picture's own colour.
void mergeRenders(BufferedImage* overBlack, const BufferedImage* overWhite) {
    bool transparent = false;
    for (int32_t y = 0; y < overBlack->height(); ++y) {
        uint32_t* dark = overBlack->rowAddress(y);
        const uint32_t* light = overWhite->rowAddress(y);
        for (int32_t x = 0; x < overBlack->width(); ++x) {
            if ((dark[x] & RGB_MASK) == (light[x] & RGB_MASK)) {
                dark[x] = ALPHA_OPAQUE | (dark[x] & RGB_MASK);
            } else {
                dark[x] = 0;
                transparent = true;
            }
        }
    }
    overBlack->setTransparent(transparent);
}

BufferedImage* imageOf(IPicture* picture) {
    int32_t width = 0;
    int32_t height = 0;
    if (!pixelSize(picture, &width, &height)) return nullptr;
    BufferedImage* image = BufferedImage::acquireSized(width, height);
    BufferedImage* overWhite = BufferedImage::acquireSized(width, height);
    const bool rendered = image && overWhite && image->bits() && overWhite->bits() &&
                          renderOver(picture, image, BACKGROUND_BLACK) &&
                          renderOver(picture, overWhite, BACKGROUND_WHITE);
    if (rendered) mergeRenders(image, overWhite);
    if (overWhite) overWhite->release();
    if (rendered) return image;
    if (image) image->release();
    return nullptr;
}

}  // namespace

BufferedImage* Gif::decode(const uint8_t* bytes, size_t size) {
    if (!bytes || !hasGifSignature(bytes, size) || size > 0x7FFFFFFF) return nullptr;
    ComScope com;
    IPicture* picture = loadPicture(bytes, size);
    if (!picture) return nullptr;
    BufferedImage* image = imageOf(picture);
    picture->Release();
    return image;
}

BufferedImage* Gif::decodeResource(const wchar_t* type, int id, HMODULE module) {
    const image::win::ResourceBytes resource = image::win::ResourceBytes::find(type, id, module);
    return resource.empty() ? nullptr : decode(resource.data, resource.size);
}

}  // namespace s::image::gif::win
