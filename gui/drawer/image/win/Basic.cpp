#include "gui/drawer/image/win/Basic.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/win/BoxPainter.h"

namespace s::gui::drawer::image::win {

S_POOLED_CLASS_IMPL(Basic, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

void Basic::paint(HDC dc, int left, int top, int right, int bottom) {
    ::s::gui::drawer::win::paintBox(dc, left, top, right, bottom, getColour(kBackground), true, getColour(kBackground));
}

}  // namespace s::gui::drawer::image::win
