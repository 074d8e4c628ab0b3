#include "gui/control/JumpToClick.h"

#include <cmath>

namespace s::gui::control {

int JumpToClick::position(int point, int channelStart, int channelEnd, int minimum, int maximum) {
    const int length = channelEnd - channelStart;
    if (length <= 0 || maximum <= minimum) return minimum;
    // In double: (point - start) x (max - min) may not fit 32 bits.
    const double exact =
        double(minimum) + double(point - channelStart) / double(length) * (double(maximum) - double(minimum));
    if (exact <= double(minimum)) return minimum;
    if (exact >= double(maximum)) return maximum;
    return int(std::lround(exact));
}

}  // namespace s::gui::control
