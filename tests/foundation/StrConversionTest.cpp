// StrBuffer encodings: UTF-8 round trips (non-BMP included), invalid input that
// must never make a conversion read or write outside its buffers, OEM and system
// code pages, UTF-16 in both byte orders, the NUL rules, and the MD5 digest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "StrTestSupport.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/digest/md5/Md5.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/system/codepage/CodePage.h"

namespace s::strtest {
namespace {

using col::_array::ArrayU08;
using str::strbuffer::StrBuffer;
using system::codepage::CodePage;

// Bytes placed so that they end exactly where an inaccessible page begins: a read
// past them faults at once.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::vector<uint8_t>& bytes) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, page_ * 2, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(base_ + page_, page_, PAGE_NOACCESS, &old);
        start_ = base_ + page_ - bytes.size();
        memcpy(start_, bytes.data(), bytes.size());
    }
    ~GuardedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    const char* chars() const { return reinterpret_cast<const char*>(start_); }
    const void* data() const { return start_; }

private:
    uint8_t* base_;
    uint8_t* start_;
    size_t page_;
};

// A byte array whose spare capacity is filled with a marker, to see what a
// conversion writes beyond the bytes it reports.
BytesPtr markedArray(uint32_t capacity) {
    BytesPtr bytes(ArrayU08::acquire());
    bytes->setLength(capacity);
    memset(bytes->elements(), 0xAA, capacity);
    bytes->clear();
    return bytes;
}

void expectMarkedFrom(const ArrayU08* bytes, uint32_t from) {
    for (uint32_t i = from; i < bytes->capacity(); ++i) {
        ASSERT_EQ(0xAA, bytes->elements()[i]) << "byte " << i << " was written";
    }
}

// G clef (U+1D11E) and a smiling face (U+1F600): surrogate pairs.
const wchar_t MIXED[] = L"A\x00E9\x20AC\xD834\xDD1E\xD83D\xDE00z";
const std::vector<uint8_t> MIXED_UTF8 = {'A',  0xC3, 0xA9, 0xE2, 0x82, 0xAC, 0xF0, 0x9D,
                                         0x84, 0x9E, 0xF0, 0x9F, 0x98, 0x80, 'z'};

// ---- UTF-8

TEST(StrUtf8, RoundTripWithNonBmpCharacters) {
    StrPtr s = makeStr(MIXED);
    BytesPtr bytes(s->toUtf8NoNul());
    EXPECT_EQ(MIXED_UTF8, bytesOf(bytes.get()));
    EXPECT_EQ(0, bytes->elements()[bytes->length()]);  // written, not counted
    StrPtr back = makeStr();
    EXPECT_EQ(8u, back->fromUtf8(reinterpret_cast<const char*>(bytes->elements()), false,
                                 int32_t(bytes->length())));
    EXPECT_EQ(std::wstring(MIXED), textOf(back.get()));
}

TEST(StrUtf8, CountedNulAndAppend) {
    StrPtr s = makeStr(L"ab");
    BytesPtr bytes(s->toUtf8());
    EXPECT_EQ((std::vector<uint8_t>{'a', 'b', 0}), bytesOf(bytes.get()));
    s->toUtf8(bytes.get(), true);
    EXPECT_EQ((std::vector<uint8_t>{'a', 'b', 0, 'a', 'b', 0}), bytesOf(bytes.get()));
    s->toUtf8NoNul(bytes.get(), false);
    EXPECT_EQ((std::vector<uint8_t>{'a', 'b'}), bytesOf(bytes.get()));
    BytesPtr empty(makeStr()->toUtf8());
    EXPECT_EQ((std::vector<uint8_t>{0}), bytesOf(empty.get()));
}

TEST(StrUtf8, FromUtf8CountsAndAppends) {
    StrPtr s = makeStr(L"old");
    EXPECT_EQ(2u, s->fromUtf8("xyz", false, 2));
    EXPECT_EQ(L"xy", textOf(s.get()));
    EXPECT_EQ(3u, s->fromUtf8("\xE2\x82\xAC!\xC3\xA9", true));
    EXPECT_EQ(L"xy\x20AC!\x00E9", textOf(s.get()));
    EXPECT_EQ(0u, s->fromUtf8("", false));
    EXPECT_EQ(0u, s->length());
    EXPECT_EQ(0u, s->fromUtf8(nullptr, true));
}

TEST(StrUtf8, InvalidInputIsReadOnlyWithinItsCount) {
    const std::vector<std::vector<uint8_t>> inputs = {
        {'a', 0xC3},                    // truncated two-byte sequence
        {'a', 0xF0, 0x9D, 0x84},        // truncated four-byte sequence
        {'a', 0xFF, 0xFE},              // bytes that never occur
        {'a', 0xC0, 0xAF},              // overlong encoding of '/'
        {'a', 0xED, 0xA0, 0x80},        // an encoded surrogate
        {'a', 0x80, 0x80, 0x80, 0x80},  // continuation bytes alone
    };
    for (const std::vector<uint8_t>& input : inputs) {
        GuardedBytes guarded(input);
        StrPtr s = makeStr();
        const uint32_t produced = s->fromUtf8(guarded.chars(), false, int32_t(input.size()));
        EXPECT_EQ(produced, s->length());
        EXPECT_LE(s->length(), input.size());
        ASSERT_GE(s->length(), 1u);
        EXPECT_EQ(L'a', s->charAt(0));
    }
}

TEST(StrUtf8, ACountCutsASequenceWithoutReadingOn) {
    // The euro sign's last byte lies beyond the count (and beyond the guard).
    GuardedBytes guarded({'x', 0xE2, 0x82});
    StrPtr s = makeStr();
    s->fromUtf8(guarded.chars(), false, 3);
    ASSERT_GE(s->length(), 1u);
    EXPECT_NE(std::wstring::npos, textOf(s.get()).find(L'x'));
    EXPECT_EQ(std::wstring::npos, textOf(s.get()).find(L'\x20AC'));
}

TEST(StrUtf8, UnpairedSurrogatesStayInsideTheArray) {
    const std::vector<std::wstring> texts = {L"a\xD800" L"b", std::wstring(1, wchar_t(0xDC00)), L"x\xD83D",
                                             std::wstring(50, wchar_t(0xDFFF))};
    for (const std::wstring& text : texts) {
        StrPtr s = makeStr(text.c_str(), int32_t(text.size()));
        BytesPtr bytes = markedArray(1024);
        s->toUtf8NoNul(bytes.get(), false);
        EXPECT_LE(bytes->length(), 3 * text.size());
        EXPECT_EQ(0, bytes->elements()[bytes->length()]);
        expectMarkedFrom(bytes.get(), bytes->length() + 1);
    }
}

// ---- OEM and system code pages

TEST(StrCodePage, OemRoundTripOfAscii) {
    StrPtr s = makeStr(L"Hello, OEM 123");
    BytesPtr bytes(s->toOem());
    ASSERT_EQ(15u, bytes->length());
    EXPECT_EQ(0, bytes->elements()[14]);
    StrPtr back = makeStr();
    back->fromOem(reinterpret_cast<const char*>(bytes->elements()));
    EXPECT_EQ(L"Hello, OEM 123", textOf(back.get()));
    BytesPtr uncounted(s->toOemNoNul());
    EXPECT_EQ(14u, uncounted->length());
}

TEST(StrCodePage, Windows1252) {
    const CodePage* western = CodePage::find(1252);
    ASSERT_NE(nullptr, western);
    StrPtr s = makeStr(L"\x20AC\x00E9");
    BytesPtr bytes(s->toCodePageNoNul(western));
    EXPECT_EQ((std::vector<uint8_t>{0x80, 0xE9}), bytesOf(bytes.get()));
    StrPtr back = makeStr();
    EXPECT_EQ(2u, back->fromCodePage(western, "\x80\xE9"));
    EXPECT_EQ(L"\x20AC\x00E9", textOf(back.get()));
}

TEST(StrCodePage, PagesNeedingMoreThanThreeBytesPerUnitAreMeasured) {
    // GB18030 writes U+0080 as four bytes.
    CodePage* page = CodePage::acquire();
    page->set(54936, L"GB18030");
    const std::wstring text(10, wchar_t(0x80));
    const int expected = WideCharToMultiByte(54936, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    StrPtr s = makeStr(text.c_str());
    BytesPtr bytes(s->toCodePageNoNul(page));
    if (expected <= 0) {
        EXPECT_EQ(0u, bytes->length());  // the system lacks the page: nothing produced
    } else {
        EXPECT_EQ(uint32_t(expected), bytes->length());
        EXPECT_GT(bytes->length(), 30u);
    }
    page->release();
}

TEST(StrCodePage, NoPageConvertsNothing) {
    StrPtr s = makeStr(L"abc");
    BytesPtr bytes(s->toCodePage(nullptr));
    EXPECT_EQ((std::vector<uint8_t>{0}), bytesOf(bytes.get()));
    EXPECT_EQ(0u, s->fromCodePage(nullptr, "xyz"));
    EXPECT_EQ(0u, s->length());
}

// ---- UTF-16 by object identity

TEST(StrUtf16, LittleEndianCopiesTheUnits) {
    StrPtr s = makeStr(L"A\xD834\xDD1E");
    BytesPtr bytes(s->toCodePage(CodePage::utf16()));
    EXPECT_EQ((std::vector<uint8_t>{0x41, 0x00, 0x34, 0xD8, 0x1E, 0xDD, 0x00, 0x00}), bytesOf(bytes.get()));
    BytesPtr uncounted(s->toCodePageNoNul(CodePage::utf16()));
    EXPECT_EQ(6u, uncounted->length());
    StrPtr back = makeStr();
    EXPECT_EQ(3u, back->fromCodePage(CodePage::utf16(), bytes->elements()));  // measured up to the NUL unit
    EXPECT_EQ(textOf(s.get()), textOf(back.get()));
}

TEST(StrUtf16, BigEndianSwapsEachUnit) {
    StrPtr s = makeStr(L"A\xD834\xDD1E");
    BytesPtr bytes(s->toCodePageNoNul(CodePage::utf16be()));
    EXPECT_EQ((std::vector<uint8_t>{0x00, 0x41, 0xD8, 0x34, 0xDD, 0x1E}), bytesOf(bytes.get()));
    StrPtr back = makeStr(L"keep:");
    EXPECT_EQ(3u, back->fromCodePage(CodePage::utf16be(), bytes->elements(), true, int32_t(bytes->length())));
    EXPECT_EQ(L"keep:A\xD834\xDD1E", textOf(back.get()));
}

TEST(StrUtf16, OddCountsAndMeasuringStayInsideTheSource) {
    GuardedBytes odd({0x41, 0x00, 0x42});
    StrPtr s = makeStr();
    EXPECT_EQ(1u, s->fromCodePage(CodePage::utf16(), odd.data(), false, 3));
    EXPECT_EQ(L"A", textOf(s.get()));
    GuardedBytes terminated({0x00, 0x41, 0x00, 0x00});
    EXPECT_EQ(1u, s->fromCodePage(CodePage::utf16be(), terminated.data()));
    EXPECT_EQ(L"A", textOf(s.get()));
}

TEST(StrUtf16, AnotherObjectOfPage1200IsNotTheUtf16Page) {
    CodePage* lookalike = CodePage::acquire();
    lookalike->set(CodePage::UTF16, L"UTF-16");
    ASSERT_NE(CodePage::utf16(), lookalike);
    StrPtr s = makeStr(L"A");
    BytesPtr bytes(s->toCodePageNoNul(lookalike));
    // Handed to the system, which has no byte conversion for page 1200.
    EXPECT_NE((std::vector<uint8_t>{0x41, 0x00}), bytesOf(bytes.get()));
    lookalike->release();
}

// ---- Digest

std::wstring hexOf(const ArrayU08* bytes) {
    StrPtr text = makeStr();
    text->appendHexU08(bytes->elements(), bytes->length());
    return textOf(text.get());
}

TEST(StrDigest, Md5OfTheUtf16Bytes) {
    BytesPtr empty(makeStr()->digest());
    EXPECT_EQ(L"d41d8cd98f00b204e9800998ecf8427e", hexOf(empty.get()));
    BytesPtr a(makeStr(L"a")->digest());
    EXPECT_EQ(L"4144e195f46de78a3623da7364d04f11", hexOf(a.get()));  // MD5 of 61 00
    digest::md5::Md5* md5 = digest::md5::Md5::acquire();
    // The caller's digester and array: the digest is appended to the array given.
    EXPECT_EQ(a.get(), makeStr(L"Hello")->digest(md5, a.get(), true));
    EXPECT_EQ(L"4144e195f46de78a3623da7364d04f11ed8deef5ba6e0731d0c01ee7c4bafc36", hexOf(a.get()));
    md5->release();
}

}  // namespace
}  // namespace s::strtest
