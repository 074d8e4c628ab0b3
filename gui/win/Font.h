#pragma once
// Font: a pooled owner of one GDI font. Creating again replaces (and deletes) the
// font it held; releasing the object deletes its font.
#include <windows.h>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::gui::win {

class Font : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Font, L"s_gui_win_Font")

public:
    Font() = default;
    ~Font() override { reset(); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Makes the GDI font for `description`; false (and no font) on failure.
    bool create(const LOGFONTW& description);
    HFONT handle() const { return font_; }
    // Deletes the font.
    void reset() override;

private:
    HFONT font_ = nullptr;  // owned: DeleteObject
};

}  // namespace s::gui::win
