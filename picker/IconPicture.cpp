#include "picker/IconPicture.h"

#include "image/win/BufferedImage.h"
#include "image/win/BufferedImageSet.h"

namespace s::image::gui::dialogs::huesnap {

image::win::BufferedImageSet* iconPicture(HICON icon, int size) {
    if (!icon) return nullptr;
    image::win::BufferedImage* frame = image::win::BufferedImage::acquireSized(size, size);
    if (!frame) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ before = memory && frame->bitmapHandle() ? SelectObject(memory, frame->bitmapHandle()) : nullptr;
    if (before) {
        DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        SelectObject(memory, before);
    }
    if (memory) DeleteDC(memory);
    frame->setTransparent(true);
    image::win::BufferedImageSet* picture = image::win::BufferedImageSet::acquire();
    if (!picture) {
        frame->release();
        return nullptr;
    }
    picture->addFrame(frame, 0);
    return picture;
}

}  // namespace s::image::gui::dialogs::huesnap
