#pragma once
// The basic Image drawer: holds the colours the skin gives it and
// paints the element's plain box, a 1-pixel frame in kBackground over a fill in kBackground.
// Controls draw their details themselves.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/drawer/DrawerColours.h"
#include "gui/drawer/IImage.h"

namespace s::gui::drawer::image::win {

class Basic : public DrawerColours<IImage, IImage::kColourCount> {
    S_POOLED_CLASS(Basic, L"s_gui_drawer_image_win_Basic")

public:
    Basic() = default;
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;

    void paint(HDC dc, int left, int top, int right, int bottom) override;
    // Every colour black.
    void reset() override { clearColours(); }
};

}  // namespace s::gui::drawer::image::win
