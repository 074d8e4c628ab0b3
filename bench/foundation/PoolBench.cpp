// Pool acquire/release against the allocator (new/delete) for the same class.
#include "BenchRegistry.h"
#include "foundation/col/_array/ArrayS32.h"
#include "bench/harness/Bench.h"

namespace {

using s::col::_array::ArrayS32;

void runPoolBench() {
    ArrayS32::acquire()->release();  // the pool exists and holds one array
    bench::Result pool = bench::measure(L"pool acquire/release (ArrayS32)", 200000, [] {
        ArrayS32* a = ArrayS32::acquire();
        bench::keep(a);
        a->release();
    });
    bench::Result heap = bench::measure(L"new/delete (ArrayS32)", 200000, [] {
        ArrayS32* a = new ArrayS32();
        bench::keep(a);
        delete a;
    });
    bench::printRatio(pool, heap);

    // Sixteen live at once, as a parser holding a few strings and lists does.
    bench::Result pool16 = bench::measure(L"pool 16 acquires then 16 releases", 20000, [] {
        ArrayS32* held[16];
        for (ArrayS32*& a : held) a = ArrayS32::acquire();
        bench::keep(held);
        for (ArrayS32* a : held) a->release();
    });
    bench::Result heap16 = bench::measure(L"16 news then 16 deletes", 20000, [] {
        ArrayS32* held[16];
        for (ArrayS32*& a : held) a = new ArrayS32();
        bench::keep(held);
        for (ArrayS32* a : held) delete a;
    });
    bench::printRatio(pool16, heap16);
}

bench::Registration registration(L"pool", &runPoolBench);

}  // namespace
