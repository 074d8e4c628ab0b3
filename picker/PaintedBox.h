#pragma once
// PaintedBox: a box that fills its window with its own background colour, so the
// main colour window's rows show the skin's body colour and the sample panel its
// background colour (a plain box leaves the window class's system colour).
#include "foundation/thread/Pooled.h"
#include "gui/win/Box.h"

namespace s::image::gui::dialogs::huesnap {

class PaintedBox : public s::gui::win::Box {
    S_POOLED_CLASS(PaintedBox, L"s_image_gui_dialogs_huesnap_PaintedBox")

public:
    PaintedBox() = default;
    // Repaints at once when the box has a window.
    void setBackground(COLORREF colour) override;

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace s::image::gui::dialogs::huesnap
