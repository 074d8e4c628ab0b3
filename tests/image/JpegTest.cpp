// JPEG decoding: the program's two embedded pictures, grey and CMYK pictures,
// and bytes that are not a complete JPEG (which must give no image, not a crash
// or an exit of the process).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "image/jpg/win/Jpeg.h"
#include "image/win/BufferedImage.h"
#include "image/win/ResourceBytes.h"

namespace {

using s::image::jpg::win::Jpeg;
using s::image::win::BufferedImage;
using s::image::win::ResourceBytes;

constexpr int WIDE_PICTURE = 131;
constexpr int TALL_PICTURE = 132;

std::vector<uint8_t> resourceCopy(int id) {
    const ResourceBytes bytes = ResourceBytes::find(L"IDR_JPG", id);
    return std::vector<uint8_t>(bytes.data, bytes.data + bytes.size);
}

// libjpeg's own RGB output, the reference for the decoder's pixels.
std::vector<uint8_t> referenceRgb(const std::vector<uint8_t>& bytes, unsigned* width, unsigned* height) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *width = info.output_width;
    *height = info.output_height;
    std::vector<uint8_t> pixels(size_t(*width) * *height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &pixels[size_t(info.output_scanline) * *width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels;
}

// A small JPEG made here, for colour spaces the embedded pictures do not use.
std::vector<uint8_t> encode(int width, int height, int components, J_COLOR_SPACE space,
                            const std::vector<uint8_t>& pixels) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&pixels[size_t(info.next_scanline) * width * components]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return out;
}

int channel(uint32_t pixel, int shift) {
    return int((pixel >> shift) & 0xFF);
}

void expectSameAsReference(BufferedImage* image, const std::vector<uint8_t>& bytes) {
    unsigned width = 0, height = 0;
    const std::vector<uint8_t> reference = referenceRgb(bytes, &width, &height);
    ASSERT_EQ(int32_t(width), image->width());
    ASSERT_EQ(int32_t(height), image->height());
    for (unsigned y = 0; y < height; ++y) {
        const uint32_t* row = image->rowAddress(int32_t(y));
        for (unsigned x = 0; x < width; ++x) {
            const uint8_t* rgb = &reference[(size_t(y) * width + x) * 3];
            const uint32_t expected = 0xFF000000u | uint32_t(rgb[0]) << 16 | uint32_t(rgb[1]) << 8 | rgb[2];
            ASSERT_EQ(expected, row[x]) << "at " << x << "," << y;
        }
    }
}

TEST(Jpeg, WidePictureDecodesToItsSizeWithLibjpegsPixels) {
    BufferedImage* image = Jpeg::decodeResource(Jpeg::RESOURCE_TYPE, WIDE_PICTURE);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(700, image->width());
    EXPECT_EQ(230, image->height());
    EXPECT_FALSE(image->isTransparent());
    expectSameAsReference(image, resourceCopy(WIDE_PICTURE));
    image->release();
}

TEST(Jpeg, TallPictureDecodesToItsSizeWithColour) {
    BufferedImage* image = Jpeg::decodeResource(Jpeg::RESOURCE_TYPE, TALL_PICTURE);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(230, image->width());
    EXPECT_EQ(700, image->height());
    // The top row is a light tint of red: not a flat grey, and not upside down.
    const uint32_t topLeft = image->rowAddress(0)[0];
    EXPECT_EQ(0xFFu, uint32_t(channel(topLeft, 24)));
    EXPECT_GT(channel(topLeft, 16), channel(topLeft, 0) + 40);
    expectSameAsReference(image, resourceCopy(TALL_PICTURE));
    image->release();
}

TEST(Jpeg, MissingResourceGivesNoImage) {
    EXPECT_EQ(nullptr, Jpeg::decodeResource(Jpeg::RESOURCE_TYPE, 999));
    EXPECT_EQ(nullptr, Jpeg::decodeResource(L"IDR_NONE", WIDE_PICTURE));
}

TEST(Jpeg, GreyPictureComesOutAsEqualChannels) {
    std::vector<uint8_t> grey(16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) grey[size_t(y) * 16 + x] = uint8_t(x * 16);
    const std::vector<uint8_t> bytes = encode(16, 8, 1, JCS_GRAYSCALE, grey);
    BufferedImage* image = Jpeg::decode(bytes.data(), bytes.size());
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(16, image->width());
    EXPECT_EQ(8, image->height());
    for (int x = 0; x < 16; ++x) {
        const uint32_t pixel = image->rowAddress(3)[x];
        EXPECT_EQ(channel(pixel, 0), channel(pixel, 8));
        EXPECT_EQ(channel(pixel, 8), channel(pixel, 16));
        EXPECT_NEAR(x * 16, channel(pixel, 0), 6);
        EXPECT_EQ(0xFF, channel(pixel, 24));
    }
    image->release();
}

TEST(Jpeg, CmykPictureComesOutAsRgb) {
    // Inverted CMYK as Adobe writes it (255 = no ink): left half full cyan ink, right half none.
    std::vector<uint8_t> cmyk;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) cmyk.insert(cmyk.end(), {uint8_t(x < 8 ? 0 : 255), 255, 255, 255});
    const std::vector<uint8_t> bytes = encode(16, 8, 4, JCS_CMYK, cmyk);
    BufferedImage* image = Jpeg::decode(bytes.data(), bytes.size());
    ASSERT_NE(nullptr, image);
    const uint32_t cyan = image->rowAddress(4)[2];
    const uint32_t white = image->rowAddress(4)[13];
    EXPECT_LT(channel(cyan, 16), 30);
    EXPECT_GT(channel(cyan, 8), 220);
    EXPECT_GT(channel(cyan, 0), 220);
    EXPECT_GT(channel(white, 16), 220);
    image->release();
}

TEST(Jpeg, TruncatedPictureGivesNoImage) {
    const std::vector<uint8_t> bytes = resourceCopy(WIDE_PICTURE);
    ASSERT_GT(bytes.size(), 1000u);
    for (size_t keep : {size_t(2), size_t(20), bytes.size() / 3, bytes.size() / 2, bytes.size() - 3})
        EXPECT_EQ(nullptr, Jpeg::decode(bytes.data(), keep)) << "kept " << keep << " bytes";
}

TEST(Jpeg, CorruptBytesGiveNoImage) {
    const std::vector<uint8_t> good = resourceCopy(WIDE_PICTURE);

    std::vector<uint8_t> zeroedTail = good;
    for (size_t i = good.size() / 3; i < good.size(); ++i) zeroedTail[i] = 0;
    EXPECT_EQ(nullptr, Jpeg::decode(zeroedTail.data(), zeroedTail.size()));

    // Sample precision 7 in the frame header.
    std::vector<uint8_t> badFrame = good;
    bool found = false;
    for (size_t i = 2; i + 4 < badFrame.size() && !found; ++i) {
        if (badFrame[i] == 0xFF && (badFrame[i + 1] == 0xC0 || badFrame[i + 1] == 0xC2)) {
            badFrame[i + 4] = 7;
            found = true;
        }
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(nullptr, Jpeg::decode(badFrame.data(), badFrame.size()));

    std::vector<uint8_t> noise(4096);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = uint8_t(i * 131 + 7);
    EXPECT_EQ(nullptr, Jpeg::decode(noise.data(), noise.size()));
    noise[0] = 0xFF;
    noise[1] = 0xD8;  // a start marker followed by noise
    EXPECT_EQ(nullptr, Jpeg::decode(noise.data(), noise.size()));

    EXPECT_EQ(nullptr, Jpeg::decode(good.data(), 0));
    EXPECT_EQ(nullptr, Jpeg::decode(nullptr, 100));
}

TEST(Jpeg, DecodingAgainAfterFailuresStillWorks) {
    const std::vector<uint8_t> good = resourceCopy(TALL_PICTURE);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(nullptr, Jpeg::decode(good.data(), good.size() / 2));
    BufferedImage* image = Jpeg::decode(good.data(), good.size());
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(700, image->height());
    image->release();
}

}  // namespace
