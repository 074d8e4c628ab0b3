#pragma once
// IControl: what every control (button, label, image, slider, text field, check
// box, radio button) has beyond a component: a text or a text id, a
// transparent background, and listener lists per event kind it raises.
//
// Texts: a text id other than NO_TEXT_ID is looked up in the localiser given to
// the control (setLocalizer) when its native window is created, and the text
// found replaces the text. Without a localiser the text stays as set.
//
// Events: listeners are called with onEvent(control, kind) front to back; each
// control's interface names the kinds it raises, and others are refused.
#include "gui/IComponent.h"

namespace s::lang {
class Localizer;
}

namespace s::gui {

class IControl : public IComponent {
public:
    static constexpr int NO_TEXT_ID = -1;

    // Stores the text (null counts as ""); a created control shows it. False when
    // it could not be stored.
    virtual bool setText(const wchar_t* text) = 0;
    // Never null.
    virtual const wchar_t* getText() const = 0;
    virtual void setTextId(int id) = 0;
    virtual int getTextId() const = 0;
    // Not owned; the texts of the running program's language pack.
    virtual void setLocalizer(lang::Localizer* localizer) = 0;

    // Paint with the parent's background colour, or with none at all without a parent.
    virtual void setTransparent(bool transparent) = 0;
    virtual bool isTransparent() const = 0;

    // Listener (not owned) of one event kind; false for a kind the control does not raise.
    virtual bool addListener(int kind, events::IEventListener* listener) = 0;
    virtual bool removeListener(int kind, events::IEventListener* listener) = 0;
    virtual int getListenerCount(int kind) const = 0;
};

}  // namespace s::gui
