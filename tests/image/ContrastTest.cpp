// The contrast ratio against pairs whose ratios are published, the cut to two
// decimals, and the lightness search of the contrast fix.
#include "image/color/Contrast.h"

#include <gtest/gtest.h>

#include <string>

using namespace s::image::color;

namespace {

constexpr ColorValue WHITE = 0x00FFFFFF;
constexpr ColorValue BLACK = 0x00000000;

ColorValue hex(const wchar_t* digits) {
    ColorValue value = 0;
    EXPECT_TRUE(parseHex(digits, &value)) << "bad test colour";
    return value;
}

std::wstring shown(ColorValue a, ColorValue b) {
    return Contrast::format(Contrast::ratio(a, b)).text;
}

}  // namespace

TEST(ContrastRatio, PublishedPairs) {
    EXPECT_DOUBLE_EQ(21.0, Contrast::ratio(BLACK, WHITE));
    EXPECT_DOUBLE_EQ(21.0, Contrast::ratio(WHITE, BLACK));
    EXPECT_DOUBLE_EQ(1.0, Contrast::ratio(hex(L"CFE566"), hex(L"CFE566")));
    EXPECT_EQ(L"21.00:1", shown(BLACK, WHITE));
    EXPECT_EQ(L"1.68:1", shown(hex(L"F489A2"), hex(L"CFE566")));
    EXPECT_EQ(L"1.00:1", shown(WHITE, WHITE));

    const double passing = Contrast::ratio(hex(L"767676"), WHITE);
    EXPECT_NEAR(4.54, passing, 0.005);
    EXPECT_EQ(L"4.54:1", shown(hex(L"767676"), WHITE));
    EXPECT_TRUE(Contrast::grade(passing).aaNormal);

    const double failing = Contrast::ratio(hex(L"777777"), WHITE);
    EXPECT_NEAR(4.478, failing, 0.0005);
    EXPECT_EQ(L"4.47:1", shown(hex(L"777777"), WHITE));
    const Contrast::Grades grades = Contrast::grade(failing);
    EXPECT_FALSE(grades.aaNormal);
    EXPECT_TRUE(grades.aaLarge);
    EXPECT_FALSE(grades.aaaNormal);
    EXPECT_FALSE(grades.aaaLarge);
}

TEST(ContrastRatio, GradesAtEachThreshold) {
    const Contrast::Grades atAa = Contrast::grade(4.5);
    EXPECT_TRUE(atAa.aaNormal && atAa.aaLarge && atAa.aaaLarge);
    EXPECT_FALSE(atAa.aaaNormal);
    EXPECT_TRUE(Contrast::grade(7.0).aaaNormal);
    EXPECT_FALSE(Contrast::grade(6.9999).aaaNormal);
    EXPECT_TRUE(Contrast::grade(3.0).aaLarge);
    EXPECT_FALSE(Contrast::grade(2.9999).aaLarge);
}

TEST(ContrastRatio, CutToTwoDecimalsNeverRoundsUp) {
    EXPECT_EQ(449, Contrast::hundredths(4.499));
    EXPECT_EQ(449, Contrast::hundredths(4.49999999));
    EXPECT_EQ(450, Contrast::hundredths(4.5));
    EXPECT_EQ(L"4.49:1", std::wstring(Contrast::format(4.499).text));
    EXPECT_EQ(L"4.50:1", std::wstring(Contrast::format(4.5).text));
    EXPECT_EQ(L"6.99:1", std::wstring(Contrast::format(6.999).text));
    EXPECT_EQ(L"10.05:1", std::wstring(Contrast::format(10.0501).text));
    // Over every grey on white and on black: a pair that fails a threshold never
    // shows that threshold's number or more.
    for (int g = 0; g < 256; ++g) {
        for (ColorValue other : {WHITE, BLACK}) {
            const double ratio = Contrast::ratio(makeColor(g, g, g), other);
            const int cut = Contrast::hundredths(ratio);
            EXPECT_LE(cut / 100.0, ratio) << g;
            const Contrast::Grades grades = Contrast::grade(ratio);
            EXPECT_TRUE(grades.aaNormal || cut < 450) << g;
            EXPECT_TRUE(grades.aaaNormal || cut < 700) << g;
            EXPECT_TRUE(grades.aaLarge || cut < 300) << g;
        }
    }
}

// The fix from either role: the found lightness reaches the target, and the
// lightness one step nearer the start does not.
TEST(ContrastFix, NearestLightnessReachesTheTargetFromEitherRole) {
    const ColorValue text = hex(L"F489A2"), background = hex(L"CFE566");
    for (double target : {Contrast::AA_NORMAL, Contrast::AAA_NORMAL}) {
        for (bool textRole : {true, false}) {
            const ColorValue changing = textRole ? text : background;
            const ColorValue other = textRole ? background : text;
            const HslTriple hsl = rgbToHsl(changing);
            int found = -1;
            ASSERT_TRUE(Contrast::nearestLightness(hsl.hue, hsl.saturation, hsl.lightness, other, target, &found))
                << target << (textRole ? " text" : " background");
            const ColorValue fixed = hslToRgb(HslTriple{hsl.hue, hsl.saturation, found});
            EXPECT_GE(Contrast::ratio(fixed, other), target);
            const int nearer = found < hsl.lightness ? found + 1 : found - 1;
            EXPECT_LT(Contrast::ratio(hslToRgb(HslTriple{hsl.hue, hsl.saturation, nearer}), other), target);
        }
    }
    // The default text colour darkens to reach AA on its light background.
    const HslTriple pink = rgbToHsl(text);
    int found = -1;
    ASSERT_TRUE(Contrast::nearestLightness(pink.hue, pink.saturation, pink.lightness, background, 4.5, &found));
    EXPECT_LT(found, pink.lightness);
}

TEST(ContrastFix, AnAlreadyPassingLightnessStays) {
    int found = -1;
    ASSERT_TRUE(Contrast::nearestLightness(0, 0, 0, WHITE, Contrast::AAA_NORMAL, &found));
    EXPECT_EQ(0, found);
}

// Against a middle grey neither black nor white reaches 7:1.
TEST(ContrastFix, AnUnreachableTargetLeavesTheLightnessAlone) {
    const ColorValue middle = hex(L"767676");
    ASSERT_LT(Contrast::ratio(BLACK, middle), Contrast::AAA_NORMAL);
    ASSERT_LT(Contrast::ratio(WHITE, middle), Contrast::AAA_NORMAL);
    int found = 42;
    EXPECT_FALSE(Contrast::nearestLightness(200, 80, 40, middle, Contrast::AAA_NORMAL, &found));
    EXPECT_EQ(42, found);
    EXPECT_TRUE(Contrast::nearestLightness(200, 80, 40, middle, Contrast::AA_NORMAL, &found));
}
