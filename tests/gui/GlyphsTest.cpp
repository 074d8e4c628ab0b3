// Glyph buttons: exact swatch, chevrons, close cross and minimise bar; the
// pixel-art glyphs stay inside the button and scale with it.
#include "gui/drawer/button/Glyphs.h"

#include <gtest/gtest.h>

#include "PixelCanvas.h"

using s::gui::drawer::button::isKnownGlyph;
using s::gui::drawer::button::paintGlyph;
using testing_gui::PixelCanvas;

namespace {
const COLORREF kInk = RGB(9, 8, 7);
}

TEST(Glyphs, SwatchIsAColourInsideABlackFrame) {
    PixelCanvas canvas(10, 8);
    ASSERT_TRUE(paintGlyph(canvas, L"#Color-000000ff", 0, 0, 10, 8, kInk));
    EXPECT_FALSE(canvas.isSet(0, 0)) << "the outer pixel ring is the button's own";
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(1, 1));
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(8, 6));
    EXPECT_EQ(RGB(255, 0, 0), canvas.at(2, 2));
    EXPECT_EQ(RGB(255, 0, 0), canvas.at(7, 5));
    EXPECT_EQ(6 * 4, canvas.countOf(RGB(255, 0, 0)));
    EXPECT_EQ(0, canvas.countOf(kInk));
}

TEST(Glyphs, SwatchReadsTheLastSixDigitsAsColorref) {
    PixelCanvas canvas(6, 6);
    ASSERT_TRUE(paintGlyph(canvas, L"#Color-ff00ff00", 0, 0, 6, 6, kInk));
    EXPECT_EQ(RGB(0, 255, 0), canvas.at(2, 2));
}

TEST(Glyphs, MalformedSwatchIsNoGlyph) {
    PixelCanvas canvas(6, 6);
    EXPECT_FALSE(paintGlyph(canvas, L"#Color-00ff00", 0, 0, 6, 6, kInk));
    EXPECT_FALSE(paintGlyph(canvas, L"#Color-0000zz00", 0, 0, 6, 6, kInk));
    EXPECT_EQ(0, canvas.fills);
}

TEST(Glyphs, UnknownOrPlainTextsPaintNothing) {
    PixelCanvas canvas(6, 6);
    EXPECT_FALSE(paintGlyph(canvas, L"Copy", 0, 0, 6, 6, kInk));
    EXPECT_FALSE(paintGlyph(canvas, L"", 0, 0, 6, 6, kInk));
    EXPECT_FALSE(paintGlyph(canvas, L"#NoSuchGlyph", 0, 0, 6, 6, kInk));
    EXPECT_FALSE(paintGlyph(canvas, nullptr, 0, 0, 6, 6, kInk));
    EXPECT_EQ(0, canvas.fills);
}

TEST(Glyphs, RightChevronPointsRightWithItsTipOnTheMiddleRow) {
    PixelCanvas canvas(12, 12);
    ASSERT_TRUE(paintGlyph(canvas, L"#Right", 0, 0, 12, 12, kInk));
    // inner 10 x 10, s = 10, mid = 6, start row 1, start column (10 - 3) / 2 = 3:
    // 2 x 2 dots at (3,1)..(7,5) and mirrored at rows 10 - r, meeting on rows 5-6.
    EXPECT_EQ(
        "............\n"
        "...##.......\n"
        "...###......\n"
        "....###.....\n"
        ".....###....\n"
        "......###...\n"
        "......###...\n"
        ".....###....\n"
        "....###.....\n"
        "...###......\n"
        "...##.......\n"
        "............\n",
        canvas.picture(kInk));
}

TEST(Glyphs, LeftChevronMirrorsTheRightOne) {
    PixelCanvas right(12, 12), left(12, 12);
    paintGlyph(right, L"#Right", 0, 0, 12, 12, kInk);
    paintGlyph(left, L"#Left", 0, 0, 12, 12, kInk);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) EXPECT_EQ(right.isSet(x, y), left.isSet(11 - x, y)) << x << "," << y;
}

TEST(Glyphs, DoubleChevronsAreTwoChevronsSixApart) {
    PixelCanvas single(20, 12), twice(20, 12);
    paintGlyph(single, L"#Right", 0, 0, 20, 12, kInk);
    paintGlyph(twice, L"#RightRight", 0, 0, 20, 12, kInk);
    EXPECT_GT(twice.countOf(kInk), single.countOf(kInk));
    EXPECT_EQ(0, twice.outside);
}

TEST(Glyphs, CloseCrossRunsCornerToCorner) {
    PixelCanvas canvas(10, 10);
    ASSERT_TRUE(paintGlyph(canvas, L"#X", 0, 0, 10, 10, kInk));
    EXPECT_EQ(
        "..........\n"
        ".##....##.\n"
        ".###..###.\n"
        "..######..\n"
        "...####...\n"
        "...####...\n"
        "..######..\n"
        ".###..###.\n"
        ".##....##.\n"
        "..........\n",
        canvas.picture(kInk));
}

TEST(Glyphs, MinimiseBarSitsLowAcrossTheInside) {
    PixelCanvas canvas(12, 12);
    ASSERT_TRUE(paintGlyph(canvas, L"#_", 0, 0, 12, 12, kInk));
    // inner height 10: the bar starts at row 1 + 8 and is 2 high, 10 wide.
    for (int x = 1; x <= 10; ++x) {
        EXPECT_TRUE(canvas.isSet(x, 9));
        EXPECT_TRUE(canvas.isSet(x, 10));
    }
    EXPECT_EQ(20, canvas.countOf(kInk));
}

TEST(Glyphs, EveryNamedGlyphPaintsInsideTheButtonAtEverySize) {
    const wchar_t* names[] = {
        L"#Play",      L"#Pause",    L"#Stop",        L"#Speaker",    L"#Mute",        L"#Right",      L"#RightRight",
        L"#Left",      L"#LeftLeft", L"#Down",        L"#ThumbLineV", L"#ThumbLineH",  L"#Minus",      L"#Plus",
        L"#PlusMinus", L"#Check",    L"#Next",        L"#Prev",       L"#Resizer",     L"#TreeClosed", L"#TreeOpen",
        L"#TurnRight", L"#TurnLeft", L"#OnTop",       L"#FitWindow",  L"#FitToWindow", L"#Palm",       L"#KeepRatio",
        L"#X",         L"#Up",       L"#Transform90", L"#.",          L"#_Min"};
    for (const wchar_t* name : names) {
        EXPECT_TRUE(isKnownGlyph(name)) << name;
        for (int size = 9; size <= 40; size += 7) {
            PixelCanvas canvas(size + 4, size + 4);
            ASSERT_TRUE(paintGlyph(canvas, name, 2, 2, 2 + size, 2 + size, kInk));
            EXPECT_GT(canvas.countOf(kInk), 0) << name;
            for (int i = 0; i < size + 4; ++i) {
                // Nothing on or outside the button's outer pixel ring.
                ASSERT_FALSE(canvas.isSet(i, 2) || canvas.isSet(2, i) || canvas.isSet(i, size + 1) ||
                             canvas.isSet(size + 1, i))
                    << name << " at size " << size;
            }
        }
    }
}

TEST(Glyphs, DegenerateButtonsDoNotPaintOutside) {
    const wchar_t* names[] = {L"#Right", L"#Left", L"#X", L"#_", L"#Play", L"#Color-000000ff"};
    for (const wchar_t* name : names) {
        PixelCanvas canvas(4, 4);
        paintGlyph(canvas, name, 1, 1, 3, 3, kInk);
        paintGlyph(canvas, name, 1, 1, 1, 1, kInk);
        EXPECT_EQ(0, canvas.outside) << name;
    }
}
