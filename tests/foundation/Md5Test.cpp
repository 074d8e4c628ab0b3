// Md5: the RFC 1321 test suite, input fed in pieces of every awkward size, and
// reuse after finishing and through the pool.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "StrTestSupport.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/digest/md5/Md5.h"

namespace s::strtest {
namespace {

using digest::md5::Md5;

std::string hexOf(const uint8_t* digest) {
    static const char HEX[] = "0123456789abcdef";
    std::string text;
    for (uint32_t i = 0; i < Md5::DIGEST_SIZE; ++i) {
        text.push_back(HEX[digest[i] >> 4]);
        text.push_back(HEX[digest[i] & 15]);
    }
    return text;
}

std::string md5Of(const std::string& input, size_t piece = 0) {
    Held<Md5> md5(Md5::acquire());
    if (piece == 0) {
        md5->update(input.data(), input.size());
    } else {
        for (size_t at = 0; at < input.size(); at += piece) {
            md5->update(input.data() + at, input.size() - at < piece ? input.size() - at : piece);
        }
    }
    uint8_t digest[Md5::DIGEST_SIZE];
    md5->finish(digest);
    return hexOf(digest);
}

TEST(Md5, Rfc1321Suite) {
    EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", md5Of(""));
    EXPECT_EQ("0cc175b9c0f1b6a831c399e269772661", md5Of("a"));
    EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", md5Of("abc"));
    EXPECT_EQ("f96b697d7cb7938d525a2f31aaf161d0", md5Of("message digest"));
    EXPECT_EQ("c3fcd3d76192e4007dfb496cca67e13b", md5Of("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ("d174ab98d277d9f5a5611c2c9f419d9f",
              md5Of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"));
    EXPECT_EQ("57edf4a22be3c955ac49da2e2107b67a",
              md5Of("12345678901234567890123456789012345678901234567890123456789012345678901234567890"));
}

TEST(Md5, PiecesOfAnySizeGiveTheSameDigest) {
    std::string input;
    for (int i = 0; i < 1000; ++i) input.push_back(char(i * 7));
    const std::string whole = md5Of(input);
    for (size_t piece : {1, 3, 55, 56, 63, 64, 65, 127, 128, 999}) EXPECT_EQ(whole, md5Of(input, piece)) << piece;
    // Lengths around the padding boundary (55/56 bytes and 119/120).
    EXPECT_EQ("ef1772b6dff9a122358552954ad0df65", md5Of(std::string(55, 'a')));
    EXPECT_EQ("3b0c8ac703f828b04c6c197006d17218", md5Of(std::string(56, 'a')));
    EXPECT_EQ("7707d6ae4e027c70eea2a935c2296f21", md5Of(std::string(1000000, 'a'), 4096));
}

TEST(Md5, FinishStartsOverAndFinishIntoAppends) {
    Held<Md5> md5(Md5::acquire());
    EXPECT_STREQ(L"s_digest_md5_Md5", md5->getClassName());
    md5->update("abc", 3);
    BytesPtr bytes(md5->finishInto());
    ASSERT_EQ(16u, bytes->length());
    EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", hexOf(bytes->elements()));
    md5->update("a", 1);
    md5->finishInto(bytes.get(), true);
    ASSERT_EQ(32u, bytes->length());
    EXPECT_EQ("0cc175b9c0f1b6a831c399e269772661", hexOf(bytes->elements() + 16));
    md5->finishInto(bytes.get(), false);
    ASSERT_EQ(16u, bytes->length());
    EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", hexOf(bytes->elements()));
}

TEST(Md5, AReleasedDigesterComesBackFresh) {
    Md5* md5 = Md5::acquire();
    md5->update("half-fed", 8);
    md5->release();
    Held<Md5> again(Md5::acquire());
    uint8_t digest[Md5::DIGEST_SIZE];
    again->finish(digest);
    EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", hexOf(digest));
}

}  // namespace
}  // namespace s::strtest
