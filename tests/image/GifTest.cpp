// GIF decoding through the platform's picture loader: a 37 x 23 test picture,
// left part red, right part blue, the top-left pixel transparent, the
// bottom-right pixel white.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "image/gif/win/Gif.h"
#include "image/win/BufferedImage.h"
#include "image/win/ResourceBytes.h"

namespace {

using s::image::gif::win::Gif;
using s::image::win::BufferedImage;

constexpr int TEST_PICTURE = 140;

TEST(Gif, ResourceDecodesToItsSizeColoursAndTransparency) {
    BufferedImage* image = Gif::decodeResource(Gif::RESOURCE_TYPE, TEST_PICTURE);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(37, image->width());
    EXPECT_EQ(23, image->height());
    EXPECT_TRUE(image->isTransparent());
    EXPECT_EQ(0x00000000u, image->rowAddress(0)[0]);
    EXPECT_EQ(0xFFFF0000u, image->rowAddress(0)[1]);
    EXPECT_EQ(0xFFFF0000u, image->rowAddress(22)[17]);
    EXPECT_EQ(0xFF0000FFu, image->rowAddress(0)[18]);
    EXPECT_EQ(0xFF0000FFu, image->rowAddress(22)[35]);
    EXPECT_EQ(0xFFFFFFFFu, image->rowAddress(22)[36]);
    image->release();
}

TEST(Gif, BytesThatAreNotAGifGiveNoImage) {
    const s::image::win::ResourceBytes jpeg = s::image::win::ResourceBytes::find(L"IDR_JPG", 131);
    ASSERT_FALSE(jpeg.empty());
    EXPECT_EQ(nullptr, Gif::decode(jpeg.data, jpeg.size));
    const uint8_t signatureOnly[] = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_EQ(nullptr, Gif::decode(signatureOnly, sizeof signatureOnly));
    std::vector<uint8_t> garbage(64, 0xAB);
    garbage[0] = 'G', garbage[1] = 'I', garbage[2] = 'F', garbage[3] = '8', garbage[4] = '9', garbage[5] = 'a';
    BufferedImage* image = Gif::decode(garbage.data(), garbage.size());
    // The loader may reject it or make something of it; either way nothing crashes,
    // and anything it makes is a real image.
    if (image) {
        EXPECT_NE(nullptr, image->bits());
        image->release();
    }
    EXPECT_EQ(nullptr, Gif::decodeResource(Gif::RESOURCE_TYPE, 999));
}

}  // namespace
