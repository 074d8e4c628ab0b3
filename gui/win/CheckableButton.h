#pragma once
// CheckableButton<Interface>: what check boxes and radio buttons share, a system
// button of a checking style whose check state is pushed with BM_SETCHECK at
// creation and read back when the system reports a click (then CLICKED, 1, is
// raised). Their colours follow the button rule (Control::answerColour).
#include <windows.h>

#include "gui/win/Control.h"

namespace s::gui::win {

template <class Interface>
class CheckableButton : public Control<Interface> {
public:
    static constexpr int CONTROL_ID = 1003;
    static constexpr int CLICKED = 1;

    void setChecked(bool checked) override {
        checked_ = checked;
        if (this->isBound()) this->send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    // A created button answers with the native state: the system unchecks the
    // other radio buttons of a group by itself.
    bool isChecked() const override { return this->isBound() ? this->send(BM_GETCHECK) == BST_CHECKED : checked_; }

protected:
    CheckableButton() : Control<Interface>(events::ListenerLists::bit(CLICKED)) {}

    bool createChecking(DWORD style, HWND parent) {
        if (this->isBound()) return true;
        if (!this->createNative(0, L"BUTTON", nullptr, style, CONTROL_ID, parent)) return false;
        this->send(BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED);
        this->placeCreated();
        return true;
    }
    void resetChecking() {
        this->resetControl();
        checked_ = false;
    }
    bool handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
        if (msg != WM_APP_CLICKED && msg != WM_APP_DOUBLE_CLICKED) return false;
        checked_ = this->send(BM_GETCHECK) == BST_CHECKED;
        this->raise(CLICKED);
        *result = 0;
        return true;
    }

private:
    bool checked_ = false;
};

}  // namespace s::gui::win
