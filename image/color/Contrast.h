#pragma once
// Contrast: how readable one colour is on another, as the WCAG 2 contrast ratio,
// and the lightness change that makes a pair readable.
//
// The ratio is compared with the thresholds unrounded; what people read is the
// ratio cut (never rounded up) to two decimals, so a pair that fails a threshold
// can never show that threshold's number.
#include <cstdint>

#include "image/color/ColorMath.h"

namespace s {
namespace image {
namespace color {

class Contrast {
public:
    static constexpr double AA_NORMAL = 4.5;
    static constexpr double AA_LARGE = 3.0;
    static constexpr double AAA_NORMAL = 7.0;
    static constexpr double AAA_LARGE = 4.5;
    static constexpr int LIGHTNESS_MAX = 100;

    // Pass or fail of the four text criteria.
    struct Grades {
        bool aaNormal;
        bool aaLarge;
        bool aaaNormal;
        bool aaaLarge;
    };

    // "21.00:1": whole part, '.', two decimals, ":1", NUL.
    struct RatioText {
        wchar_t text[16];
    };

    // WCAG 2 relative luminance, 0 (black) to 1 (white).
    static double luminance(ColorValue colour);
    // (lighter + 0.05) / (darker + 0.05): 1 to 21, the same either way round.
    static double ratio(ColorValue first, ColorValue second);
    static Grades grade(double ratio);
    // The ratio in hundredths, cut toward zero: 4.499 gives 449.
    static int hundredths(double ratio);
    static RatioText format(double ratio);

    // The lightness (0..100, with `hue` and `saturation` kept, converted as the
    // sliders convert) nearest to `lightness` at which the colour reaches `target`
    // against `other`. Of two equally near, the one with the higher ratio. False,
    // and *found untouched, when no lightness reaches it.
    static bool nearestLightness(int hue, int saturation, int lightness, ColorValue other, double target,
                                 int* found);
};

}  // namespace color
}  // namespace image
}  // namespace s
