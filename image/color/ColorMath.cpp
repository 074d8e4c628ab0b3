#include "image/color/ColorMath.h"

#include <cwchar>

namespace s {
namespace image {
namespace color {

namespace {

const double kOneThird = 1.0 / 3.0;
const double kTwoThirds = 2.0 / 3.0;

// The hue in sixths of the circle (may be negative), for a colour with max != min.
// Red is tested first, then green, so ties between channels favour red, then green.
double hueSixths(double r, double g, double b, double max, double d) {
    if (r == max) return (g - b) / d;
    if (g == max) return (b - r) / d + 2.0;
    return (r - g) / d + 4.0;
}

int hexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

void putHex(wchar_t* out, unsigned value, int digits, const wchar_t* alphabet) {
    for (int i = digits - 1; i >= 0; --i) {
        out[i] = alphabet[value & 0xF];
        value >>= 4;
    }
}

}  // namespace

void rgbToHsl(int red, int green, int blue, std::int32_t* hue, std::int32_t* saturation, std::int32_t* lightness) {
    const double r = red / 255.0, g = green / 255.0, b = blue / 255.0;
    const double max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const double min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const double l = (max + min) * 0.5;
    double h = 0.0, s = 0.0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2.0 - max - min);
        h = hueSixths(r, g, b, max, d) / 6.0;
        if (h < 0.0) h += 1.0;
    }
    std::int32_t degrees = std::int32_t(h * 360.0);
    while (degrees < 0) degrees += 360;
    while (degrees >= 360) degrees -= 360;
    *hue = degrees;
    *saturation = std::int32_t(s * 100.0);
    *lightness = std::int32_t(l * 100.0);
}

HslTriple rgbToHsl(ColorValue value) {
    HslTriple hsl;
    rgbToHsl(redOf(value), greenOf(value), blueOf(value), &hsl.hue, &hsl.saturation, &hsl.lightness);
    return hsl;
}

double hueToChannel(double p, double q, double t) {
    if (t < 0.0) t += 1.0;
    if (t > 1.0) t -= 1.0;
    if (6.0 * t < 1.0) return p + (q - p) * 6.0 * t;
    if (2.0 * t < 1.0) return q;
    if (3.0 * t < 2.0) return p + (q - p) * (kTwoThirds - t) * 6.0;
    return p;
}

void hslToRgb(int hue, int saturation, int lightness, int* red, int* green, int* blue) {
    const double s = saturation / 100.0, l = lightness / 100.0, h = hue / 360.0;
    double r = l, g = l, b = l;
    if (s != 0.0) {
        const double q = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
        const double p = 2.0 * l - q;
        r = hueToChannel(p, q, h + kOneThird);
        g = hueToChannel(p, q, h);
        b = hueToChannel(p, q, h - kOneThird);
    }
    *red = int(r * 255.0);
    *green = int(g * 255.0);
    *blue = int(b * 255.0);
}

ColorValue hslToRgb(const HslTriple& hsl) {
    int red = 0, green = 0, blue = 0;
    hslToRgb(hsl.hue, hsl.saturation, hsl.lightness, &red, &green, &blue);
    return makeColor(red, green, blue);
}

HexText formatHex(ColorValue value) {
    HexText text;
    const wchar_t* upper = L"0123456789ABCDEF";
    putHex(text.digits, unsigned(redOf(value)), 2, upper);
    putHex(text.digits + 2, unsigned(greenOf(value)), 2, upper);
    putHex(text.digits + 4, unsigned(blueOf(value)), 2, upper);
    text.digits[6] = L'\0';
    return text;
}

bool parseHex(const wchar_t* text, ColorValue* value) {
    if (!text || std::wcslen(text) != 6) return false;
    int digits[6];
    for (int i = 0; i < 6; ++i) {
        digits[i] = hexDigitValue(text[i]);
        if (digits[i] < 0) return false;
    }
    *value = makeColor(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
    return true;
}

SwatchName swatchName(ColorValue value) {
    SwatchName name;
    const wchar_t prefix[] = L"#Color-";
    const int prefixLength = int(sizeof(prefix) / sizeof(prefix[0])) - 1;
    std::wmemcpy(name.text, prefix, prefixLength);
    putHex(name.text + prefixLength, value, 8, L"0123456789abcdef");
    name.text[prefixLength + 8] = L'\0';
    return name;
}

}  // namespace color
}  // namespace image
}  // namespace s
