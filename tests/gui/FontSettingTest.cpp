// FontSetting: defaults, size codes, and fonts that give their GDI object back.
#include <gtest/gtest.h>
#include <windows.h>

#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"
#include "tests/support/ResourceCounts.h"

namespace {

using s::gui::win::Font;
using s::gui::win::FontSetting;

int screenHeightOf(int points) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return height;
}

TEST(FontSetting, DefaultsHaveAFaceAndLightColours) {
    FontSetting* setting = FontSetting::acquire();
    EXPECT_NE(setting->getLogFont().lfFaceName[0], L'\0');
    EXPECT_LT(setting->getLogFont().lfHeight, 0);
    EXPECT_EQ(setting->getForeground(), RGB(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(setting->getBackground(), RGB(0xEE, 0xEE, 0xEE));
    setting->release();
}

TEST(FontSetting, SizeCodesSetWeightAndPoints) {
    FontSetting* setting = FontSetting::acquire();
    ASSERT_TRUE(setting->setSizeCode(-103));
    EXPECT_EQ(setting->getLogFont().lfWeight, 700);
    EXPECT_EQ(setting->getLogFont().lfHeight, screenHeightOf(11));
    ASSERT_TRUE(setting->setSizeCode(-2));
    EXPECT_EQ(setting->getLogFont().lfWeight, 400);
    EXPECT_EQ(setting->getLogFont().lfHeight, screenHeightOf(8));
    ASSERT_TRUE(setting->setSizeCode(100001));
    EXPECT_EQ(setting->getLogFont().lfHeight, screenHeightOf(8));
    // A large code other than 100001 changes nothing but is remembered.
    EXPECT_FALSE(setting->setSizeCode(5000));
    EXPECT_EQ(setting->getSizeCode(), 5000);
    EXPECT_EQ(setting->getLogFont().lfHeight, screenHeightOf(8));
    setting->release();
}

TEST(FontSetting, KeptWeightAndSizeStay) {
    FontSetting* setting = FontSetting::acquire();
    setting->setKeepWeight(true);
    const LONG height = setting->getLogFont().lfHeight;
    ASSERT_TRUE(setting->setSizeCode(-104));
    EXPECT_EQ(setting->getLogFont().lfWeight, 400);
    setting->setKeepSize(true);
    setting->setSizeCode(-1);
    EXPECT_EQ(setting->getLogFont().lfHeight, screenHeightOf(10));
    setting->reset();
    setting->setKeepSize(true);
    setting->setSizeCode(-106);
    EXPECT_EQ(setting->getLogFont().lfHeight, height);
    EXPECT_EQ(setting->getLogFont().lfWeight, 700);
    setting->release();
}

TEST(FontSetting, FontsAreRecreatedAndGiveTheirObjectsBack) {
    FontSetting* setting = FontSetting::acquire();
    Font* warm = setting->createFont();
    ASSERT_NE(warm, nullptr);
    warm->release();
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 50; ++i) {
        Font* font = setting->createFont();
        ASSERT_NE(font, nullptr);
        ASSERT_NE(font->handle(), nullptr);
        setting->setSizeCode(-i % 5);
        EXPECT_TRUE(setting->createFontInto(font));  // replaces the font it held
        font->release();
    }
    EXPECT_EQ(testing_resources::current().gdi, before.gdi);
    setting->release();
}

}  // namespace
