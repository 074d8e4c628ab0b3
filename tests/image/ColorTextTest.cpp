// Copy formats and the reading of pasted colour texts.
#include "image/color/ColorText.h"

#include <gtest/gtest.h>

#include <string>

using namespace s::image::color;

namespace {

constexpr ColorValue DEFAULT_BACKGROUND = 0x0066E5CF;  // CFE566

std::wstring formatted(ColorValue colour, int format) {
    return ColorText::format(colour, format).text;
}

ColorValue parsed(const wchar_t* text) {
    ColorValue colour = 0x01020304;
    EXPECT_TRUE(ColorText::parse(text, &colour)) << "refused: " << testing::PrintToString(std::wstring(text));
    return colour;
}

// Decimals after the point of each number in the text.
int mostDecimals(const std::wstring& text) {
    int most = 0, run = -1;
    for (wchar_t c : text) {
        if (c == L'.') {
            run = 0;
        } else if (run >= 0 && c >= L'0' && c <= L'9') {
            if (++run > most) most = run;
        } else {
            run = -1;
        }
    }
    return most;
}

}  // namespace

TEST(ColorTextFormat, EveryFormatOfTheDefaultBackground) {
    EXPECT_EQ(L"CFE566", formatted(DEFAULT_BACKGROUND, ColorText::HEX));
    EXPECT_EQ(L"#CFE566", formatted(DEFAULT_BACKGROUND, ColorText::HASH_HEX));
    EXPECT_EQ(L"rgb(207, 229, 102)", formatted(DEFAULT_BACKGROUND, ColorText::CSS_RGB));
    EXPECT_EQ(L"hsl(70.4, 70.9%, 64.9%)", formatted(DEFAULT_BACKGROUND, ColorText::CSS_HSL));
    EXPECT_EQ(L"207, 229, 102", formatted(DEFAULT_BACKGROUND, ColorText::CHANNELS));
    EXPECT_EQ(L"0xCFE566", formatted(DEFAULT_BACKGROUND, ColorText::CODE_HEX));
    EXPECT_EQ(L"0.81, 0.898, 0.4", formatted(DEFAULT_BACKGROUND, ColorText::UNIT_CHANNELS));
    // Unknown numbers (an old or edited setting) write the hex digits.
    EXPECT_EQ(L"CFE566", formatted(DEFAULT_BACKGROUND, 99));
    EXPECT_EQ(L"CFE566", formatted(DEFAULT_BACKGROUND, -1));
}

TEST(ColorTextFormat, ShortWhereTheColourAllows) {
    EXPECT_EQ(L"hsl(0, 100%, 50%)", formatted(makeColor(255, 0, 0), ColorText::CSS_HSL));
    EXPECT_EQ(L"hsl(0, 0%, 100%)", formatted(makeColor(255, 255, 255), ColorText::CSS_HSL));
    EXPECT_EQ(L"hsl(0, 0%, 0%)", formatted(0, ColorText::CSS_HSL));
    EXPECT_EQ(L"hsl(240, 100%, 50%)", formatted(makeColor(0, 0, 255), ColorText::CSS_HSL));
    // A 0-1 number always shows its point: "1, 0, 0" would read back as 0-255 channels.
    EXPECT_EQ(L"1.0, 0.0, 0.0", formatted(makeColor(255, 0, 0), ColorText::UNIT_CHANNELS));
    EXPECT_EQ(L"rgb(0, 0, 0)", formatted(0, ColorText::CSS_RGB));
}

// Every format reads back to the colour it was written from, over a sweep of
// colours and all greys, with no more decimals than an 8-bit channel needs.
TEST(ColorTextFormat, EveryFormatReadsBackToTheSameColour) {
    int checked = 0;
    auto check = [&](ColorValue colour) {
        for (int format = 0; format < ColorText::FORMAT_COUNT; ++format) {
            const std::wstring text = formatted(colour, format);
            ColorValue back = ~colour;
            ASSERT_TRUE(ColorText::parse(text.c_str(), &back)) << testing::PrintToString(text);
            ASSERT_EQ(colour, back) << testing::PrintToString(text);
            ASSERT_LE(mostDecimals(text), 3) << testing::PrintToString(text);
            ++checked;
        }
    };
    for (int r = 0; r < 256; r += 15)
        for (int g = 3; g < 256; g += 14)
            for (int b = 1; b < 256; b += 13) check(makeColor(r, g, b));
    for (int grey = 0; grey < 256; ++grey) check(makeColor(grey, grey, grey));
    EXPECT_GT(checked, 40000);
}

TEST(ColorTextParse, EveryAcceptedForm) {
    const ColorValue expected = DEFAULT_BACKGROUND;
    for (const wchar_t* text :
         {L"CFE566", L"cfe566", L"#CFE566", L"#cfE566", L"0xCFE566", L"0XcfE566", L"rgb(207, 229, 102)",
          L"RGB(207,229,102)", L"rgb(207 229 102)", L"rgb( 207  229\t102 )", L"207, 229, 102", L"207,229,102",
          L"  #CFE566  ", L"\t207, 229, 102\r\n", L"hsl(70.4, 70.9%, 64.9%)", L"hsl(70.4 70.9% 64.9%)",
          L"0.81, 0.898, 0.4", L".81, .898, .4"})
        EXPECT_EQ(expected, parsed(text)) << testing::PrintToString(std::wstring(text));
    EXPECT_EQ(makeColor(0xFF, 0xAA, 0x33), parsed(L"#fa3"));
    EXPECT_EQ(makeColor(255, 0, 0), parsed(L"hsl(0, 100%, 50%)"));
    EXPECT_EQ(makeColor(255, 0, 0), parsed(L"hsl(360 100% 50%)"));
    EXPECT_EQ(makeColor(255, 0, 0), parsed(L"1.0, 0.0, 0.0"));
    EXPECT_EQ(makeColor(255, 128, 0), parsed(L"1, 0.5, 0"));
    EXPECT_EQ(makeColor(1, 0, 0), parsed(L"1, 0, 0"));
}

TEST(ColorTextParse, AnyOtherTextIsRefusedAndChangesNothing) {
    for (const wchar_t* text :
         {L"#12345", L"rgb(300,0,0)", L"hello", L"", L"   ", L"#1234567", L"#12345G", L"12345", L"1234567",
          L"0x12345", L"rgb(1, 2 3)", L"rgb(1 2, 3)", L"rgb(1, 2, 3", L"rgb(1, 2, 3) x", L"rgb(-1, 2, 3)",
          L"rgb(1, 2)", L"hsl(0, 100, 50)", L"hsl(0, 101%, 50%)", L"256, 0, 0", L"1.5, 0, 0", L"1, 2", L"1, 2, 3, 4",
          L"1,, 2, 3", L"1 2 3", L"rgba(1, 2, 3, 1)", L"#CFE566;", L"1..2, 0, 0"}) {
        ColorValue colour = 0x00123456;
        EXPECT_FALSE(ColorText::parse(text, &colour)) << testing::PrintToString(std::wstring(text));
        EXPECT_EQ(0x00123456u, colour);
    }
    ColorValue colour = 0;
    EXPECT_FALSE(ColorText::parse(nullptr, &colour));
}
