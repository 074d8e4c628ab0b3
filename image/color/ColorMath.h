#pragma once
// Colour values and their conversions between the 0x00BBGGRR integer, hue /
// saturation / lightness and the six-digit hex text.
//
// All arithmetic is in double precision and every real-to-integer conversion
// truncates toward zero; nothing rounds to nearest. The numbers the user sees
// on the sliders and in the hex field depend on exactly that, so a round trip
// may lose one unit per channel (grey 128 gives L 50, which gives back 127).
//
// The main colour window and the slider drawer's hue/saturation/lightness
// gradients both use these, so they live in the imaging library below both.
#include <cstdint>

namespace s {
namespace image {
namespace color {

// Laid out as the Windows COLORREF: red in bits 0-7, green 8-15, blue 16-23.
typedef std::uint32_t ColorValue;

struct HslTriple {
    std::int32_t hue;         // whole degrees, 0..359
    std::int32_t saturation;  // whole percent, 0..100
    std::int32_t lightness;   // whole percent, 0..100
};

inline int redOf(ColorValue value) {
    return int(value & 0xFF);
}
inline int greenOf(ColorValue value) {
    return int((value >> 8) & 0xFF);
}
inline int blueOf(ColorValue value) {
    return int((value >> 16) & 0xFF);
}
inline ColorValue makeColor(int red, int green, int blue) {
    return ColorValue(red & 0xFF) | ColorValue(green & 0xFF) << 8 | ColorValue(blue & 0xFF) << 16;
}
// A grey has no hue of its own: callers keep the hue they had.
inline bool isGrey(ColorValue value) {
    return redOf(value) == greenOf(value) && greenOf(value) == blueOf(value);
}

// Channels 0..255 in. Each output has its own destination so a caller can send
// any of them to a scratch variable instead of its stored value.
void rgbToHsl(int red, int green, int blue, std::int32_t* hue, std::int32_t* saturation, std::int32_t* lightness);
HslTriple rgbToHsl(ColorValue value);

void hslToRgb(int hue, int saturation, int lightness, int* red, int* green, int* blue);
ColorValue hslToRgb(const HslTriple& hsl);

// One channel of the HSL-to-RGB conversion for the hue position t.
double hueToChannel(double p, double q, double t);

// Six upper-case digits RRGGBB and a terminating NUL, no "#".
struct HexText {
    wchar_t digits[7];
};
HexText formatHex(ColorValue value);

// Exactly six hex digits (either case); anything else fails and leaves *value alone.
bool parseHex(const wchar_t* text, ColorValue* value);

// "#Color-" and the whole value as eight lower-case hex digits: the skin draws
// a button with this image name as a flat swatch of that colour.
struct SwatchName {
    wchar_t text[16];
};
SwatchName swatchName(ColorValue value);

}  // namespace color
}  // namespace image
}  // namespace s
