// The basic text drawer: measuring in the DC's font and painting text over
// its background, through a DC into a BufferedImage.
#include "gui/drawer/text/win/Basic.h"

#include <gtest/gtest.h>

#include "ImageCanvas.h"
#include "support/ResourceCounts.h"

using testing_gui::ImageCanvas;
using TextDrawer = s::gui::drawer::text::win::Basic;

namespace {

const COLORREF kInk = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kBack = RGB(0x33, 0x33, 0x33);

class TextDrawerTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawer = TextDrawer::acquire();
        ASSERT_NE(nullptr, drawer);
        drawer->setColour(TextDrawer::kText, kInk);
        drawer->setColour(TextDrawer::kBackground, kBack);
        SelectObject(canvas.dc(), GetStockObject(DEFAULT_GUI_FONT));
    }
    void TearDown() override { drawer->release(); }
    ImageCanvas canvas{120, 40};
    TextDrawer* drawer = nullptr;
};

}  // namespace

TEST_F(TextDrawerTest, MeasuresLinesInTheDcFont) {
    SIZE one = {-1, -1}, longer = {-1, -1}, two = {-1, -1};
    ASSERT_TRUE(drawer->measure(canvas.dc(), L"Hue", -1, &one));
    ASSERT_TRUE(drawer->measure(canvas.dc(), L"Hue Snap", -1, &longer));
    ASSERT_TRUE(drawer->measure(canvas.dc(), L"Hue\nSnap", -1, &two));
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 0);
    EXPECT_GT(longer.cx, one.cx);
    EXPECT_EQ(one.cy, longer.cy);
    EXPECT_EQ(2 * one.cy, two.cy) << "two lines";
    SIZE counted = {-1, -1};
    ASSERT_TRUE(drawer->measure(canvas.dc(), L"Hue Snap", 3, &counted));
    EXPECT_EQ(one.cx, counted.cx) << "only `count` code units";
    SIZE amp = {-1, -1}, plain = {-1, -1};
    ASSERT_TRUE(drawer->measure(canvas.dc(), L"A&B", -1, &amp));
    ASSERT_TRUE(drawer->measure(canvas.dc(), L"AB", -1, &plain));
    EXPECT_GT(amp.cx, plain.cx) << "\"&\" is measured as a character";
}

TEST_F(TextDrawerTest, MeasuringNothingAndBadArguments) {
    SIZE size = {-1, -1};
    EXPECT_TRUE(drawer->measure(canvas.dc(), L"", -1, &size));
    EXPECT_EQ(0, size.cx);
    EXPECT_EQ(0, size.cy);
    size = {-1, -1};
    EXPECT_FALSE(drawer->measure(canvas.dc(), nullptr, -1, &size));
    EXPECT_EQ(0, size.cx);
    EXPECT_FALSE(drawer->measure(nullptr, L"x", -1, &size));
    EXPECT_FALSE(drawer->measure(canvas.dc(), L"x", -1, nullptr));
}

TEST_F(TextDrawerTest, PaintsTextOverItsBackgroundAndRestoresTheDc) {
    SetTextColor(canvas.dc(), RGB(1, 2, 3));
    SetBkMode(canvas.dc(), OPAQUE);
    drawer->paintText(canvas.dc(), 10, 5, 110, 35, L"HueSnap", -1, DT_LEFT | DT_TOP | DT_NOPREFIX);
    EXPECT_EQ(ImageCanvas::kUntouched, canvas.at(9, 5));
    EXPECT_EQ(ImageCanvas::kUntouched, canvas.at(110, 34));
    EXPECT_EQ(kBack, canvas.at(109, 34)) << "the background fills the rectangle";
    EXPECT_GT(canvas.countOf(kInk), 10) << "the text is there";
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(canvas.dc()));
    EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc()));
}

TEST_F(TextDrawerTest, TransparentTextLeavesTheBackgroundAlone) {
    drawer->setTransparent(true);
    drawer->paintText(canvas.dc(), 0, 0, 120, 40, L"HueSnap", -1, DT_LEFT | DT_TOP | DT_NOPREFIX);
    EXPECT_EQ(0, canvas.countOf(kBack));
    EXPECT_GT(canvas.countOf(kInk), 10);
    drawer->reset();
    EXPECT_FALSE(drawer->isTransparent());
}

TEST_F(TextDrawerTest, TextInAGivenColourPaintsTheTextAloneAndRestoresTheDc) {
    const COLORREF green = RGB(0, 0x80, 0);
    SetTextColor(canvas.dc(), RGB(1, 2, 3));
    SetBkMode(canvas.dc(), OPAQUE);
    drawer->paintTextInColour(canvas.dc(), 10, 5, 110, 35, L"HueSnap", -1, DT_LEFT | DT_TOP | DT_NOPREFIX, green);
    EXPECT_EQ(ImageCanvas::kUntouched, canvas.at(109, 34)) << "no fill, even for an opaque drawer";
    EXPECT_GT(canvas.countOf(green), 10);
    EXPECT_EQ(0, canvas.countOf(kInk));
    EXPECT_EQ(0, canvas.countOf(kBack));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(canvas.dc()));
    EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc()));
    drawer->paintTextInColour(nullptr, 0, 0, 20, 10, L"x", -1, DT_LEFT, green);
    drawer->paintTextInColour(canvas.dc(), 0, 0, 0, 10, L"x", -1, DT_LEFT, green);
    drawer->paintTextInColour(canvas.dc(), 0, 0, 20, 10, nullptr, -1, DT_LEFT, green);
}

TEST_F(TextDrawerTest, EmptyTextPaintsTheBackgroundOnly) {
    drawer->paintText(canvas.dc(), 0, 0, 20, 10, L"", -1, DT_LEFT);
    drawer->paintText(canvas.dc(), 0, 20, 20, 30, nullptr, -1, DT_LEFT);
    drawer->paintText(canvas.dc(), 50, 0, 50, 10, L"x", -1, DT_LEFT);
    drawer->paintText(nullptr, 0, 0, 20, 10, L"x", -1, DT_LEFT);
    EXPECT_EQ(400, canvas.countOf(kBack));
    EXPECT_EQ(0, canvas.countOf(kInk));
}

TEST_F(TextDrawerTest, MeasuringAndPaintingLeaveNoHandles) {
    auto round = [&] {
        SIZE size;
        drawer->measure(canvas.dc(), L"Hue\nSnap", -1, &size);
        drawer->paintText(canvas.dc(), 0, 0, 120, 40, L"Hue\nSnap", -1, DT_LEFT | DT_NOPREFIX);
    };
    round();
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 100; ++i) round();
    EXPECT_EQ(before, testing_resources::current());
}
