#pragma once
// ITextField: a one-line edit field.
#include "gui/IControl.h"

namespace s::gui {

class ITextField : public IControl {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_ITextField";
    static constexpr int CHANGED = 1;     // the text changed, when change notification is on
    static constexpr int FOCUS_LOST = 3;  // the field lost the keyboard focus
    static constexpr int PASTED = 2;      // a paste the owner takes instead of the field (see TextField)

    // Each character shows as '*'.
    virtual void setPassword(bool password) = 0;
    virtual bool isPassword() const = 0;
    virtual void setChangeNotification(bool notify) = 0;
    virtual bool isChangeNotification() const = 0;
    // From any thread: take the focus and select all the text.
    virtual void focusAndSelectAll() = 0;
};

}  // namespace s::gui
