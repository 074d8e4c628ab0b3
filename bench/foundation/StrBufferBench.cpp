// StrBuffer appends against std::wstring: one code unit at a time and whole
// words, with the block kept between rounds (clear) and from an empty string.
#include <string>

#include "BenchRegistry.h"
#include "bench/harness/Bench.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace {

using s::str::strbuffer::StrBuffer;

const int UNITS = 1000;
const int WORDS = 200;
const wchar_t WORD[] = L"word ";
const int32_t WORD_LENGTH = 5;

void compareUnitAppends() {
    StrBuffer* kept = StrBuffer::acquire();
    bench::Result ours = bench::measure(L"StrBuffer 1000 x appendChar (kept block)", 2000, [kept] {
        kept->clear();
        for (int i = 0; i < UNITS; ++i) kept->appendChar(wchar_t(L'a' + (i & 15)));
        bench::keep(*kept);
    });
    std::wstring keptStd;
    bench::Result theirs = bench::measure(L"wstring 1000 x push_back (kept block)", 2000, [&keptStd] {
        keptStd.clear();
        for (int i = 0; i < UNITS; ++i) keptStd.push_back(wchar_t(L'a' + (i & 15)));
        bench::keep(keptStd);
    });
    bench::printRatio(ours, theirs);
    kept->release();

    bench::Result oursFresh = bench::measure(L"StrBuffer 1000 x appendChar (from empty)", 2000, [] {
        StrBuffer* s = StrBuffer::acquire();
        for (int i = 0; i < UNITS; ++i) s->appendChar(wchar_t(L'a' + (i & 15)));
        bench::keep(*s);
        s->release();
    });
    bench::Result theirsFresh = bench::measure(L"wstring 1000 x push_back (from empty)", 2000, [] {
        std::wstring s;
        for (int i = 0; i < UNITS; ++i) s.push_back(wchar_t(L'a' + (i & 15)));
        bench::keep(s);
    });
    bench::printRatio(oursFresh, theirsFresh);
}

void compareWordAppends() {
    StrBuffer* kept = StrBuffer::acquire();
    bench::Result ours = bench::measure(L"StrBuffer 200 x append(word, 5) (kept)", 5000, [kept] {
        kept->clear();
        for (int i = 0; i < WORDS; ++i) kept->append(WORD, WORD_LENGTH);
        bench::keep(*kept);
    });
    std::wstring keptStd;
    bench::Result theirs = bench::measure(L"wstring 200 x append(word, 5) (kept)", 5000, [&keptStd] {
        keptStd.clear();
        for (int i = 0; i < WORDS; ++i) keptStd.append(WORD, WORD_LENGTH);
        bench::keep(keptStd);
    });
    bench::printRatio(ours, theirs);

    bench::Result oursTerminated = bench::measure(L"StrBuffer 200 x append(L\"word \") (kept)", 5000, [kept] {
        kept->clear();
        for (int i = 0; i < WORDS; ++i) kept->append(WORD);
        bench::keep(*kept);
    });
    bench::Result theirsTerminated = bench::measure(L"wstring 200 x += L\"word \" (kept)", 5000, [&keptStd] {
        keptStd.clear();
        for (int i = 0; i < WORDS; ++i) keptStd += WORD;
        bench::keep(keptStd);
    });
    bench::printRatio(oursTerminated, theirsTerminated);
    kept->release();

    bench::Result oursFresh = bench::measure(L"StrBuffer 200 x append(word, 5) (from empty)", 5000, [] {
        StrBuffer* s = StrBuffer::acquire();
        for (int i = 0; i < WORDS; ++i) s->append(WORD, WORD_LENGTH);
        bench::keep(*s);
        s->release();
    });
    bench::Result theirsFresh = bench::measure(L"wstring 200 x append(word, 5) (from empty)", 5000, [] {
        std::wstring s;
        for (int i = 0; i < WORDS; ++i) s.append(WORD, WORD_LENGTH);
        bench::keep(s);
    });
    bench::printRatio(oursFresh, theirsFresh);
}

void runStrBufferBench() {
    compareUnitAppends();
    compareWordAppends();
}

bench::Registration registration(L"strbuffer", &runStrBufferBench);

}  // namespace
