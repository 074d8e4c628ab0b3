#pragma once
// ColorRole: the state of one colour role of the main window (the text colour or
// the background colour): the colour and the hue, saturation and lightness the
// user set.
//
// H, S and L are kept apart from the colour on purpose: whole degrees and
// percent cannot hold every colour, and a grey has no hue at all. Recomputing
// them from the colour after every slider or arrow edit would make the other
// sliders jump; so an edit changes one component and derives the colour from
// the three, and the update flags say which components a new colour may
// overwrite.
#include "image/color/ColorMath.h"

namespace s::image::gui::dialogs::huesnap {

// Which results of applying a colour are kept: the hex text is rewritten, and
// the hue, saturation and lightness computed from the colour replace the stored ones.
struct ColorUpdate {
    bool hex;
    bool hue;
    bool saturation;
    bool lightness;

    // The colour chooser and the first showing: everything follows the colour.
    static constexpr ColorUpdate all() { return ColorUpdate{true, true, true, true}; }
    // A slider or arrow edit: the components stay as the user set them.
    static constexpr ColorUpdate componentEdit() { return ColorUpdate{true, false, false, false}; }
    // A screen sample: a grey keeps the stored hue, so the hue slider does not jump to 0.
    static ColorUpdate sample(color::ColorValue colour) { return ColorUpdate{true, !color::isGrey(colour), true, true}; }
    // Typed hex digits: as a sample, but the field the user types in is left alone.
    static ColorUpdate typed(color::ColorValue colour) { return ColorUpdate{false, !color::isGrey(colour), true, true}; }
};

class ColorRole {
public:
    enum Component { HUE, SATURATION, LIGHTNESS };
    static constexpr int HUE_STEP = 3;
    static constexpr int PERCENT_STEP = 1;

    explicit ColorRole(color::ColorValue colour = 0) { apply(colour, ColorUpdate::all()); }

    color::ColorValue colour() const { return colour_; }
    int hue() const { return hue_; }
    int saturation() const { return saturation_; }
    int lightness() const { return lightness_; }
    int component(Component which) const;

    // Takes `colour`; the components whose flags are set are recomputed from it.
    void apply(color::ColorValue colour, ColorUpdate update);
    // A slider moved: the component takes the value (clamped to its range) and
    // the colour is made from the three components. False when nothing changed.
    bool setComponent(Component which, int value);
    // An arrow button: hue steps by 3 and wraps round the circle; saturation and
    // lightness step by 1 and stop at 0 and 100 (a step there does nothing).
    // False when nothing changed.
    bool step(Component which, bool increase);

private:
    void deriveColour();

    color::ColorValue colour_ = 0;
    int hue_ = 0;
    int saturation_ = 0;
    int lightness_ = 0;
};

}  // namespace s::image::gui::dialogs::huesnap
