#include "image/color/Contrast.h"

#include <cmath>

namespace s {
namespace image {
namespace color {

namespace {

// sRGB channel to linear light, with the 0.04045 threshold of the WCAG 2 definition.
double linearChannel(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

void putDigits(wchar_t* out, int* at, int value, int minimumDigits) {
    wchar_t reversed[12];
    int count = 0;
    do {
        reversed[count++] = wchar_t(L'0' + value % 10);
        value /= 10;
    } while (value > 0 || count < minimumDigits);
    while (count > 0) out[(*at)++] = reversed[--count];
}

double ratioAtLightness(int hue, int saturation, int lightness, ColorValue other) {
    return Contrast::ratio(hslToRgb(HslTriple{hue, saturation, lightness}), other);
}

}  // namespace

double Contrast::luminance(ColorValue colour) {
    return 0.2126 * linearChannel(redOf(colour)) + 0.7152 * linearChannel(greenOf(colour)) +
           0.0722 * linearChannel(blueOf(colour));
}

double Contrast::ratio(ColorValue first, ColorValue second) {
    const double a = luminance(first), b = luminance(second);
    return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05);
}

Contrast::Grades Contrast::grade(double ratio) {
    return Grades{ratio >= AA_NORMAL, ratio >= AA_LARGE, ratio >= AAA_NORMAL, ratio >= AAA_LARGE};
}

int Contrast::hundredths(double ratio) {
    // floor, not round: a 4.499 must never read as 4.50. The ratio of two 8-bit
    // colours is never within 1e-9 of a hundredth boundary from below by accident.
    return ratio <= 0.0 ? 0 : int(std::floor(ratio * 100.0));
}

Contrast::RatioText Contrast::format(double ratio) {
    RatioText result;
    const int value = hundredths(ratio);
    int at = 0;
    putDigits(result.text, &at, value / 100, 1);
    result.text[at++] = L'.';
    putDigits(result.text, &at, value % 100, 2);
    result.text[at++] = L':';
    result.text[at++] = L'1';
    result.text[at] = L'\0';
    return result;
}

bool Contrast::nearestLightness(int hue, int saturation, int lightness, ColorValue other, double target,
                                int* found) {
    for (int distance = 0; distance <= LIGHTNESS_MAX; ++distance) {
        const int lower = lightness - distance, upper = lightness + distance;
        const double lowerRatio = lower >= 0 && lower <= LIGHTNESS_MAX ? ratioAtLightness(hue, saturation, lower, other) : 0.0;
        const double upperRatio = upper >= 0 && upper <= LIGHTNESS_MAX ? ratioAtLightness(hue, saturation, upper, other) : 0.0;
        if (lowerRatio < target && upperRatio < target) continue;
        *found = upperRatio >= target && upperRatio >= lowerRatio ? upper : lower;
        return true;
    }
    return false;
}

}  // namespace color
}  // namespace image
}  // namespace s
