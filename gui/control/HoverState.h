#pragma once
// HoverState: the hover state of buttons and link labels, 0 none, 1 hover,
// 2 pressed, and what it asks of the mouse capture.
//
// Hovering takes the capture so the control sees the pointer leave; leaving
// gives it back. While the button is held the capture stays (the system control
// tracks the press with it, and a release outside must still reach us), only
// the state shows the pointer is away. After a release the pointer may still be
// inside: the control then takes the capture again, since the press tracking
// gave it up.
//
// A press can also be cut short: the capture goes to another window, the mode
// is cancelled (WM_CANCELMODE), or the control is disabled while held. Nothing
// would ever report the release then, so the control forgets the press at once
// instead of showing it pressed (and repeating it) until some later click.
//
// Pure: the control carries out the capture requests.
namespace s::gui::control {

class HoverState {
public:
    enum : int { NONE = 0, HOVER = 1, PRESSED = 2 };

    struct Change {
        bool changed = false;  // the state is different: repaint
        bool takeCapture = false;
        bool releaseCapture = false;
    };

    int state() const { return state_; }
    bool isPressed() const { return pressed_; }

    // The pointer moved; `inside` tells whether it is over the control.
    Change move(bool inside);
    // The left button went down inside.
    Change press();
    // The left button went up; `inside` as for move.
    Change release(bool inside);
    // The capture went elsewhere while not pressed: nothing is hovered any more.
    Change captureLost();
    // The press or hover was cut short: not pressed, nothing hovered, capture given back.
    Change cancel();
    // Back to none, not pressed (the control gives the capture back itself).
    void clear() {
        state_ = NONE;
        pressed_ = false;
    }

private:
    Change setState(int state);

    int state_ = NONE;
    bool pressed_ = false;
};

}  // namespace s::gui::control
