// image_bench.exe: what pooling and reusing off-screen images costs or saves.
// A window's back buffer grows rarely and is reused; a button face is a fresh
// image from the pool each time.
#include <windows.h>

#include "bench/harness/Bench.h"
#include "image/win/BufferedImage.h"

namespace {

using s::image::win::BufferedImage;

HBITMAP plainSection(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

int main() {
    const bench::Result pooled = bench::measure(L"BufferedImage 120x30 from the pool + release", 2000, [] {
        BufferedImage* image = BufferedImage::acquireSized(120, 30);
        bench::keep(image->bits());
        image->release();
    });
    const bench::Result plain = bench::measure(L"bare CreateDIBSection 120x30 + DeleteObject", 2000, [] {
        HBITMAP section = plainSection(120, 30);
        bench::keep(section);
        DeleteObject(section);
    });
    bench::printRatio(pooled, plain);

    BufferedImage* backBuffer = BufferedImage::acquireSized(640, 480);
    const bench::Result reuse = bench::measure(L"back buffer: ensureSize within + setSize", 100000, [&] {
        backBuffer->ensureSize(600, 400);
        backBuffer->setSize(600, 400);
    });
    const bench::Result grow = bench::measure(L"back buffer: grow 640x480 -> 800x600 keeping pixels", 200, [&] {
        backBuffer->create(640, 480);
        backBuffer->ensureSize(800, 600);
    });
    bench::printRatio(reuse, grow);

    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP targetBitmap = plainSection(800, 600);
    HGDIOBJ previous = SelectObject(target, targetBitmap);
    backBuffer->create(640, 480);
    const bench::Result draw =
        bench::measure(L"drawTo 640x480", 200, [&] { backBuffer->drawTo(target, 0, 0, 640, 480, false); });
    const bench::Result scaled = bench::measure(L"drawTo 640x480 scaled to 800x600", 20,
                                                [&] { backBuffer->drawTo(target, 0, 0, 800, 600, true); });
    bench::printRatio(scaled, draw);
    SelectObject(target, previous);
    DeleteObject(targetBitmap);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    backBuffer->release();
    return 0;
}
