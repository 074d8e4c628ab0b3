// Proves the cross-built libjpeg links and decodes the program's own pictures
// straight from the module's resources.
#include <windows.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include <gtest/gtest.h>

namespace {

struct Decoded {
    unsigned width = 0;
    unsigned height = 0;
    int components = 0;
    std::vector<unsigned char> pixels;
};

bool loadResource(int id, const unsigned char** bytes, DWORD* size) {
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"IDR_JPG");
    if (!info) return false;
    HGLOBAL block = LoadResource(nullptr, info);
    *bytes = static_cast<const unsigned char*>(LockResource(block));
    *size = SizeofResource(nullptr, info);
    return *bytes && *size;
}

Decoded decode(const unsigned char* bytes, DWORD size) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(bytes), size);
    Decoded out;
    if (jpeg_read_header(&cinfo, TRUE) == JPEG_HEADER_OK && jpeg_start_decompress(&cinfo)) {
        out.width = cinfo.output_width;
        out.height = cinfo.output_height;
        out.components = cinfo.output_components;
        out.pixels.resize(size_t(out.width) * out.height * out.components);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = &out.pixels[size_t(cinfo.output_scanline) * out.width * out.components];
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
    }
    jpeg_destroy_decompress(&cinfo);
    return out;
}

}  // namespace

TEST(JpegResource, WidePictureDecodesToItsSize) {
    const unsigned char* bytes = nullptr;
    DWORD size = 0;
    ASSERT_TRUE(loadResource(131, &bytes, &size));
    Decoded picture = decode(bytes, size);
    EXPECT_EQ(700u, picture.width);
    EXPECT_EQ(230u, picture.height);
    EXPECT_EQ(3, picture.components);
}

TEST(JpegResource, TallPictureDecodesToItsSizeWithColour) {
    const unsigned char* bytes = nullptr;
    DWORD size = 0;
    ASSERT_TRUE(loadResource(132, &bytes, &size));
    Decoded picture = decode(bytes, size);
    ASSERT_EQ(230u, picture.width);
    ASSERT_EQ(700u, picture.height);
    // The first row is a light tint of red; the picture is not a flat grey.
    const unsigned char* first = &picture.pixels[0];
    EXPECT_GT(int(first[0]), int(first[2]) + 40);
}
