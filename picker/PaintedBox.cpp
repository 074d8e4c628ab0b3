#include "picker/PaintedBox.h"

#include "foundation/thread/EasyPooler.h"

namespace s::image::gui::dialogs::huesnap {

S_POOLED_CLASS_IMPL(PaintedBox, thread::EasyPooler::NO_CAPACITY)

void PaintedBox::setBackground(COLORREF colour) {
    Box::setBackground(colour);
    if (getHandle()) InvalidateRect(getHandle(), nullptr, TRUE);
}

LRESULT PaintedBox::windowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_ERASEBKGND) return Box::windowProc(msg, wp, lp);
    RECT client = {};
    GetClientRect(getHandle(), &client);
    HBRUSH brush = CreateSolidBrush(getBackground());
    if (!brush) return Box::windowProc(msg, wp, lp);
    FillRect(reinterpret_cast<HDC>(wp), &client, brush);
    DeleteObject(brush);
    return 1;
}

}  // namespace s::image::gui::dialogs::huesnap
