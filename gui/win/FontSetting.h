#pragma once
// FontSetting: a font description (a LOGFONT) plus a foreground and a background
// colour, and the size code it was last given. Components keep one and hand out
// pooled Font objects made from it.
//
// Defaults: 8-point-like "MS Shell Dlg 2" (height -13, weight 400, ClearType),
// both colours 0xEEEEEE. On Windows 6.0 and later the face and metrics come from
// the theme's message-box font of the "WINDOW" class when UxTheme answers.
#include <windows.h>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::gui::win {

class Font;

class FontSetting : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(FontSetting, L"s_gui_win_FontSetting")

public:
    FontSetting() { reset(); }

    // Back to the defaults (the theme font where there is one).
    void reset() override;

    const LOGFONTW& getLogFont() const { return logFont_; }
    // A description measured at the setting's current DPI.
    void setLogFont(const LOGFONTW& logFont) {
        logFont_ = logFont;
        baseHeight_ = logFont.lfHeight;
        baseDpi_ = dpi_;
        points_ = 0;
    }
    COLORREF getForeground() const { return foreground_; }
    void setForeground(COLORREF colour) { foreground_ = colour; }
    COLORREF getBackground() const { return background_; }
    void setBackground(COLORREF colour) { background_ = colour; }

    // Applies a font size code (see FontSizeCode.h): weight and point size, each unless
    // kept. A code that changes nothing is still remembered. False when it changed nothing.
    bool setSizeCode(int code);
    int getSizeCode() const { return sizeCode_; }
    void setKeepWeight(bool keep) { keepWeight_ = keep; }
    void setKeepSize(bool keep) { keepSize_ = keep; }
    // Sets the height of a font of `points` points at the setting's DPI.
    void setPointSize(int points);
    // The DPI the font is made for: the window's that shows it. A new setting has the
    // system DPI (the screen's, which the theme font is measured at too). Changing it
    // scales the height from the size first set, so going back gives the same height.
    int getDpi() const { return dpi_; }
    void setDpi(int dpi);

    // A pooled Font made from this setting, owned by the caller; null on failure.
    Font* createFont() const;
    // Makes `font` from this setting again (re-creating its GDI font); false on failure.
    bool createFontInto(Font* font) const;

private:
    void setDefaults();
    bool copyThemeFont();

    LOGFONTW logFont_;
    // The height as set at `baseDpi_`; lfHeight is it scaled to dpi_. A height that
    // came from a point size (points_ > 0) is made from the points at each DPI instead.
    LONG baseHeight_;
    int points_;
    int baseDpi_, dpi_;
    COLORREF foreground_, background_;
    int sizeCode_;
    bool keepWeight_, keepSize_;
};

}  // namespace s::gui::win
