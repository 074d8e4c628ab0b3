#pragma once
// PaintedBox: a box that fills its window with its own background colour, so the
// main colour window's rows show the skin's body colour and the sample panel its
// background colour (a plain box leaves the window class's system colour).
//
// A click-through box answers its hit tests as transparent, so a press on it
// reaches the window beneath it and, at the top, the window's drag by body; the
// controls inside keep their clicks.
#include "foundation/thread/Pooled.h"
#include "gui/win/Box.h"

namespace s::image::gui::dialogs::huesnap {

class PaintedBox : public s::gui::win::Box {
    S_POOLED_CLASS(PaintedBox, L"s_image_gui_dialogs_huesnap_PaintedBox")

public:
    PaintedBox() = default;
    void reset() override;
    // Repaints at once when the box has a window.
    void setBackground(COLORREF colour) override;
    bool isClickThrough() const { return clickThrough_; }
    void setClickThrough(bool on) { clickThrough_ = on; }

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool clickThrough_ = false;
};

}  // namespace s::image::gui::dialogs::huesnap
