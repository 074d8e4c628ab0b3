// Frame sets: frames kept in order with their delays, owned by the set (given
// back when it is reset or a frame cannot be kept), and lookups outside the
// frames answering nothing.
#include <gtest/gtest.h>

#include "image/win/BufferedImage.h"
#include "image/win/BufferedImageSet.h"
#include "support/ResourceCounts.h"

namespace {

using s::image::win::BufferedImage;
using s::image::win::BufferedImageSet;

TEST(BufferedImageSet, KeepsFramesInOrderWithTheirDelays) {
    BufferedImageSet* set = BufferedImageSet::acquire();
    ASSERT_NE(nullptr, set);
    EXPECT_EQ(0, set->width());
    BufferedImage* first = BufferedImage::acquireSized(4, 3);
    BufferedImage* second = BufferedImage::acquireSized(8, 8);
    EXPECT_TRUE(set->addFrame(first, 100));
    EXPECT_TRUE(set->addFrame(second, -5));  // no negative delays
    EXPECT_FALSE(set->addFrame(nullptr, 10));
    ASSERT_EQ(2, set->frameCount());
    EXPECT_EQ(first, set->frameAt(0));
    EXPECT_EQ(second, set->frameAt(1));
    EXPECT_EQ(100, set->delayAt(0));
    EXPECT_EQ(0, set->delayAt(1));
    EXPECT_EQ(nullptr, set->frameAt(2));
    EXPECT_EQ(nullptr, set->frameAt(-1));
    EXPECT_EQ(0, set->delayAt(7));
    EXPECT_EQ(4, set->width());  // the first frame's size
    EXPECT_EQ(3, set->height());
    set->release();
}

TEST(BufferedImageSet, ReleasingTheSetGivesBackEveryFrame) {
    auto fillAndRelease = [] {
        BufferedImageSet* set = BufferedImageSet::acquire();
        for (int i = 0; i < 5; ++i) set->addFrame(BufferedImage::acquireSized(16, 16), 10);
        set->release();
    };
    fillAndRelease();  // warm-up: pools and caches
    const testing_resources::Counts before = testing_resources::current();
    for (int round = 0; round < 20; ++round) fillAndRelease();
    EXPECT_EQ(before.gdi, testing_resources::current().gdi);
    BufferedImageSet* set = BufferedImageSet::acquire();
    EXPECT_EQ(0, set->frameCount());  // a recycled set starts empty
    set->release();
}

}  // namespace
