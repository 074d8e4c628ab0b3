#include "gui/win/Font.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::win {

// Holds a GDI font: a released one is always deleted.
S_POOLED_CLASS_IMPL(Font, s::thread::EasyPooler::NO_CAPACITY)

bool Font::create(const LOGFONTW& description) {
    reset();
    font_ = CreateFontIndirectW(&description);
    return font_ != nullptr;
}

void Font::reset() {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

}  // namespace s::gui::win
