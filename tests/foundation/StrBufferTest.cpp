// StrBuffer: storage and growth, comparison and hashing, case changes, editing,
// trims, numbers, parsing, the stream views, iterators and the pool.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "StrTestSupport.h"
#include "foundation/base/IComparator.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/Iterator.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::strtest {
namespace {

using str::strbuffer::Iterator;
using str::strbuffer::StrBuffer;

// ---- Growth

TEST(StrBufferGrowth, StepsFollowThePolicy) {
    EXPECT_EQ(100u, StrBuffer::nextCapacity(0));
    EXPECT_EQ(100u, StrBuffer::nextCapacity(99));
    EXPECT_EQ(300u, StrBuffer::nextCapacity(100));
    EXPECT_EQ(29999997u, StrBuffer::nextCapacity(9999999));
    EXPECT_EQ(20000000u, StrBuffer::nextCapacity(10000000));
    EXPECT_EQ(99999998u, StrBuffer::nextCapacity(49999999));
    EXPECT_EQ(75000000u, StrBuffer::nextCapacity(50000000));
    EXPECT_EQ(149999998u, StrBuffer::nextCapacity(99999999));  // 1.5x truncated
    EXPECT_EQ(120000000u, StrBuffer::nextCapacity(100000000));
    EXPECT_EQ(120000001u, StrBuffer::nextCapacity(100000001));  // 1.2x truncated
    // Never beyond the largest capacity, and no step from it.
    EXPECT_EQ(StrBuffer::MAX_CAPACITY, StrBuffer::nextCapacity(2000000000));
    EXPECT_EQ(StrBuffer::MAX_CAPACITY, StrBuffer::nextCapacity(StrBuffer::MAX_CAPACITY));
}

TEST(StrBufferGrowth, ReserveRepeatsStepsWithoutAllocating) {
    EXPECT_EQ(100u, StrBuffer::reservedCapacity(0, 1));
    EXPECT_EQ(300u, StrBuffer::reservedCapacity(0, 101));
    EXPECT_EQ(100u, StrBuffer::reservedCapacity(100, 50));
    EXPECT_EQ(20000000u, StrBuffer::reservedCapacity(10000000, 10000001));
    EXPECT_EQ(0u, StrBuffer::reservedCapacity(0, StrBuffer::MAX_CAPACITY + 1u));
}

TEST(StrBufferGrowth, OneUnitAppendsGrowGeometrically) {
    StrPtr s = makeStr();
    EXPECT_EQ(0u, s->capacity());
    EXPECT_EQ(nullptr, s->data());
    ASSERT_TRUE(s->appendChar(L'x'));
    EXPECT_EQ(100u, s->capacity());
    for (int i = 1; i < 100; ++i) s->appendChar(L'x');
    EXPECT_EQ(100u, s->capacity());
    s->appendChar(L'y');  // the 101st
    EXPECT_EQ(300u, s->capacity());
    EXPECT_EQ(101u, s->length());
    EXPECT_EQ(L'y', s->charAt(100));
}

TEST(StrBufferGrowth, ExactAndStepReservations) {
    StrPtr s = makeStr();
    ASSERT_TRUE(s->reserveExact(150));
    EXPECT_EQ(150u, s->capacity());
    ASSERT_TRUE(s->reserveExact(10));  // never shrinks
    EXPECT_EQ(150u, s->capacity());
    ASSERT_TRUE(s->reserve(151));
    EXPECT_EQ(450u, s->capacity());
    ASSERT_TRUE(s->grow());
    EXPECT_EQ(1350u, s->capacity());
    EXPECT_FALSE(s->reserve(StrBuffer::MAX_CAPACITY + 1u));
    EXPECT_EQ(1350u, s->capacity());
}

TEST(StrBufferGrowth, SettingATextReservesExactly) {
    StrPtr s = makeStr(L"abc");
    EXPECT_EQ(3u, s->capacity());
    StrPtr copy(s->clone());
    EXPECT_EQ(3u, copy->capacity());
}

// ---- NUL termination and emptiness

TEST(StrBufferText, EmptyStringHasEmptyCStringAndNoEnd) {
    StrPtr s = makeStr();
    ASSERT_NE(nullptr, s->c_str());
    EXPECT_EQ(0, s->c_str()[0]);
    EXPECT_EQ(nullptr, s->end());
}

TEST(StrBufferText, NulIsWrittenOnDemand) {
    StrPtr s = makeStr();
    s->appendChar(L'a');
    s->appendChar(L'b');
    EXPECT_STREQ(L"ab", s->c_str());
    wchar_t* end = s->end();
    EXPECT_EQ(s->data() + 2, end);
    EXPECT_EQ(0, *end);
}

TEST(StrBufferText, EmbeddedNulsAreCounted) {
    StrPtr s = makeStr(L"a\0b", 3);
    EXPECT_EQ(3u, s->length());
    EXPECT_EQ(std::wstring(L"a\0b", 3), textOf(s.get()));
}

TEST(StrBufferText, ClearKeepsTheBlockAndFreeBufferDropsIt) {
    StrPtr s = makeStr(L"hello");
    wchar_t* block = s->data();
    s->clear();
    EXPECT_EQ(0u, s->length());
    EXPECT_EQ(block, s->data());
    EXPECT_EQ(5u, s->capacity());
    s->freeBuffer();
    EXPECT_EQ(nullptr, s->data());
    EXPECT_EQ(0u, s->capacity());
}

// ---- Comparison and hashing

TEST(StrBufferHash, Examples) {
    EXPECT_EQ(0, makeStr()->hashCode());
    EXPECT_EQ(0xA0, makeStr(L"ab")->hashCode());  // (0x61 << 1) ^ 0x62
    EXPECT_EQ(makeStr(L"abc")->hashCode(), makeStr(L"ABC")->hashCodeIgnoreCase());
    EXPECT_NE(makeStr(L"abc")->hashCode(), makeStr(L"ABC")->hashCode());
    // Only ASCII folds: U+00C4 and U+00E4 stay apart.
    EXPECT_NE(makeStr(L"\x00C4")->hashCodeIgnoreCase(), makeStr(L"\x00E4")->hashCodeIgnoreCase());
}

TEST(StrBufferHash, Bit30IsCarriedIntoBitZeroAndBit31IsDropped) {
    // 0x4000 moved up 16 places reaches bit 30; the next step copies it to bits 31 and 0,
    // the one after drops bit 31.
    std::wstring text(1, wchar_t(0x4000));
    text.append(17, wchar_t(0));
    EXPECT_EQ(int32_t(0x80000001u), makeStr(text.c_str(), int32_t(text.size()))->hashCode());
    text.push_back(0);
    EXPECT_EQ(2, makeStr(text.c_str(), int32_t(text.size()))->hashCode());
}

TEST(StrBufferCompare, ByUnitsThenByLength) {
    StrPtr abc = makeStr(L"abc");
    EXPECT_EQ(0, abc->compareTo(makeStr(L"abc").get()));
    EXPECT_LT(abc->compareTo(makeStr(L"abd").get()), 0);
    EXPECT_GT(abc->compareTo(makeStr(L"ab").get()), 0);
    EXPECT_LT(makeStr()->compareTo(abc.get()), 0);
    // Bytes in storage order: U+0100 (00 01) sorts before U+00FF (FF 00).
    EXPECT_LT(makeStr(L"\x0100")->compareTo(makeStr(L"\x00FF").get()), 0);
}

TEST(StrBufferCompare, IgnoringCase) {
    StrPtr abc = makeStr(L"abc");
    EXPECT_EQ(0, abc->compareToIgnoreCase(makeStr(L"ABC").get()));
    EXPECT_LT(abc->compareToIgnoreCase(makeStr(L"ABD").get()), 0);
    EXPECT_LT(abc->compareToIgnoreCase(makeStr(L"ABCD").get()), 0);
    EXPECT_TRUE(abc->equalsIgnoreCase(makeStr(L"aBc").get()));
    EXPECT_FALSE(abc->equals(makeStr(L"aBc").get()));
    EXPECT_TRUE(abc->equals(makeStr(L"abc").get()));
    EXPECT_FALSE(abc->equals(makeStr(L"abcd").get()));
}

class FixedComparator : public base::IComparator {
public:
    int32_t compare(const void*, const void*) const override { return 7; }
};

TEST(StrBufferCompare, AComparatorDecides) {
    FixedComparator comparator;
    StrPtr a = makeStr(L"same");
    StrPtr b = makeStr(L"same");
    EXPECT_EQ(7, a->compareTo(b.get(), &comparator));
    EXPECT_EQ(7, a->compareToIgnoreCase(b.get(), &comparator));
    EXPECT_FALSE(a->equals(b.get(), &comparator));
    EXPECT_FALSE(a->equalsIgnoreCase(b.get(), &comparator));
}

TEST(StrBufferCompare, AnotherKindOfObjectComparesByIdentity) {
    StrPtr a = makeStr(L"x");
    BytesPtr bytes(col::_array::ArrayU08::acquire());
    const int32_t forward = a->compareTo(bytes.get());
    EXPECT_NE(0, forward);
    EXPECT_FALSE(a->equals(bytes.get()));
    EXPECT_EQ(0, a->compareTo(a.get()));
}

// ---- Case and order

TEST(StrBufferCase, OnlyAsciiLettersChange) {
    StrPtr s = makeStr(L"AbC-\x00C4\x00E4z");
    s->toLowerCase();
    EXPECT_EQ(L"abc-\x00C4\x00E4z", textOf(s.get()));
    s->toUpperCase();
    EXPECT_EQ(L"ABC-\x00C4\x00E4Z", textOf(s.get()));
    EXPECT_EQ(L'a', s->lowerCharAt(0));
    EXPECT_EQ(L'Z', s->upperCharAt(6));
    EXPECT_EQ(wchar_t(0xE4), s->upperCharAt(5));
}

TEST(StrBufferCase, Capitalize) {
    StrPtr s = makeStr(L"hELLO wORLD");
    s->capitalize();
    EXPECT_EQ(L"Hello world", textOf(s.get()));
    StrPtr accented = makeStr(L"\x00E9T\x00C9");
    accented->capitalize();
    EXPECT_EQ(L"\x00E9t\x00C9", textOf(accented.get()));
}

TEST(StrBufferCase, Reverse) {
    StrPtr s = makeStr(L"abcd");
    s->reverse();
    EXPECT_EQ(L"dcba", textOf(s.get()));
    StrPtr odd = makeStr(L"abc");
    odd->reverse();
    EXPECT_EQ(L"cba", textOf(odd.get()));
}

// ---- Trims

TEST(StrBufferTrim, DefaultSetIncludesIdeographicSpace) {
    const wchar_t text[] = L" a \x3000\t";
    StrPtr end = makeStr(text);
    end->trimEnd();
    EXPECT_EQ(L" a", textOf(end.get()));
    StrPtr start = makeStr(text);
    start->trimStart();
    EXPECT_EQ(L"a \x3000\t", textOf(start.get()));
    StrPtr blank = makeStr(L" \r\n\t\x3000");
    blank->trimEnd();
    EXPECT_EQ(0u, blank->length());
}

TEST(StrBufferTrim, MinimumLengthAndOwnSets) {
    StrPtr s = makeStr(L"ab    ");
    s->trimEnd(3u);
    EXPECT_EQ(L"ab ", textOf(s.get()));
    StrPtr x = makeStr(L"xyaxy");
    x->trimEnd(L"yx", -1);
    EXPECT_EQ(L"xya", textOf(x.get()));
    x->trimStart(L"x", 1);
    EXPECT_EQ(L"ya", textOf(x.get()));
    StrPtr y = makeStr(L"a....");
    y->trimEnd(L".", 2u, 1);
    EXPECT_EQ(L"a.", textOf(y.get()));
}

// ---- Editing

TEST(StrBufferEdit, AppendPrependAndTheirOwnText) {
    StrPtr s = makeStr(L"cd");
    s->prepend(L"ab", -1);
    s->append(L"efg", 2);
    EXPECT_EQ(L"abcdef", textOf(s.get()));
    s->prepend(s->data() + 4, 2);  // its own text
    EXPECT_EQ(L"efabcdef", textOf(s.get()));
}

TEST(StrBufferEdit, AppendingItsOwnTextAcrossAReallocation) {
    std::wstring hundred(100, L'q');
    hundred[0] = L'a';
    StrPtr s = makeStr(hundred.c_str());
    ASSERT_EQ(100u, s->capacity());
    ASSERT_TRUE(s->append(s->data(), int32_t(s->length())));
    EXPECT_EQ(hundred + hundred, textOf(s.get()));
    ASSERT_TRUE(s->appendStr(s.get()));
    EXPECT_EQ(400u, s->length());
}

TEST(StrBufferEdit, AppendBytesSignExtends) {
    StrPtr s = makeStr();
    s->appendBytes("A\x80\xFF", 3);
    ASSERT_EQ(3u, s->length());
    EXPECT_EQ(wchar_t(0x41), s->charAt(0));
    EXPECT_EQ(wchar_t(0xFF80), s->charAt(1));
    EXPECT_EQ(wchar_t(0xFFFF), s->charAt(2));
    s->appendByteString("bc");
    EXPECT_EQ(5u, s->length());
    EXPECT_EQ(L'c', s->charAt(4));
}

TEST(StrBufferEdit, KeepRangeSubstringAndClone) {
    StrPtr s = makeStr(L"abcdef");
    StrPtr middle(s->substring(1, 3));
    EXPECT_EQ(L"bc", textOf(middle.get()));
    StrPtr empty(s->substring(2, 2));
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0u, empty->length());
    StrPtr clipped(s->substring(4, 99));
    EXPECT_EQ(L"ef", textOf(clipped.get()));
    StrPtr copy(s->clone());
    EXPECT_NE(s.get(), copy.get());
    EXPECT_TRUE(copy->equals(s.get()));
    s->keepRange(2, 4);
    EXPECT_EQ(L"cd", textOf(s.get()));
    s->keepRange(0, 99);
    EXPECT_EQ(L"cd", textOf(s.get()));
    s->keepRange(5, 1);
    EXPECT_EQ(0u, s->length());
}

TEST(StrBufferEdit, SetReplacesTheText) {
    StrPtr s = makeStr(L"old text");
    s->set(L"new");
    EXPECT_EQ(L"new", textOf(s.get()));
    s->setStr(s.get());
    EXPECT_EQ(L"new", textOf(s.get()));
    s->set(s->data() + 1, 2);  // from its own block
    EXPECT_EQ(L"ew", textOf(s.get()));
    s->setStr(nullptr);
    EXPECT_EQ(0u, s->length());
    s->append(nullptr);
    EXPECT_EQ(0u, s->length());
}

// ---- Numbers

TEST(StrBufferNumber, AppendFormats) {
    StrPtr s = makeStr();
    s->appendU08(255);
    s->appendChar(L' ');
    s->appendS08(-128);
    s->appendChar(L' ');
    s->appendU16(65535);
    s->appendChar(L' ');
    s->appendS16(-32768);
    EXPECT_EQ(L"255 -128 65535 -32768", textOf(s.get()));
    s->clear();
    s->appendS32(INT32_MIN);
    s->appendChar(L' ');
    s->appendU32(UINT32_MAX);
    s->appendChar(L' ');
    s->appendS64(INT64_MIN);
    s->appendChar(L' ');
    s->appendU64(UINT64_MAX);
    EXPECT_EQ(L"-2147483648 4294967295 -9223372036854775808 18446744073709551615", textOf(s.get()));
    s->clear();
    s->appendDouble(3.5);
    s->appendChar(L' ');
    s->appendFloat(0.1f);
    s->appendChar(L' ');
    s->appendS32(0);
    EXPECT_EQ(L"3.500000 0.100000 0", textOf(s.get()));
}

TEST(StrBufferNumber, AppendingANumberMakesRoomFor256Units) {
    StrPtr s = makeStr();
    s->appendS32(5);
    EXPECT_EQ(300u, s->capacity());
}

TEST(StrBufferNumber, HugeDoublesAreNotCut) {
    StrPtr s = makeStr(L"x");
    ASSERT_TRUE(s->appendDouble(-1e300));
    ASSERT_EQ(1u + 1 + 301 + 7, s->length());
    EXPECT_EQ(L"x-1", textOf(s.get()).substr(0, 3));
    EXPECT_EQ(L".000000", textOf(s.get()).substr(s->length() - 7));
}

TEST(StrBufferNumber, SetReplacesAndReservesExactly) {
    StrPtr s = makeStr(L"previous");
    s->setS32(-5);
    EXPECT_EQ(L"-5", textOf(s.get()));
    StrPtr fresh = makeStr();
    fresh->setU64(1234567890123ull);
    EXPECT_EQ(L"1234567890123", textOf(fresh.get()));
    EXPECT_EQ(13u, fresh->capacity());
    fresh->setDouble(2.0);
    EXPECT_EQ(L"2.000000", textOf(fresh.get()));
    fresh->setU08(7);
    EXPECT_EQ(L"7", textOf(fresh.get()));
    fresh->setS64(-1);
    EXPECT_EQ(L"-1", textOf(fresh.get()));
}

TEST(StrBufferNumber, SetFromSeveralThreadsSharesTheScratchSafely) {
    const int threads = 4;
    const int rounds = 2000;
    std::vector<int> mismatches(threads, 0);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([t, &mismatches] {
            StrBuffer* s = StrBuffer::acquire();
            for (int i = 0; i < rounds; ++i) {
                const int32_t value = t * 1000000 + i;
                s->setS32(value);
                if (s->toS32() != value) ++mismatches[t];
            }
            s->release();
        });
    }
    for (std::thread& worker : workers) worker.join();
    for (int t = 0; t < threads; ++t) EXPECT_EQ(0, mismatches[t]) << "thread " << t;
}

TEST(StrBufferNumber, HexDumps) {
    StrPtr s = makeStr();
    const uint8_t bytes[] = {0x0A, 0xFF};
    s->appendHexU08(bytes, 2);
    EXPECT_EQ(L"0aff", textOf(s.get()));
    s->clear();
    const int8_t signedBytes[] = {-1, 1};
    s->appendHexS08(signedBytes, 2);
    EXPECT_EQ(L"ff01", textOf(s.get()));  // two digits each, also when negative
    s->clear();
    const uint16_t shorts[] = {0xBEEF, 1};
    s->appendHexU16(shorts, 2);
    const int16_t signedShorts[] = {-2};
    s->appendHexS16(signedShorts, 1);
    EXPECT_EQ(L"beef0001fffe", textOf(s.get()));
    s->clear();
    const int32_t ints[] = {-2, 0x10};
    s->appendHexS32(ints, 2);
    const unsigned long dwords[] = {0xABCDEF01ul};
    s->appendHexDword(dwords, 1);
    const uint32_t uints[] = {0};
    s->appendHexU32(uints, 1);
    EXPECT_EQ(L"fffffffe00000010abcdef0100000000", textOf(s.get()));
    s->clear();
    const uint64_t longs[] = {0x0123456789ABCDEFull};
    s->appendHexU64(longs, 1);
    const int64_t signedLongs[] = {-1};
    s->appendHexS64(signedLongs, 1);
    EXPECT_EQ(L"0123456789abcdefffffffffffffffff", textOf(s.get()));
    s->clear();
    const uint64_t halves[] = {0x1111111122222222ull};
    s->appendHexU64LowHigh(halves, 1);
    EXPECT_EQ(L"2222222211111111", textOf(s.get()));
}

// ---- Parsing

TEST(StrBufferParse, LeadingDecimalNumber) {
    EXPECT_EQ(42, makeStr(L"  42abc")->toS32());
    EXPECT_EQ(0, makeStr(L"abc")->toS32());
    EXPECT_EQ(0, makeStr()->toS32());
    EXPECT_EQ(-17, makeStr(L"-17")->toInt());
    EXPECT_EQ(INT32_MAX, makeStr(L"99999999999")->toS32());  // clamps
    EXPECT_EQ(4000000000u, makeStr(L"4000000000")->toU32());
    EXPECT_EQ(INT64_MAX, makeStr(L"9223372036854775807")->toS64());
    EXPECT_EQ(UINT64_MAX, makeStr(L"18446744073709551615")->toU64());
    EXPECT_EQ(-5LL, makeStr(L"-5")->toLongLong());
    EXPECT_EQ(12L, makeStr(L"12")->toLong());
    EXPECT_EQ(12ul, makeStr(L"12")->toULong());
    EXPECT_DOUBLE_EQ(2500.0, makeStr(L"2.5e3")->toDouble());
    EXPECT_FLOAT_EQ(0.25f, makeStr(L" 0.25x")->toFloat());
}

TEST(StrBufferParse, IsInteger) {
    EXPECT_FALSE(makeStr(L"-")->isInteger());
    EXPECT_TRUE(makeStr(L"-5")->isInteger());
    EXPECT_FALSE(makeStr(L"5-")->isInteger());
    EXPECT_FALSE(makeStr()->isInteger());
    EXPECT_TRUE(makeStr(L"007")->isInteger());
    EXPECT_FALSE(makeStr(L" 5")->isInteger());
    EXPECT_FALSE(makeStr(L"+5")->isInteger());
}

TEST(StrBufferParse, Hexadecimal) {
    EXPECT_FALSE(makeStr()->isHex());
    EXPECT_TRUE(makeStr(L"09afAF")->isHex());
    EXPECT_FALSE(makeStr(L"0x1")->isHex());
    StrPtr hex = makeStr(L"0aFf7");
    EXPECT_EQ(15u, hex->hexValueAt(2));
    EXPECT_EQ(0u, makeStr(L"g")->hexValueAt(0));
    BytesPtr bytes(hex->hexToBytes());
    EXPECT_EQ((std::vector<uint8_t>{0x0A, 0xFF}), bytesOf(bytes.get()));  // the odd digit is left over
    makeStr(L"10")->hexToBytes(bytes.get(), true);
    EXPECT_EQ((std::vector<uint8_t>{0x0A, 0xFF, 0x10}), bytesOf(bytes.get()));
    makeStr(L"20")->hexToBytes(bytes.get(), false);
    EXPECT_EQ((std::vector<uint8_t>{0x20}), bytesOf(bytes.get()));
}

// ---- Stream views

TEST(StrBufferStream, WriteThenReadBack) {
    StrPtr s = makeStr();
    ASSERT_TRUE(s->write("A\0B\0", 4));
    EXPECT_EQ(L"AB", textOf(s.get()));
    EXPECT_EQ(4u, s->position());
    s->rewind();
    char buffer[8] = {};
    uint32_t delivered = 0;
    EXPECT_TRUE(s->read(buffer, 3, &delivered));
    EXPECT_EQ(3u, delivered);
    EXPECT_EQ(0, memcmp(buffer, "A\0B", 3));
    EXPECT_TRUE(s->read(buffer, 10, &delivered));
    EXPECT_EQ(1u, delivered);
    EXPECT_FALSE(s->read(buffer, 10, &delivered));
    EXPECT_EQ(0u, delivered);
}

TEST(StrBufferStream, Positioning) {
    StrPtr s = makeStr(L"abcd");  // 8 bytes
    s->seekToEnd();
    EXPECT_EQ(8u, s->position());
    s->seekBackFromEnd(2);
    EXPECT_EQ(6u, s->position());
    s->seekBackFromEnd(99);
    EXPECT_EQ(0u, s->position());
    s->skip(5);
    EXPECT_EQ(5u, s->position());
    s->skip(100);
    EXPECT_EQ(8u, s->position());
    s->skipBack(3);
    EXPECT_EQ(5u, s->position());
    s->skipBack(30);
    EXPECT_EQ(0u, s->position());
    s->setPosition(100);
    EXPECT_EQ(8u, s->position());
    s->clear();
    EXPECT_EQ(0u, s->position());
    EXPECT_TRUE(s->flush());
}

TEST(StrBufferStream, OnlyWholeUnitsCountInTheLength) {
    StrPtr s = makeStr();
    ASSERT_TRUE(s->write("x", 1));
    EXPECT_EQ(0u, s->length());
    ASSERT_TRUE(s->write("\0", 1));
    EXPECT_EQ(1u, s->length());
    EXPECT_EQ(L'x', s->charAt(0));
    // Overwriting in the middle keeps the length.
    s->set(L"abc");
    s->setPosition(2);
    s->write("Z\0", 2);
    EXPECT_EQ(L"aZc", textOf(s.get()));
}

// ---- Iterators

TEST(StrBufferIterator, ForwardFromTheStart) {
    StrPtr s = makeStr(L"abc");
    Held<Iterator> it(s->iterator());
    ASSERT_NE(nullptr, it);
    EXPECT_EQ(Iterator::CLASS_NAME, it->getClassName());
    EXPECT_EQ(-1, it->index());
    std::wstring seen;
    while (it->hasNext()) seen.push_back(*static_cast<wchar_t*>(it->next()));
    EXPECT_EQ(L"abc", seen);
    EXPECT_EQ(2, it->index());
}

TEST(StrBufferIterator, BackwardFromTheEnd) {
    StrPtr s = makeStr(L"abc");
    Held<Iterator> it(s->iteratorAtEnd());
    EXPECT_EQ(3, it->index());
    EXPECT_EQ(s->data() + 3, it->elementPointer());
    std::wstring seen;
    while (it->hasPrevious()) seen.push_back(*static_cast<wchar_t*>(it->previous()));
    EXPECT_EQ(L"cba", seen);
    EXPECT_EQ(0, it->index());
}

TEST(StrBufferIterator, AtAnIndexAndEmpty) {
    StrPtr s = makeStr(L"abc");
    Held<Iterator> at(s->iteratorAt(1));
    EXPECT_EQ(0, at->index());
    EXPECT_EQ(L'b', *static_cast<wchar_t*>(at->next()));
    Held<Iterator> end(s->iteratorAt(-1));
    EXPECT_EQ(3, end->index());
    Held<Iterator> reverse(s->reverseIteratorAt(1));
    EXPECT_EQ(2, reverse->index());
    EXPECT_EQ(L'b', *static_cast<wchar_t*>(reverse->previous()));
    StrPtr empty = makeStr();
    Held<Iterator> none(empty->iterator());
    EXPECT_FALSE(none->hasNext());
    EXPECT_FALSE(none->hasPrevious());
}

// ---- Pool

TEST(StrBufferPool, ClassNameAndRecycling) {
    StrBuffer* s = StrBuffer::acquire();
    EXPECT_EQ(StrBuffer::CLASS_NAME, s->getClassName());
    EXPECT_STREQ(L"s_str_strbuffer_StrBuffer", s->getClassName());
    s->set(L"some text");
    s->setPosition(4);
    s->release();
    // LIFO: the same object comes back, reset: no block, no text, position 0.
    StrBuffer* again = StrBuffer::acquire();
    EXPECT_EQ(s, again);
    EXPECT_EQ(0u, again->length());
    EXPECT_EQ(0u, again->capacity());
    EXPECT_EQ(nullptr, again->data());
    EXPECT_EQ(0u, again->position());
    StrBuffer* other = again->newInstance();
    EXPECT_NE(again, other);
    other->release();
    again->release();
}

}  // namespace
}  // namespace s::strtest
