#pragma once
// The basic GroupBox drawer: holds the colours the skin gives it and
// paints the element's plain box, a 1-pixel frame in kLine.
// Controls draw their details themselves.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/drawer/DrawerColours.h"
#include "gui/drawer/IGroupBox.h"

namespace s::gui::drawer::groupbox::win {

class Basic : public DrawerColours<IGroupBox, IGroupBox::kColourCount> {
    S_POOLED_CLASS(Basic, L"s_gui_drawer_groupbox_win_Basic")

public:
    Basic() = default;
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;

    void paint(HDC dc, int left, int top, int right, int bottom) override;
    // Every colour black.
    void reset() override { clearColours(); }
};

}  // namespace s::gui::drawer::groupbox::win
