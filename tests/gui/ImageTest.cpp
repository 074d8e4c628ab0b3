// Image controls in a window: the current frame painted where it is placed,
// animation advancing frames by their delays and stopping with or without
// going back to the first, and requests that cannot animate.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "gui/win/Image.h"
#include "image/win/BufferedImage.h"
#include "image/win/BufferedImageSet.h"
#include "tests/gui/ControlTestSupport.h"
#include "tests/gui/ImageCanvas.h"

namespace {

using control_testing::Host;
using control_testing::waitFor;
using s::gui::IImage;
using s::gui::win::Image;
using s::image::win::BufferedImage;
using s::image::win::BufferedImageSet;

// A frame of one colour (the DIB holds 0x00RRGGBB).
BufferedImage* solidFrame(int width, int height, COLORREF colour) {
    BufferedImage* frame = BufferedImage::acquireSized(width, height);
    const uint32_t pixel = uint32_t(GetRValue(colour)) << 16 | uint32_t(GetGValue(colour)) << 8 | GetBValue(colour);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) frame->rowAddress(y)[x] = pixel;
    return frame;
}

const COLORREF RED = RGB(0xFF, 0, 0);
const COLORREF BLUE = RGB(0, 0, 0xFF);

class ImageInWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.ready()); }
    void create(int delayMs) {
        BufferedImageSet* frames = BufferedImageSet::acquire();
        frames->addFrame(solidFrame(10, 10, RED), delayMs);
        frames->addFrame(solidFrame(10, 10, BLUE), delayMs);
        image.setPicture(frames);
        image.setBackground(RGB(0, 0xFF, 0));
        ASSERT_TRUE(host.attach(&image, 10, 10, 30, 30));
    }
    COLORREF pixelAt(int x, int y) {
        testing_gui::ImageCanvas canvas(30, 30);
        SendMessageW(image.getHandle(), WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
        return canvas.at(x, y);
    }
    void tick() { SendMessageW(image.getHandle(), WM_TIMER, Image::ANIMATION_TIMER, 0); }

    Image image;
    Host host;
};

TEST_F(ImageInWindow, PaintsTheCurrentFrameWhereItIsPlaced) {
    create(0);
    EXPECT_EQ(RED, pixelAt(2, 2));
    EXPECT_EQ(RGB(0, 0xFF, 0), pixelAt(20, 20));
    image.setPlacement(IImage::CENTRE);
    EXPECT_EQ(RGB(0, 0xFF, 0), pixelAt(2, 2));
    EXPECT_EQ(RED, pixelAt(15, 15));
    image.setScaled(true);
    EXPECT_EQ(RED, pixelAt(28, 28));
    image.fitToPicture();
    EXPECT_EQ(10, image.getPreferredWidth());
}

TEST_F(ImageInWindow, AnimationAdvancesWhenTheDelayHasPassedAndStopsRewound) {
    create(0);
    ASSERT_TRUE(image.startAnimation());
    EXPECT_TRUE(image.isAnimating());
    tick();
    EXPECT_EQ(1, image.getCurrentFrame());
    EXPECT_EQ(BLUE, pixelAt(2, 2));
    tick();
    EXPECT_EQ(0, image.getCurrentFrame());  // round again
    tick();
    image.stopAnimation(false);
    EXPECT_FALSE(image.isAnimating());
    EXPECT_EQ(1, image.getCurrentFrame());
    ASSERT_TRUE(image.startAnimation());
    image.stopAnimation(true);
    EXPECT_EQ(0, image.getCurrentFrame());
}

TEST_F(ImageInWindow, StartingAgainAfterAStopOnALaterFramePlaysFromTheFirst) {
    create(0);
    ASSERT_TRUE(image.startAnimation());
    tick();
    image.stopAnimation(false);  // stays on the second frame
    ASSERT_EQ(1, image.getCurrentFrame());
    ASSERT_EQ(BLUE, pixelAt(2, 2));
    ASSERT_TRUE(image.startAnimation());
    EXPECT_EQ(0, image.getCurrentFrame());
    EXPECT_EQ(RED, pixelAt(2, 2));
    image.stopAnimation(true);
}

TEST_F(ImageInWindow, FramesWaitForTheirDelay) {
    create(60000);
    ASSERT_TRUE(image.startAnimation());
    tick();
    EXPECT_EQ(0, image.getCurrentFrame());
    image.stopAnimation(true);
}

TEST_F(ImageInWindow, RealTimerAnimates) {
    create(30);
    ASSERT_TRUE(image.startAnimation());
    EXPECT_TRUE(waitFor([&] { return image.getCurrentFrame() == 1; }));
    image.stopAnimation(true);
}

TEST_F(ImageInWindow, OneFrameOrNoPictureCannotAnimate) {
    BufferedImageSet* single = BufferedImageSet::acquire();
    single->addFrame(solidFrame(4, 4, RED), 10);
    image.setPicture(single);
    ASSERT_TRUE(host.attach(&image, 10, 10, 30, 30));
    EXPECT_FALSE(image.startAnimation());
    image.setPicture(nullptr);
    EXPECT_FALSE(image.startAnimation());
    EXPECT_FALSE(image.isAnimating());
}

}  // namespace
