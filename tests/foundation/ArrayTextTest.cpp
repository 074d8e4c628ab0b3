// The text forms of the arrays: toString, toXml, the element dumps and the digest.
#include <gtest/gtest.h>

#include <string>

#include "foundation/col/_array/ArrayP.h"
#include "foundation/col/_array/ArrayS08.h"
#include "foundation/col/_array/ArrayS32.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/digest/md5/Md5.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::test {
namespace {

using col::_array::ArrayP;
using col::_array::ArrayS08;
using col::_array::ArrayS32;
using col::_array::ArrayU08;
using str::strbuffer::StrBuffer;

// Takes the text out of a string the array made and gives the string back.
std::wstring take(StrBuffer* string) {
    EXPECT_NE(string, nullptr);
    if (!string) return L"";
    std::wstring text(string->c_str());
    string->release();
    return text;
}

TEST(ArrayTextTest, ToStringListsTheValuesAfterTheClassName) {
    ArrayS32* a = ArrayS32::acquire();
    EXPECT_EQ(take(a->toString()), L"s_col__array_ArrayS32 []");
    a->add(1);
    a->add(2);
    a->add(3);
    EXPECT_EQ(take(a->toString()), L"s_col__array_ArrayS32 [1 2 3]");
    a->set(1, -2);
    EXPECT_EQ(take(a->toString()), L"s_col__array_ArrayS32 [1 -2 3]");
    a->release();

    ArrayU08* bytes = ArrayU08::acquire();
    bytes->add(255);
    EXPECT_EQ(take(bytes->toString()), L"s_col__array_ArrayU08 [255]");
    bytes->release();
    ArrayS08* signedBytes = ArrayS08::acquire();
    signedBytes->add(-1);
    EXPECT_EQ(take(signedBytes->toString()), L"s_col__array_ArrayS08 [-1]");
    signedBytes->release();
}

TEST(ArrayTextTest, ToStringClearsOrAppendsToTheCallersString) {
    ArrayS32* a = ArrayS32::acquire();
    a->add(7);
    StrBuffer* out = StrBuffer::acquire();
    out->append(L"x=");
    EXPECT_EQ(a->toString(out, true), out);
    EXPECT_STREQ(out->c_str(), L"x=s_col__array_ArrayS32 [7]");
    a->toString(out, false);
    EXPECT_STREQ(out->c_str(), L"s_col__array_ArrayS32 [7]");
    out->release();
    a->release();
}

TEST(ArrayTextTest, PointerElementsShowTheirClassAndDecimalAddress) {
    ArrayP* list = ArrayP::acquire();
    ArrayS32* element = ArrayS32::acquire();
    list->addObject(element);
    list->add(nullptr);
    const std::wstring address = std::to_wstring(reinterpret_cast<uintptr_t>(static_cast<base::IObject*>(element)));
    EXPECT_EQ(take(list->toString()), L"s_col__array_ArrayP [s_col__array_ArrayS32(" + address + L") (0)]");
    EXPECT_EQ(take(list->toXml()), L"<s_col__array_ArrayP length=\"2\"></s_col__array_ArrayP>");
    element->release();
    list->release();
}

TEST(ArrayTextTest, ToXmlWrapsTheElementDump) {
    ArrayU08* bytes = ArrayU08::acquire();
    EXPECT_EQ(take(bytes->toXml()), L"<s_col__array_ArrayU08 length=\"0\"></s_col__array_ArrayU08>");
    bytes->add(0x0A);
    bytes->add(0xFF);
    EXPECT_EQ(take(bytes->toXml()), L"<s_col__array_ArrayU08 length=\"2\">0aff</s_col__array_ArrayU08>");
    EXPECT_EQ(take(bytes->appendElements()), L"0aff");
    bytes->release();

    ArrayS32* ints = ArrayS32::acquire();
    ints->add(-1);
    ints->add(0x1234);
    EXPECT_EQ(take(ints->toXml()), L"<s_col__array_ArrayS32 length=\"2\">ffffffff00001234</s_col__array_ArrayS32>");
    ints->release();

    ArrayS08* signedBytes = ArrayS08::acquire();
    signedBytes->add(5);
    EXPECT_EQ(take(signedBytes->toXml()), L"<s_col__array_ArrayS08 length=\"1\"></s_col__array_ArrayS08>");
    signedBytes->release();
}

TEST(ArrayTextTest, DigestHashesTheRawBytes) {
    ArrayU08* bytes = ArrayU08::acquire();
    bytes->append("abc", 3);
    ArrayU08* md5 = bytes->digest();
    ASSERT_NE(md5, nullptr);
    EXPECT_EQ(take(md5->appendElements()), L"900150983cd24fb0d6963f7d28e17f72");
    md5->release();

    // The same bytes as one 32-bit element digest alike; a given digester is used and kept.
    ArrayS32* ints = ArrayS32::acquire();
    ints->add(0x00636261);  // "abc\0" little-endian
    digest::md5::Md5* digester = digest::md5::Md5::acquire();
    ArrayU08* result = ArrayU08::acquire();
    result->add(1);
    EXPECT_EQ(ints->digest(digester, result, true), result);
    EXPECT_EQ(result->length(), 17u);
    bytes->clear();
    bytes->append("abc\0", 4);
    ArrayU08* expected = bytes->digest(digester);
    EXPECT_EQ(result->compareRange(1, expected->data(), 16, 0), 0);
    expected->release();
    result->release();
    digester->release();
    ints->release();
    bytes->release();
}

}  // namespace
}  // namespace s::test
