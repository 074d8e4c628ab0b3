#pragma once
// The basic text drawer: measures and paints texts with DrawText in the font
// the caller selected into the device context.
#include <windows.h>

#include <cstdint>

#include "foundation/thread/Pooled.h"
#include "gui/drawer/DrawerColours.h"
#include "gui/drawer/IText.h"

namespace s::gui::drawer::text::win {

class Basic : public DrawerColours<IText, IText::kColourCount> {
    S_POOLED_CLASS(Basic, L"s_gui_drawer_text_win_Basic")

public:
    Basic();
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;

    // Fills the rectangle with the background colour (nothing when transparent).
    void paint(HDC dc, int left, int top, int right, int bottom) override;
    bool measure(HDC dc, const wchar_t* text, int32_t count, SIZE* size) const override;
    void paintText(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count,
                   UINT format) override;
    void paintTextInColour(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count,
                           UINT format, COLORREF colour) override;

    bool isTransparent() const override { return transparent_; }
    void setTransparent(bool transparent) override { transparent_ = transparent; }

    // Black colours, opaque.
    void reset() override;

private:
    void drawText(HDC dc, int left, int top, int right, int bottom, const wchar_t* text, int32_t count, UINT format,
                  COLORREF colour);

    bool transparent_;
};

}  // namespace s::gui::drawer::text::win
