#pragma once
// The thin button drawer: a 1-pixel frame for plain buttons and the glyph
// pictures of buttons whose text begins with "#".
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/drawer/DrawerColours.h"
#include "gui/drawer/IButton.h"

namespace s::gui::drawer::button::win {

class Thin : public DrawerColours<IButton, IButton::kColourCount> {
    S_POOLED_CLASS(Thin, L"s_gui_drawer_button_win_Thin")

public:
    Thin() = default;
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    void paint(HDC dc, int left, int top, int right, int bottom) override;
    bool paintGlyph(HDC dc, int left, int top, int right, int bottom, const wchar_t* name, int red, int green,
                    int blue, int dpi = 96) override;
    // Every colour black.
    void reset() override { clearColours(); }
};

}  // namespace s::gui::drawer::button::win
