#pragma once
// The drawer of skinned windows: paints a window's background and thin frame
// into its back buffer and gives the window its shape.
//
// Corner styles, for the top and the bottom end separately: 0 square,
// 1 small rounding, 2 large rounding.
#include <windows.h>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class IWindow : public IDrawer {
public:
    enum Colour {
        kBackground = 0,  // the window's fill
        kFrame = 1,       // the 1-pixel frame and its corner runs
        kShade = 2,       // further colours, for the window's own parts
        kLine = 3,
        kDetail = 4,
        kSubText = 5,  // sub-colours, for the title bar
        kSubShade = 6,
        kSubFill = 7,
        kColourCount = 8
    };

    // Background (unless transparent) and frame for the rectangle (left, top)-(right,
    // bottom) of `dc`; nothing when it is empty.
    void paint(HDC dc, int left, int top, int right, int bottom) override = 0;
    // A new region for the window's shape, owned by the caller (hand it to
    // SetWindowRgn); null when the corner styles are not 0, 1 or 2.
    virtual HRGN region(int left, int top, int right, int bottom) const = 0;
    // As paint and region for a window shown at `dpi`: the frame and its corners are
    // design units. A drawer without its own scaled look paints the plain one.
    virtual void paintAt(HDC dc, int left, int top, int right, int bottom, int /*dpi*/) {
        paint(dc, left, top, right, bottom);
    }
    virtual HRGN regionAt(int left, int top, int right, int bottom, int /*dpi*/) const {
        return region(left, top, right, bottom);
    }

    virtual COLORREF getBackground() const = 0;
    virtual void setBackground(COLORREF colour) = 0;
    virtual COLORREF getFrame() const = 0;
    virtual void setFrame(COLORREF colour) = 0;
    // A transparent window drawer paints no background.
    virtual bool isTransparent() const = 0;
    virtual void setTransparent(bool transparent) = 0;
    virtual int getTopStyle() const = 0;
    virtual void setTopStyle(int style) = 0;
    virtual int getBottomStyle() const = 0;
    virtual void setBottomStyle(int style) = 0;
};

}  // namespace s::gui::drawer
