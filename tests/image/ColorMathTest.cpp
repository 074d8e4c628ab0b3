// Colour conversions: the exact numbers the sliders and the hex field show.
#include "image/color/ColorMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace s::image::color;

namespace {

HslTriple hsl(int r, int g, int b) {
    return rgbToHsl(makeColor(r, g, b));
}

void expectHsl(int r, int g, int b, int h, int s, int l) {
    HslTriple got = hsl(r, g, b);
    EXPECT_EQ(h, got.hue) << r << "," << g << "," << b;
    EXPECT_EQ(s, got.saturation) << r << "," << g << "," << b;
    EXPECT_EQ(l, got.lightness) << r << "," << g << "," << b;
}

void expectRgb(int h, int s, int l, int r, int g, int b) {
    ColorValue got = hslToRgb(HslTriple{h, s, l});
    EXPECT_EQ(makeColor(r, g, b), got) << h << "/" << s << "/" << l << " gave " << redOf(got) << "," << greenOf(got)
                                       << "," << blueOf(got);
}

}  // namespace

TEST(ColorValueLayout, ChannelsFollowColorref) {
    ColorValue v = makeColor(0x12, 0x34, 0x56);
    EXPECT_EQ(0x00563412u, v);
    EXPECT_EQ(0x12, redOf(v));
    EXPECT_EQ(0x34, greenOf(v));
    EXPECT_EQ(0x56, blueOf(v));
}

TEST(RgbToHsl, PrimariesAndBackExactly) {
    expectHsl(255, 0, 0, 0, 100, 50);
    expectHsl(0, 255, 0, 120, 100, 50);
    expectHsl(0, 0, 255, 240, 100, 50);
    expectRgb(0, 100, 50, 255, 0, 0);
    expectRgb(120, 100, 50, 0, 255, 0);
    expectRgb(240, 100, 50, 0, 0, 255);
}

TEST(RgbToHsl, GreysHaveNoHueOrSaturation) {
    expectHsl(255, 255, 255, 0, 0, 100);
    expectHsl(0, 0, 0, 0, 0, 0);
    for (int v = 0; v < 256; ++v) {
        HslTriple got = hsl(v, v, v);
        EXPECT_EQ(0, got.hue);
        EXPECT_EQ(0, got.saturation);
        EXPECT_TRUE(isGrey(makeColor(v, v, v)));
    }
    EXPECT_FALSE(isGrey(makeColor(1, 1, 2)));
}

TEST(RgbToHsl, TruncatesEverywhere) {
    expectHsl(255, 128, 0, 30, 100, 50);
    expectRgb(30, 100, 50, 255, 127, 0);
    expectHsl(255, 0, 128, 329, 100, 50);
    expectRgb(329, 100, 50, 255, 0, 131);
    expectRgb(60, 100, 50, 254, 255, 0);
    expectRgb(359, 100, 50, 255, 0, 4);
    // A grey loses one unit on the way back.
    expectHsl(128, 128, 128, 0, 0, 50);
    expectRgb(0, 0, 50, 127, 127, 127);
}

TEST(RgbToHsl, TiedMaximumPrefersRedThenGreen) {
    // Red and green share the maximum: the red formula gives (g - b) / d = 1 -> 60 degrees.
    expectHsl(255, 255, 0, 60, 100, 50);
    // Green and blue share it: the green formula gives (b - r) / d + 2 = 3 -> 180 degrees.
    expectHsl(0, 255, 255, 180, 100, 50);
    // Red and blue: red formula gives (g - b) / d = -1 -> 5/6 -> 300 degrees.
    expectHsl(255, 0, 255, 300, 100, 50);
}

TEST(RgbToHsl, ProgramDefaults) {
    expectHsl(244, 137, 162, 345, 82, 74);
    expectHsl(207, 229, 102, 70, 70, 64);
    EXPECT_STREQ(L"F489A2", formatHex(0x00A289F4).digits);
    EXPECT_STREQ(L"CFE566", formatHex(0x0066E5CF).digits);
}

// Every one of the 16.7 million colours converts into range, and back to a colour
// near it. Whole degrees and percent cannot hold every colour, so a round trip
// may move a channel by up to 10 units (a saturated colour whose hue falls
// between two degrees); lightness survives the other way round within 1%.
TEST(RgbToHsl, EveryColourStaysInRangeAndRoundTripsNearby) {
    int worst = 0;
    for (ColorValue value = 0; value < 0x1000000u; ++value) {
        const HslTriple got = rgbToHsl(value);
        ASSERT_TRUE(got.hue >= 0 && got.hue < 360) << std::hex << value;
        ASSERT_TRUE(got.saturation >= 0 && got.saturation <= 100) << std::hex << value;
        ASSERT_TRUE(got.lightness >= 0 && got.lightness <= 100) << std::hex << value;
        const ColorValue back = hslToRgb(got);
        const int dr = std::abs(redOf(back) - redOf(value));
        const int dg = std::abs(greenOf(back) - greenOf(value));
        const int db = std::abs(blueOf(back) - blueOf(value));
        worst = std::max(worst, std::max(dr, std::max(dg, db)));
    }
    EXPECT_LE(worst, 10);
}

TEST(HslToRgb, EveryTripleGivesAColourThatKeepsItsLightness) {
    for (int h = 0; h < 360; ++h)
        for (int s = 0; s <= 100; ++s)
            for (int l = 0; l <= 100; ++l) {
                const ColorValue v = hslToRgb(HslTriple{h, s, l});
                ASSERT_EQ(0u, v & 0xFF000000u) << h << "/" << s << "/" << l;
                ASSERT_LE(std::abs(rgbToHsl(v).lightness - l), 1) << h << "/" << s << "/" << l;
            }
}

TEST(HslToRgb, ZeroSaturationIsGreyOfLightness) {
    expectRgb(200, 0, 0, 0, 0, 0);
    expectRgb(200, 0, 100, 255, 255, 255);
    expectRgb(17, 0, 20, 51, 51, 51);
}

TEST(HueToChannel, WrapsOnceAndPicksTheSegment) {
    EXPECT_DOUBLE_EQ(0.2, hueToChannel(0.2, 0.8, -1.0 + 1.0));  // t = 0 -> p
    EXPECT_DOUBLE_EQ(0.8, hueToChannel(0.2, 0.8, 0.3));         // 1/6 <= t < 1/2 -> q
    EXPECT_DOUBLE_EQ(0.2, hueToChannel(0.2, 0.8, 0.9));         // t >= 2/3 -> p
    EXPECT_DOUBLE_EQ(hueToChannel(0.2, 0.8, 0.9), hueToChannel(0.2, 0.8, -0.1));
    EXPECT_DOUBLE_EQ(hueToChannel(0.2, 0.8, 0.1), hueToChannel(0.2, 0.8, 1.1));
}

TEST(FormatHex, SixUpperCaseDigitsRedFirst) {
    EXPECT_STREQ(L"FF8000", formatHex(makeColor(255, 128, 0)).digits);
    EXPECT_STREQ(L"000000", formatHex(0).digits);
    EXPECT_STREQ(L"0A0B0C", formatHex(makeColor(10, 11, 12)).digits);
    // Bits above blue are not part of the colour.
    EXPECT_STREQ(L"FFFFFF", formatHex(0xFFFFFFFFu).digits);
}

TEST(ParseHex, AcceptsSixDigitsInEitherCase) {
    const wchar_t* texts[] = {L"ff8000", L"FF8000", L"Ff8000"};
    for (const wchar_t* text : texts) {
        ColorValue v = 0;
        ASSERT_TRUE(parseHex(text, &v)) << text;
        EXPECT_EQ(makeColor(255, 128, 0), v);
    }
}

TEST(ParseHex, RefusesAnythingElseAndLeavesTheValue) {
    const wchar_t* texts[] = {L"#FF8000", L"FF800", L"FF80000", L"FG8000", L"", L" FF800", L"-F8000", L"FF 800"};
    for (const wchar_t* text : texts) {
        ColorValue v = 0x123456;
        EXPECT_FALSE(parseHex(text, &v)) << text;
        EXPECT_EQ(0x123456u, v);
    }
    ColorValue v = 7;
    EXPECT_FALSE(parseHex(nullptr, &v));
    EXPECT_EQ(7u, v);
}

TEST(ParseHex, RoundTripsEveryFormattedColour) {
    for (unsigned value = 0; value < 0x1000000u; value += 0x10101u * 3 + 1) {
        ColorValue back = 0;
        ASSERT_TRUE(parseHex(formatHex(value).digits, &back));
        ASSERT_EQ(value, back);
    }
}

TEST(SwatchName, PrefixAndEightLowerCaseDigitsOfTheWholeValue) {
    EXPECT_STREQ(L"#Color-000000ff", swatchName(makeColor(255, 0, 0)).text);
    EXPECT_STREQ(L"#Color-00ff0000", swatchName(makeColor(0, 0, 255)).text);
    EXPECT_STREQ(L"#Color-00a289f4", swatchName(0x00A289F4).text);
}
