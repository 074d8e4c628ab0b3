#include "gui/drawer/button/win/Thin.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/button/Glyphs.h"
#include "gui/drawer/win/BoxPainter.h"
#include "gui/drawer/win/DcRectSink.h"

namespace s::gui::drawer::button::win {

S_POOLED_CLASS_IMPL(Thin, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

void Thin::paint(HDC dc, int left, int top, int right, int bottom) {
    if (!dc) return;
    ::s::gui::drawer::win::paintBox(dc, left, top, right, bottom, getColour(kLine), false, 0);
}

bool Thin::paintGlyph(HDC dc, int left, int top, int right, int bottom, const wchar_t* name, int red, int green,
                      int blue, int dpi) {
    if (!dc) return false;
    ::s::gui::drawer::win::DcRectSink sink(dc);
    return ::s::gui::drawer::button::paintGlyph(sink, name, left, top, right, bottom, RGB(red, green, blue), dpi);
}

}  // namespace s::gui::drawer::button::win
