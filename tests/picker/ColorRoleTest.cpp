// Colour role: the stored hue, saturation and lightness against the colour:
// what each kind of change may overwrite, the arrow steps at their ends, and
// edits that leave the other components alone.
#include <gtest/gtest.h>

#include "picker/ColorRole.h"

namespace {

using s::image::color::makeColor;
using s::image::gui::dialogs::huesnap::ColorRole;
using s::image::gui::dialogs::huesnap::ColorUpdate;

TEST(ColorRole, GreySampleKeepsTheHueWhileSaturationAndLightnessFollow) {
    ColorRole role(makeColor(0xF4, 0x89, 0xA2));
    const int hue = role.hue();
    ASSERT_NE(hue, 0);
    const auto grey = makeColor(0x80, 0x80, 0x80);
    role.apply(grey, ColorUpdate::sample(grey));
    EXPECT_EQ(role.hue(), hue);
    EXPECT_EQ(role.saturation(), 0);
    EXPECT_EQ(role.lightness(), 50);
    EXPECT_EQ(role.colour(), grey);
    // The colour chooser recomputes everything: a grey then has hue 0.
    role.apply(grey, ColorUpdate::all());
    EXPECT_EQ(role.hue(), 0);
}

TEST(ColorRole, TypedColourNeverRewritesTheFieldAndSamplesDo) {
    const auto typed = makeColor(0x12, 0xAB, 0x5F);
    EXPECT_FALSE(ColorUpdate::typed(typed).hex);
    EXPECT_TRUE(ColorUpdate::typed(typed).hue);
    EXPECT_TRUE(ColorUpdate::sample(typed).hex);
    EXPECT_FALSE(ColorUpdate::componentEdit().hue);
}

TEST(ColorRole, HueArrowsWrapRoundTheCircle) {
    ColorRole role;
    role.setComponent(ColorRole::HUE, 0);
    EXPECT_TRUE(role.step(ColorRole::HUE, false));
    EXPECT_EQ(role.hue(), 357);
    role.setComponent(ColorRole::HUE, 358);
    EXPECT_TRUE(role.step(ColorRole::HUE, true));
    EXPECT_EQ(role.hue(), 1);
}

TEST(ColorRole, PercentArrowsStopAtTheirEnds) {
    ColorRole role(makeColor(0, 0, 0));  // saturation 0, lightness 0
    const auto black = role.colour();
    EXPECT_FALSE(role.step(ColorRole::SATURATION, false));
    EXPECT_FALSE(role.step(ColorRole::LIGHTNESS, false));
    EXPECT_EQ(role.colour(), black);
    role.setComponent(ColorRole::LIGHTNESS, 100);
    EXPECT_FALSE(role.step(ColorRole::LIGHTNESS, true));
    EXPECT_TRUE(role.step(ColorRole::LIGHTNESS, false));
    EXPECT_EQ(role.lightness(), 99);
}

TEST(ColorRole, ComponentEditMakesTheColourAndLeavesTheOthersAlone) {
    ColorRole role(makeColor(0xCF, 0xE5, 0x66));
    const int saturation = role.saturation(), lightness = role.lightness();
    ASSERT_TRUE(role.setComponent(ColorRole::HUE, 200));
    EXPECT_EQ(role.saturation(), saturation);
    EXPECT_EQ(role.lightness(), lightness);
    EXPECT_EQ(role.colour(), s::image::color::hslToRgb(s::image::color::HslTriple{200, saturation, lightness}));
    // The window applies the new colour with the edit's flags: nothing moves back.
    role.apply(role.colour(), ColorUpdate::componentEdit());
    EXPECT_EQ(role.hue(), 200);
    EXPECT_FALSE(role.setComponent(ColorRole::HUE, 200));
    EXPECT_TRUE(role.setComponent(ColorRole::SATURATION, 150));  // out of range: clamped
    EXPECT_EQ(role.saturation(), 100);
}

}  // namespace
