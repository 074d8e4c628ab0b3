#pragma once
// IButton: a push button, or a glyph button whose text names a picture the
// skin paints ("#Left", "#Color-000000FF", "#Resizer" ...). It can toggle, repeat
// its press while held, and be its window's default button.
#include "gui/IControl.h"

namespace s::gui {

class IButton : public IControl {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IButton";
    // Event kinds.
    static constexpr int CLICKED = 1;      // the system button reported a click (or a double click)
    static constexpr int AFTER_CLICK = 2;  // after a click, once the toggle state is updated
    static constexpr int PRESSED = 3;      // left button down inside, and each auto-repeat tick

    // A text beginning with "#": the glyph the button drawer paints. The button
    // becomes owner-painted.
    virtual bool setGlyphText(const wchar_t* glyph) = 0;
    // Painted by the toolkit (button drawer) instead of the system.
    virtual void setOwnerPainted(bool ownerPainted) = 0;
    virtual bool isOwnerPainted() const = 0;

    // A toggle button flips its state on each click. One that cannot be released
    // stays on once on, and lets clicks through to what lies below.
    virtual void setToggleMode(bool toggle) = 0;
    virtual bool isToggleMode() const = 0;
    virtual void setReleasable(bool releasable) = 0;
    virtual bool isReleasable() const = 0;
    virtual void setToggled(bool toggled) = 0;
    virtual bool isToggled() const = 0;
    // Paint the toggle state the other way round.
    virtual void setToggleShownInverted(bool inverted) = 0;

    // Holding the button raises PRESSED again after 500 ms and then every 100 ms.
    virtual void setAutoRepeat(bool repeat) = 0;
    virtual bool isAutoRepeat() const = 0;

    // From any thread: make it (or stop it being) the default push button.
    virtual void setDefault(bool isDefault) = 0;
    virtual bool isDefault() const = 0;

    // 0 none, 1 hover, 2 pressed.
    virtual int getHoverState() const = 0;
};

}  // namespace s::gui
