#include "gui/control/HoverState.h"

namespace s::gui::control {

HoverState::Change HoverState::setState(int state) {
    Change change;
    change.changed = state != state_;
    state_ = state;
    return change;
}

HoverState::Change HoverState::move(bool inside) {
    if (inside) {
        if (state_ != NONE) return Change();
        Change change = setState(pressed_ ? PRESSED : HOVER);
        change.takeCapture = !pressed_;
        return change;
    }
    if (state_ == NONE) return Change();
    Change change = setState(NONE);
    change.releaseCapture = !pressed_;
    return change;
}

HoverState::Change HoverState::press() {
    pressed_ = true;
    return setState(PRESSED);
}

HoverState::Change HoverState::release(bool inside) {
    pressed_ = false;
    Change change = setState(inside ? HOVER : NONE);
    change.takeCapture = inside;
    change.releaseCapture = !inside;
    return change;
}

HoverState::Change HoverState::captureLost() {
    if (pressed_) return Change();
    return setState(NONE);
}

HoverState::Change HoverState::cancel() {
    pressed_ = false;
    Change change = setState(NONE);
    change.releaseCapture = true;
    return change;
}

}  // namespace s::gui::control
