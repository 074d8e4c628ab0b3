#include "gui/win/ControlPaint.h"

#include "gui/drawer/win/DcRectSink.h"
#include "gui/win/MemDC.h"
#include "image/win/BufferedImage.h"

namespace s::gui::win {

bool ControlPaint::paintBuffered(HWND hwnd, HDC target, PaintFunction paint, void* context) {
    RECT client;
    if (!hwnd || !target || !GetClientRect(hwnd, &client)) return false;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return false;
    image::win::BufferedImage* image = image::win::BufferedImage::acquireSized(width, height);
    if (!image) return false;
    MemDC* memory = MemDC::acquireFor(hwnd, image, true);  // owns the image from here on
    if (!memory) return false;
    paint(context, memory->handle(), width, height);
    const bool copied = BitBlt(target, 0, 0, width, height, memory->handle(), 0, 0, SRCCOPY) != 0;
    memory->release();
    return copied;
}

void ControlPaint::fill(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    drawer::win::DcRectSink sink(dc);
    sink.fillRect(x, y, width, height, colour);
}

void ControlPaint::drawText(HDC dc, const wchar_t* text, RECT box, HFONT font, COLORREF colour, UINT format) {
    if (!text || !*text) return;
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    const COLORREF oldColour = SetTextColor(dc, colour);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text, -1, &box, format);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    if (oldFont) SelectObject(dc, oldFont);
}

SIZE ControlPaint::measureText(const wchar_t* text, HFONT font) {
    SIZE size = {0, 0};
    if (!text || !*text) return size;
    MeasuringDc measuring(font);
    if (!measuring.get()) return size;
    RECT box = {0, 0, 0, 0};
    if (DrawTextW(measuring.get(), text, -1, &box, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP)) {
        size.cx = box.right - box.left;
        size.cy = box.bottom - box.top;
    }
    return size;
}

MeasuringDc::MeasuringDc(HFONT font) : dc_(CreateCompatibleDC(nullptr)), oldFont_(nullptr) {
    if (dc_ && font) oldFont_ = SelectObject(dc_, font);
}

MeasuringDc::~MeasuringDc() {
    if (!dc_) return;
    if (oldFont_) SelectObject(dc_, oldFont_);  // the font is the caller's: never deleted with the DC
    DeleteDC(dc_);
}

}  // namespace s::gui::win
