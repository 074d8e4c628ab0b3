#pragma once
// AutoRepeat: the timer plan of a button that repeats its press while held.
//
// A press raises at once and starts the slow timer (500 ms). When the slow timer
// fires with the pointer inside, it raises again and gives way to the fast timer
// (100 ms), whose every tick with the pointer inside raises once more. Ticks
// with the pointer outside raise nothing but keep their timer, so moving back
// inside resumes the repeats. Releasing the button stops both timers.
//
// Pure: the button turns each step into SetTimer/KillTimer calls, so the plan is
// tested without a window or a clock.
#include <windows.h>

namespace s::gui::control {

class AutoRepeat {
public:
    static constexpr UINT_PTR SLOW_TIMER = 20001;
    static constexpr UINT_PTR FAST_TIMER = 20002;
    static constexpr UINT SLOW_DELAY_MS = 500;
    static constexpr UINT FAST_DELAY_MS = 100;

    // What the owner does for one event: kill a timer, start one, raise a press.
    struct Step {
        UINT_PTR killTimer = 0;   // 0: none
        UINT_PTR startTimer = 0;  // 0: none
        UINT intervalMs = 0;
        bool raise = false;
    };

    bool isRunning() const { return running_; }
    // The button went down: raise now and start the slow timer.
    Step press();
    // One of our timers fired; `inside` tells whether the pointer is over the button.
    // A timer firing while not running (a stale message) is killed.
    Step tick(UINT_PTR timer, bool inside);
    // The button went up (or the repeat is cancelled): both timers go.
    void release() { running_ = false; }
    static bool isOwnTimer(UINT_PTR timer) { return timer == SLOW_TIMER || timer == FAST_TIMER; }

private:
    bool running_ = false;
};

}  // namespace s::gui::control
