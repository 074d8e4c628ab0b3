#pragma once
// Input the way a person gives it: the pointer and the keys go through
// SendInput into the system's input queue, so the program under test sees the
// same messages (hit tests, activation, capture, menus) as for a real mouse and
// keyboard. Points are screen coordinates.
#include <windows.h>

#include <string>

namespace testing_program {

enum class MouseButton { Left, Right, Middle };

// Moves the pointer to `at` and waits until the system reports it there.
bool movePointer(POINT at);
// Moves the pointer to the screen's bottom-left corner, where no window opens.
// Under Wine a pointer move is now and then lost before the next click; a pointer
// left on a closed window's close glyph would then end the next copy, which opens
// in the same place.
bool parkPointer();
void pressButton(MouseButton button);
void releaseButton(MouseButton button);
// Moves to `at`, then presses and releases the button there. A click of the
// same button near the last one waits out the double-click time first, so the
// program sees two separate clicks, as from a person at a normal pace.
bool click(POINT at, MouseButton button = MouseButton::Left);
// The same without that wait: a second click in quick succession (which the
// system may report as a double click).
bool clickAtOnce(POINT at, MouseButton button = MouseButton::Left);
// Presses the left button at `from`, moves to `to` in small steps (as a hand
// would, so the program sees a run of moves) and releases it there.
bool drag(POINT from, POINT to);

void keyDown(WORD virtualKey);
void keyUp(WORD virtualKey);
void pressKey(WORD virtualKey, int times = 1);
// Types every character as a Unicode key stroke (no keyboard layout involved).
void typeText(const std::wstring& text);

// Holds an Alt key (the left one unless told) until released, even if a check
// fails on the way.
class AltKeyHeld {
public:
    explicit AltKeyHeld(WORD key = VK_LMENU) : key_(key) { keyDown(key_); }
    ~AltKeyHeld() { keyUp(key_); }
    // Presses it again if the system forgot it. Under Wine a focus change makes
    // the system re-read the X keyboard, which never saw a key given by
    // SendInput; on a slow machine that can land after the press. A real hand
    // keeps the key down, so this only undoes the harness's artefact.
    void keepDown() const {
        if ((GetAsyncKeyState(key_) & 0x8000) == 0) keyDown(key_);
    }
    AltKeyHeld(const AltKeyHeld&) = delete;
    AltKeyHeld& operator=(const AltKeyHeld&) = delete;

private:
    WORD key_;
};

}  // namespace testing_program
