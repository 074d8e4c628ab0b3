#include "gui/drawer/text/win/Basic.h"

#include <cwchar>

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/win/DcRectSink.h"

namespace s::gui::drawer::text::win {

S_POOLED_CLASS_IMPL(Basic, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// DrawText takes an int count; -1 means "up to the terminator" for both.
int codeUnits(const wchar_t* text, int32_t count) {
    return count < 0 ? int(wcslen(text)) : int(count);
}

}  // namespace

Basic::Basic() : transparent_(false) {}

void Basic::reset() {
    clearColours();
    transparent_ = false;
}

void Basic::paint(HDC dc, int left, int top, int right, int bottom) {
    if (!dc || transparent_) return;
    ::s::gui::drawer::win::DcRectSink sink(dc);
    sink.fillRect(left, top, right - left, bottom - top, getColour(kBackground));
}

bool Basic::measure(HDC dc, const wchar_t* text, int32_t count, SIZE* size) const {
    if (!size) return false;
    size->cx = size->cy = 0;
    if (!dc || !text) return false;
    const int n = codeUnits(text, count);
    if (n == 0) return true;
    // DT_CALCRECT widens the rectangle to the longest line and adds every line's height.
    RECT box = {0, 0, 0, 0};
    if (!DrawTextW(dc, text, n, &box, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP)) return false;
    size->cx = box.right - box.left;
    size->cy = box.bottom - box.top;
    return true;
}

void Basic::paintText(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count,
                      UINT format) {
    if (!dc || right <= left || bottom <= top) return;
    paint(dc, left, top, right, bottom);
    drawText(dc, left, top, right, bottom, text, count, format, getColour(kText));
}

void Basic::paintTextInColour(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count,
                              UINT format, COLORREF colour) {
    if (!dc || right <= left || bottom <= top) return;
    drawText(dc, left, top, right, bottom, text, count, format, colour);
}

void Basic::drawText(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count, UINT format,
                     COLORREF colour) {
    if (!text) return;
    const int n = codeUnits(text, count);
    if (n == 0) return;
    // The caller's DC state is put back: the same DC paints other elements next.
    const COLORREF savedColour = SetTextColor(dc, colour);
    const int savedMode = SetBkMode(dc, TRANSPARENT);
    RECT box = {left, top, right, bottom};
    DrawTextW(dc, text, n, &box, format);
    SetBkMode(dc, savedMode);
    SetTextColor(dc, savedColour);
}

}  // namespace s::gui::drawer::text::win
