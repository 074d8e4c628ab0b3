// The thin button drawer's glyphs painted through a DC into a BufferedImage.
#include "gui/drawer/button/win/Thin.h"

#include <gtest/gtest.h>

#include "ImageCanvas.h"
#include "PixelCanvas.h"
#include "gui/drawer/button/Glyphs.h"
#include "support/ResourceCounts.h"

using testing_gui::ImageCanvas;
using ButtonDrawer = s::gui::drawer::button::win::Thin;

namespace {

class ButtonDrawerTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawer = ButtonDrawer::acquire();
        ASSERT_NE(nullptr, drawer);
    }
    void TearDown() override { drawer->release(); }
    ButtonDrawer* drawer = nullptr;
};

}  // namespace

TEST_F(ButtonDrawerTest, RedSwatchInsideABlackFrame) {
    ImageCanvas c(14, 12);
    ASSERT_TRUE(c.valid());
    // Button (2, 2)-(12, 10): 10 x 8; black at (3, 3) 8 x 6, red at (4, 4) 6 x 4.
    ASSERT_TRUE(drawer->paintGlyph(c.dc(), 2, 2, 12, 10, L"#Color-000000FF", 0, 255, 0));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 14; ++x) {
            COLORREF expected = ImageCanvas::kUntouched;
            if (x >= 3 && x < 11 && y >= 3 && y < 9) expected = RGB(0, 0, 0);
            if (x >= 4 && x < 10 && y >= 4 && y < 8) expected = RGB(255, 0, 0);
            EXPECT_EQ(expected, c.at(x, y)) << x << "," << y;
        }
}

TEST_F(ButtonDrawerTest, UnknownNamesPaintNothingAndReportFalse) {
    ImageCanvas c(12, 12);
    EXPECT_FALSE(drawer->paintGlyph(c.dc(), 0, 0, 12, 12, L"#NoSuchGlyph", 255, 0, 0));
    EXPECT_FALSE(drawer->paintGlyph(c.dc(), 0, 0, 12, 12, L"Play", 255, 0, 0));
    EXPECT_FALSE(drawer->paintGlyph(c.dc(), 0, 0, 12, 12, L"", 255, 0, 0));
    EXPECT_FALSE(drawer->paintGlyph(nullptr, 0, 0, 12, 12, L"#X", 255, 0, 0)) << "no DC, nothing painted";
    EXPECT_EQ(144, c.countOf(ImageCanvas::kUntouched));
}

// The DC path paints exactly the pixels the glyph geometry computes, at two sizes.
TEST_F(ButtonDrawerTest, GlyphsOnTheDcMatchTheirGeometry) {
    const wchar_t* names[] = {L"#X", L"#_", L"#Left", L"#Right", L"#OnTop", L"#RightRight"};
    const int sizes[][2] = {{16, 14}, {31, 23}};
    const COLORREF ink = RGB(0x20, 0x40, 0xA0);
    for (const wchar_t* name : names)
        for (const auto& size : sizes) {
            const int w = size[0], h = size[1];
            ImageCanvas c(w + 4, h + 4);
            testing_gui::PixelCanvas expected(w + 4, h + 4);
            ASSERT_TRUE(s::gui::drawer::button::paintGlyph(expected, name, 2, 2, 2 + w, 2 + h, ink));
            ASSERT_TRUE(drawer->paintGlyph(c.dc(), 2, 2, 2 + w, 2 + h, name, 0x20, 0x40, 0xA0));
            int inked = 0;
            for (int y = 0; y < h + 4; ++y)
                for (int x = 0; x < w + 4; ++x) {
                    const bool set = expected.at(x, y) == ink;
                    inked += set;
                    EXPECT_EQ(set ? ink : ImageCanvas::kUntouched, c.at(x, y)) << x << "," << y;
                }
            EXPECT_GT(inked, 0) << "a glyph shows something";
        }
}

TEST_F(ButtonDrawerTest, PlainButtonFrameInItsColour) {
    ImageCanvas c(10, 8);
    drawer->setColour(ButtonDrawer::kLine, RGB(0x44, 0x44, 0x44));
    drawer->paint(c.dc(), 0, 0, 10, 8);
    EXPECT_EQ(2 * 10 + 2 * 6, c.countOf(RGB(0x44, 0x44, 0x44)));
    EXPECT_EQ(8 * 6, c.countOf(ImageCanvas::kUntouched));
}

TEST_F(ButtonDrawerTest, GlyphPaintingLeavesNoHandles) {
    ImageCanvas c(24, 24);
    auto round = [&] {
        drawer->paintGlyph(c.dc(), 0, 0, 24, 24, L"#Color-00336699", 0, 0, 0);
        drawer->paintGlyph(c.dc(), 0, 0, 24, 24, L"#OnTop", 1, 2, 3);
    };
    round();
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 200; ++i) round();
    EXPECT_EQ(before, testing_resources::current());
}
