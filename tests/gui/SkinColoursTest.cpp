// The sixteen skins in their order with their colours.
#include "gui/drawer/skin/SkinColours.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>

using namespace s::gui::drawer::skin;

TEST(SkinColours, SixteenSkinsInTheSetOrder) {
    const wchar_t* expected[] = {L"White",      L"Ivory",  L"Black",    L"Black II", L"Black Black", L"Black Black II",
                                 L"Classic LG", L"Beige",  L"Sky Blue", L"Pink",     L"Salmon Red",  L"Yellow",
                                 L"Green",      L"Orange", L"Khaki",    L"Indigo"};
    ASSERT_EQ(16, skinColoursCount());
    for (int i = 0; i < 16; ++i) EXPECT_STREQ(expected[i], skinColoursAt(i).name);
    EXPECT_STREQ(L"ThinWindow", kThinWindowFamily);
}

TEST(SkinColours, ColoursAreColorrefsOfTheTable) {
    const SkinColours& skyBlue = skinColoursAt(8);
    EXPECT_EQ(RGB(0xC2, 0xDF, 0xFF), skyBlue.colour(1));  // C2DFFF background
    EXPECT_EQ(RGB(0x57, 0x85, 0xFF), skyBlue.colour(2));  // 5785FF frame
    EXPECT_EQ(RGB(0xFF, 0xA5, 0x00), skyBlue.colour(15));
    const SkinColours& classic = skinColoursAt(6);
    EXPECT_EQ(RGB(0x74, 0x74, 0x74), classic.colour(1));
    EXPECT_EQ(RGB(0xC3, 0xEA, 0x00), classic.colour(14));
    EXPECT_EQ(RGB(0x19, 0x19, 0x19), classic.colour(15));
}

TEST(SkinColours, NamesAreUniqueAndColoursFitColorref) {
    std::set<std::wstring> names;
    for (int i = 0; i < skinColoursCount(); ++i) {
        EXPECT_TRUE(names.insert(skinColoursAt(i).name).second);
        for (int c = 1; c <= 15; ++c) EXPECT_EQ(0u, skinColoursAt(i).colour(c) & 0xFF000000u);
    }
}
