// StrBuffer: code-unit and substring searches, region tests, compareAt,
// replaceAll, the prefix operations, split and words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StrTestSupport.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::strtest {
namespace {

using str::IStr;
using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

std::vector<std::wstring> piecesOf(StrArray* list) {
    std::vector<std::wstring> pieces;
    for (uint32_t i = 0; i < list->count(); ++i) pieces.push_back(textOf(list->get(i)));
    list->release();
    return pieces;
}

// ---- Code-unit searches

TEST(StrSearch, ForwardCodeUnit) {
    StrPtr s = makeStr(L"abcabc");
    uint32_t at = 99;
    EXPECT_TRUE(s->indexOfChar(L'c', at));
    EXPECT_EQ(2u, at);
    EXPECT_TRUE(s->indexOfChar(L'c', at, 3));
    EXPECT_EQ(5u, at);
    EXPECT_FALSE(s->indexOfChar(L'c', at, 6));
    EXPECT_FALSE(s->indexOfChar(L'C', at));
    EXPECT_TRUE(s->indexOfCharIgnoreCase(L'C', at, 3));
    EXPECT_EQ(5u, at);
    EXPECT_FALSE(makeStr()->indexOfChar(L'a', at));
}

TEST(StrSearch, ForwardSet) {
    StrPtr s = makeStr(L"path/to\\file");
    uint32_t at = 0;
    EXPECT_TRUE(s->indexOfAny(L"\\/", -1, at));
    EXPECT_EQ(4u, at);
    EXPECT_TRUE(s->indexOfAny(L"\\/", 2, at, 5));
    EXPECT_EQ(7u, at);
    EXPECT_FALSE(s->indexOfAny(L"XYZ", -1, at));
    EXPECT_TRUE(s->indexOfAnyIgnoreCase(L"XYZF", -1, at));
    EXPECT_EQ(8u, at);
}

TEST(StrSearch, BackwardCodeUnitAndSet) {
    StrPtr s = makeStr(L"abcabc");
    uint32_t at = 0;
    EXPECT_TRUE(s->lastIndexOfChar(L'a', at));
    EXPECT_EQ(3u, at);
    EXPECT_TRUE(s->lastIndexOfChar(L'a', at, 3));  // from position 3 minus one
    EXPECT_EQ(0u, at);
    EXPECT_FALSE(s->lastIndexOfChar(L'a', at, 0));
    EXPECT_TRUE(s->lastIndexOfChar(L'c', at, 1000));  // clipped to the length
    EXPECT_EQ(5u, at);
    EXPECT_TRUE(s->lastIndexOfCharIgnoreCase(L'B', at, IStr::FROM_END));
    EXPECT_EQ(4u, at);
    EXPECT_TRUE(s->lastIndexOfAny(L"ab", 2, at, 4));
    EXPECT_EQ(3u, at);
    EXPECT_TRUE(s->lastIndexOfAnyIgnoreCase(L"B", 1, at, 4));
    EXPECT_EQ(1u, at);
    EXPECT_FALSE(makeStr()->lastIndexOfChar(L'a', at));
}

// ---- Substring searches

TEST(StrSearch, IndexOfText) {
    StrPtr s = makeStr(L"abcabc");
    uint32_t at = 0;
    EXPECT_TRUE(s->indexOf(L"bc", at));
    EXPECT_EQ(1u, at);
    EXPECT_TRUE(s->indexOf(L"bc", at, 2));
    EXPECT_EQ(4u, at);
    EXPECT_FALSE(s->indexOf(L"bc", at, 5));
    EXPECT_FALSE(s->indexOf(L"abcabcd", at));
    EXPECT_TRUE(s->indexOf(L"", at, 2));  // the empty text is where the search starts
    EXPECT_EQ(2u, at);
    EXPECT_FALSE(s->indexOf(L"BC", at));
    EXPECT_TRUE(s->indexOfIgnoreCase(L"BC", at, 2));
    EXPECT_EQ(4u, at);
    EXPECT_FALSE(s->indexOfIgnoreCase(L"", at));
}

TEST(StrSearch, EmbeddedNulDoesNotHideAMatch) {
    StrPtr s = makeStr(L"a\0bc", 4);
    uint32_t at = 0;
    EXPECT_TRUE(s->indexOf(L"bc", at));
    EXPECT_EQ(2u, at);
}

TEST(StrSearch, LastIndexOfText) {
    StrPtr s = makeStr(L"abcabc");
    uint32_t at = 0;
    EXPECT_TRUE(s->lastIndexOf(L"abc", at));
    EXPECT_EQ(3u, at);
    EXPECT_TRUE(s->lastIndexOf(L"abc", at, 5));  // the later one would end past 5
    EXPECT_EQ(0u, at);
    EXPECT_TRUE(s->lastIndexOf(L"abc", at, 6));
    EXPECT_EQ(3u, at);
    EXPECT_FALSE(s->lastIndexOf(L"abc", at, 2));
    EXPECT_FALSE(s->lastIndexOf(L"abcabca", at));
    EXPECT_FALSE(s->lastIndexOf(L"", at));
    EXPECT_TRUE(s->lastIndexOfIgnoreCase(L"CA", at));
    EXPECT_EQ(2u, at);
}

// ---- Region tests

TEST(StrRegion, RegionMatches) {
    StrPtr s = makeStr(L"abcabc");
    EXPECT_TRUE(s->regionMatches(3, L"xabcx", 1, 3));
    EXPECT_FALSE(s->regionMatches(4, L"abc", 0, 3));  // would run past the end
    EXPECT_TRUE(s->regionMatches(3, L"abc", 0, -1));  // all of it, ending at the end
    EXPECT_FALSE(s->regionMatches(0, L"abc", 0, -1));
    EXPECT_TRUE(s->regionMatches(4, L"xbc", 1, -1));
    EXPECT_TRUE(s->regionMatchesIgnoreCase(0, L"ABC", 0, 3));
    EXPECT_FALSE(s->regionMatches(0, L"ABC", 0, 3));
    EXPECT_TRUE(s->regionMatches(6, L"", 0, 0));
}

TEST(StrRegion, StartsAndEndsWith) {
    StrPtr s = makeStr(L"file.TXT");
    EXPECT_TRUE(s->startsWith(L"file"));
    EXPECT_TRUE(s->startsWith(L"fiXX", 2));
    EXPECT_FALSE(s->startsWith(L"File"));
    EXPECT_TRUE(s->startsWithIgnoreCase(L"File"));
    EXPECT_TRUE(s->endsWith(L".TXT"));
    EXPECT_FALSE(s->endsWith(L".txt"));
    EXPECT_TRUE(s->endsWithIgnoreCase(L".txt"));
    EXPECT_FALSE(s->endsWith(L"longer than the text"));
    EXPECT_TRUE(s->endsWith(L""));
}

TEST(StrRegion, CompareAt) {
    StrPtr s = makeStr(L"abcabc");
    EXPECT_EQ(-1, s->compareAt(6, L"", 0, -1));  // index at the end
    EXPECT_EQ(-1, s->compareAt(6, L"zzz", 0, -1));
    EXPECT_EQ(0, s->compareAt(3, L"abc", 0, -1));
    EXPECT_GT(s->compareAt(0, L"abc", 0, -1), 0);  // this text goes on
    EXPECT_LT(s->compareAt(0, L"abd", 0, -1), 0);
    EXPECT_EQ(0, s->compareAt(0, L"abz", 0, 2));
    EXPECT_EQ(0, s->compareAt(1, L"xbc", 1, 2));
    EXPECT_NE(0, s->compareAt(0, L"ABC", 0, 3));
    EXPECT_EQ(0, s->compareAtIgnoreCase(0, L"ABC", 0, 3));
}

// ---- replaceAll

TEST(StrReplace, ShorterReplacement) {
    StrPtr s = makeStr(L"aaaa");
    EXPECT_EQ(2u, s->replaceAll(L"aa", L"b"));
    EXPECT_EQ(L"bb", textOf(s.get()));
    StrPtr dashes = makeStr(L"-a-b--c-");
    EXPECT_EQ(5u, dashes->replaceAll(L"-", L""));
    EXPECT_EQ(L"abc", textOf(dashes.get()));
}

TEST(StrReplace, LongerReplacement) {
    StrPtr s = makeStr(L"bab");
    EXPECT_EQ(1u, s->replaceAll(L"a", L"xyz"));
    EXPECT_EQ(L"bxyzb", textOf(s.get()));
    // A replacement that holds the find text is not searched again.
    StrPtr nested = makeStr(L"aXa");
    EXPECT_EQ(2u, nested->replaceAll(L"a", L"[a]"));
    EXPECT_EQ(L"[a]X[a]", textOf(nested.get()));
}

TEST(StrReplace, EqualLengthInPlace) {
    StrPtr s = makeStr(L"abcabc");
    wchar_t* block = s->data();
    EXPECT_EQ(2u, s->replaceAll(L"bc", L"XY"));
    EXPECT_EQ(L"aXYaXY", textOf(s.get()));
    EXPECT_EQ(block, s->data());
}

TEST(StrReplace, IgnoringCaseAndNothingToDo) {
    StrPtr s = makeStr(L"AbxaB");
    EXPECT_EQ(2u, s->replaceAllIgnoreCase(L"ab", L"-"));
    EXPECT_EQ(L"-x-", textOf(s.get()));
    StrPtr none = makeStr(L"abc");
    EXPECT_EQ(0u, none->replaceAll(L"zz", L"y"));
    EXPECT_EQ(0u, none->replaceAll(L"abcd", L"y"));
    EXPECT_EQ(0u, none->replaceAll(L"", L"y"));
    EXPECT_EQ(L"abc", textOf(none.get()));
}

// ---- Prefixes

TEST(StrPrefix, BeforeTheLastOccurrence) {
    StrPtr s = makeStr(L"a/b\\c/d");
    EXPECT_EQ(L"a/b\\c", textOf(StrPtr(s->prefixBeforeLastChar(L'/')).get()));
    EXPECT_EQ(L"a", textOf(StrPtr(s->prefixBeforeLastChar(L'/', 3)).get()));
    EXPECT_EQ(L"a/b", textOf(StrPtr(s->prefixBeforeLastAny(L"\\", -1, 5)).get()));
    EXPECT_EQ(L"a/b\\c/", textOf(StrPtr(s->prefixBeforeLastAnyIgnoreCase(L"D", -1)).get()));
    EXPECT_EQ(L"a/b", textOf(StrPtr(s->prefixBeforeLast(L"\\c")).get()));
    EXPECT_EQ(L"a/b", textOf(StrPtr(s->prefixBeforeLastIgnoreCase(L"\\C")).get()));
    EXPECT_EQ(L"a/b\\c/", textOf(StrPtr(s->prefixBeforeLastCharIgnoreCase(L'D')).get()));
    StrPtr missing(s->prefixBeforeLastChar(L'#'));
    ASSERT_NE(nullptr, missing);
    EXPECT_EQ(0u, missing->length());
}

// ---- split and words

TEST(StrSplit, NoEmptyPieces) {
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), piecesOf(makeStr(L",a,,b,")->split(L',')));
    EXPECT_EQ((std::vector<std::wstring>{L"abc"}), piecesOf(makeStr(L"abc")->split(L',')));
    EXPECT_TRUE(piecesOf(makeStr(L",,,")->split(L',')).empty());
    EXPECT_TRUE(piecesOf(makeStr()->split(L',')).empty());
    EXPECT_EQ((std::vector<std::wstring>{L"x y", L" z"}), piecesOf(makeStr(L"x y; z")->split(L';')));
}

TEST(StrWords, StopWordsAndRepeats) {
    StrPtr s = makeStr(L"The cat and the dog, of course! Cat.");
    EXPECT_EQ((std::vector<std::wstring>{L"cat", L"dog", L"course"}), piecesOf(s->words(true)));
    EXPECT_EQ((std::vector<std::wstring>{L"The", L"cat", L"and", L"dog", L"of", L"course"}),
              piecesOf(s->words(false)));
}

TEST(StrWords, PercentPlusAndMinusBelongToWords) {
    StrPtr s = makeStr(L"50% off+on well-known (x) a_b");
    EXPECT_EQ((std::vector<std::wstring>{L"50%", L"off+on", L"well-known", L"x", L"a", L"b"}),
              piecesOf(s->words(false)));
}

TEST(StrWords, CjkPunctuationSeparatesAndLatin1Too) {
    StrPtr cjk = makeStr(L"\x65E5\x672C\x3001\x30C6\x30B9\x30C8\x3002\xFF08\x8A9E\xFF09\x300C\x5B57\x300D");
    EXPECT_EQ((std::vector<std::wstring>{L"\x65E5\x672C", L"\x30C6\x30B9\x30C8", L"\x8A9E", L"\x5B57"}),
              piecesOf(cjk->words(false)));
    // Code units 123..255 separate words, accented Latin-1 letters included.
    StrPtr latin = makeStr(L"caf\x00E9 na\x00EFve");
    EXPECT_EQ((std::vector<std::wstring>{L"caf", L"na", L"ve"}), piecesOf(latin->words(false)));
}

}  // namespace
}  // namespace s::strtest
