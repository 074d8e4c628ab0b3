#include "picker/ColorRole.h"

#include <cstdint>

namespace s::image::gui::dialogs::huesnap {

namespace {
constexpr int HUE_COUNT = 360;
constexpr int PERCENT_MAX = 100;

int clampTo(int value, int maximum) { return value < 0 ? 0 : value > maximum ? maximum : value; }
}  // namespace

int ColorRole::component(Component which) const {
    return which == HUE ? hue_ : which == SATURATION ? saturation_ : lightness_;
}

void ColorRole::apply(color::ColorValue colour, ColorUpdate update) {
    colour_ = colour;
    // Results that must not be kept go to a scratch place.
    std::int32_t scratch = 0, hue = hue_, saturation = saturation_, lightness = lightness_;
    color::rgbToHsl(color::redOf(colour), color::greenOf(colour), color::blueOf(colour),
                    update.hue ? &hue : &scratch, update.saturation ? &saturation : &scratch,
                    update.lightness ? &lightness : &scratch);
    hue_ = hue;
    saturation_ = saturation;
    lightness_ = lightness;
}

void ColorRole::deriveColour() {
    colour_ = color::hslToRgb(color::HslTriple{hue_, saturation_, lightness_});
}

bool ColorRole::setComponent(Component which, int value) {
    int& slot = which == HUE ? hue_ : which == SATURATION ? saturation_ : lightness_;
    const int clamped = clampTo(value, which == HUE ? HUE_COUNT - 1 : PERCENT_MAX);
    if (slot == clamped) return false;
    slot = clamped;
    deriveColour();
    return true;
}

bool ColorRole::step(Component which, bool increase) {
    if (which == HUE) {
        const int next = hue_ + (increase ? HUE_STEP : -HUE_STEP);
        return setComponent(HUE, (next + HUE_COUNT) % HUE_COUNT);
    }
    const int current = component(which);
    if (increase ? current >= PERCENT_MAX : current <= 0) return false;
    return setComponent(which, current + (increase ? PERCENT_STEP : -PERCENT_STEP));
}

}  // namespace s::image::gui::dialogs::huesnap
