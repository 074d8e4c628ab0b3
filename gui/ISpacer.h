#pragma once
// ISpacer: an empty component that holds space in a layout. Its owner sets its
// minimum, preferred and current size; it shows only its background.
#include "gui/IComponent.h"

namespace s::gui {

class ISpacer : public IComponent {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_ISpacer";

    // Minimum, preferred and current size in one call.
    void setSpace(int minWidth, int minHeight, int prefWidth, int prefHeight, int width, int height) {
        setMinimumSize(minWidth, minHeight);
        setPreferredSize(prefWidth, prefHeight);
        setSize(width, height);
    }
    // A rigid spacer: every size is width x height.
    void setSpace(int width, int height) { setSpace(width, height, width, height, width, height); }
};

}  // namespace s::gui
