#pragma once
// The thin window drawer: a flat background, a 1-pixel frame and corners that
// are square or rounded at the top and the bottom end separately. The skin
// makes it with both corner styles 0; a window asks for rounding itself.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/drawer/DrawerColours.h"
#include "gui/drawer/IWindow.h"

namespace s::gui::drawer::window::win {

class Thin : public DrawerColours<IWindow, IWindow::kColourCount> {
    S_POOLED_CLASS(Thin, L"s_gui_drawer_window_win_Thin")

public:
    Thin();
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    void paint(HDC dc, int left, int top, int right, int bottom) override;
    HRGN region(int left, int top, int right, int bottom) const override;
    void paintAt(HDC dc, int left, int top, int right, int bottom, int dpi) override;
    HRGN regionAt(int left, int top, int right, int bottom, int dpi) const override;

    COLORREF getBackground() const override { return getColour(kBackground); }
    void setBackground(COLORREF colour) override { setColour(kBackground, colour); }
    COLORREF getFrame() const override { return getColour(kFrame); }
    void setFrame(COLORREF colour) override { setColour(kFrame, colour); }
    bool isTransparent() const override { return transparent_; }
    void setTransparent(bool transparent) override { transparent_ = transparent; }
    int getTopStyle() const override { return topStyle_; }
    void setTopStyle(int style) override { topStyle_ = style; }
    int getBottomStyle() const override { return bottomStyle_; }
    void setBottomStyle(int style) override { bottomStyle_ = style; }

    // Black colours, opaque, square corners.
    void reset() override;

private:
    static constexpr int DESIGN_DPI = 96;

    bool transparent_;
    int topStyle_;
    int bottomStyle_;
};

}  // namespace s::gui::drawer::window::win
