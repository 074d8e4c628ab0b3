#include "picker/ButtonText.h"

#include <windows.h>

#include "gui/win/Button.h"
#include "gui/win/ControlPaint.h"
#include "gui/win/Dpi.h"
#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"

namespace s::image::gui::dialogs::huesnap {

void fitButtonToText(s::gui::win::Button* button, const s::gui::win::FontSetting* widest, int plannedWidth) {
    HWND hwnd = button ? button->getHandle() : nullptr;
    if (hwnd) fitButtonToText(button, widest, plannedWidth, s::gui::win::Dpi::forWindow(hwnd));
}

void fitButtonToText(s::gui::win::Button* button, const s::gui::win::FontSetting* widest, int plannedWidth, int dpi) {
    if (!button) return;
    HWND hwnd = button->getHandle();
    if (!widest) widest = button->getFontSetting();
    if (!widest && !hwnd) return;
    s::gui::win::Font* font = widest ? widest->createFont() : nullptr;  // for this measuring only
    HFONT measured = font ? font->handle() : reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    const SIZE text = s::gui::win::ControlPaint::measureText(button->getText(), measured);
    if (font) font->release();
    const int needed = int(text.cx) + 2 * s::gui::win::Dpi::scale(BUTTON_TEXT_INSET, dpi);
    button->setMinimumSize(needed > plannedWidth ? needed : plannedWidth, button->getMinimumHeight());
}

}  // namespace s::image::gui::dialogs::huesnap
