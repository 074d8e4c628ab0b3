#include "gui/control/AutoRepeat.h"

namespace s::gui::control {

AutoRepeat::Step AutoRepeat::press() {
    running_ = true;
    Step step;
    step.startTimer = SLOW_TIMER;
    step.intervalMs = SLOW_DELAY_MS;
    step.raise = true;
    return step;
}

AutoRepeat::Step AutoRepeat::tick(UINT_PTR timer, bool inside) {
    Step step;
    if (!running_) {
        step.killTimer = timer;
        return step;
    }
    if (!inside) return step;  // paused until the pointer is back
    step.raise = true;
    if (timer == SLOW_TIMER) {
        step.killTimer = SLOW_TIMER;
        step.startTimer = FAST_TIMER;
        step.intervalMs = FAST_DELAY_MS;
    }
    return step;
}

}  // namespace s::gui::control
