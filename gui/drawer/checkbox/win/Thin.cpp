#include "gui/drawer/checkbox/win/Thin.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/win/BoxPainter.h"

namespace s::gui::drawer::checkbox::win {

S_POOLED_CLASS_IMPL(Thin, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

void Thin::paint(HDC dc, int left, int top, int right, int bottom) {
    ::s::gui::drawer::win::paintBox(dc, left, top, right, bottom, getColour(kBox), false, 0);
}

}  // namespace s::gui::drawer::checkbox::win
