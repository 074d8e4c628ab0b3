// MapTable put and find of 100,000 string keys against std::unordered_map<std::wstring, ...>.
#include <string>
#include <unordered_map>
#include <vector>

#include "BenchRegistry.h"
#include "foundation/map/MapTable.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "bench/harness/Bench.h"

namespace {

using s::map::MapTable;
using s::str::strbuffer::StrBuffer;

constexpr uint32_t KEY_COUNT = 100000;

// Distinct pseudo-random lower-case words of 5 to 12 letters, like the words of a text.
std::vector<std::wstring> wordKeys() {
    std::vector<std::wstring> texts;
    std::unordered_map<std::wstring, bool> seen;
    uint32_t seed = 20261208;
    while (texts.size() < KEY_COUNT) {
        seed = seed * 1103515245u + 12345u;
        std::wstring word(5 + (seed >> 16) % 8, L'a');
        for (wchar_t& c : word) {
            seed = seed * 1103515245u + 12345u;
            c = wchar_t(L'a' + (seed >> 16) % 26);
        }
        if (seen.emplace(word, true).second) texts.push_back(word);
    }
    return texts;
}

// Texts that differ only in a trailing number: the text hash (one-bit shifts) gives
// these few distinct values, so chains grow long whatever the bucket count.
std::vector<std::wstring> numberedKeys() {
    std::vector<std::wstring> texts;
    for (uint32_t i = 0; i < KEY_COUNT; ++i) texts.push_back(L"settings/value" + std::to_wstring(i));
    return texts;
}

// A well-mixed hash of the same text, to show how much of the cost is the text hash
// rule itself: the table takes whatever hash the caller computed.
uint32_t fnv1a(const StrBuffer* s) {
    uint32_t h = 2166136261u;
    for (uint32_t i = 0; i < s->length(); ++i) h = (h ^ uint16_t(s->charAt(i))) * 16777619u;
    return h;
}

void compare(const wchar_t* title, const std::vector<std::wstring>& texts) {
    wprintf(L"%ls\n", title);
    // Stored keys and separate probe keys with the same texts, for both contenders.
    std::vector<StrBuffer*> keys, probes;
    for (uint32_t i = 0; i < KEY_COUNT; ++i) {
        for (std::vector<StrBuffer*>* list : {&keys, &probes}) {
            StrBuffer* s = StrBuffer::acquire();
            s->append(texts[i].c_str());
            list->push_back(s);
        }
    }
    const std::vector<std::wstring> probeTexts = texts;

    MapTable* table = MapTable::acquire();
    bench::Result tablePut = bench::measure(
        L"MapTable put 100,000 (+clear)", 1,
        [&] {
            table->clear();
            for (StrBuffer* key : keys) table->put(key, table->hashOf(key), key);
        },
        9);
    std::unordered_map<std::wstring, StrBuffer*> map;
    bench::Result mapPut = bench::measure(
        L"unordered_map insert 100,000 (+clear)", 1,
        [&] {
            map.clear();
            for (uint32_t i = 0; i < KEY_COUNT; ++i) map.emplace(texts[i], keys[i]);
        },
        9);
    bench::printRatio(tablePut, mapPut);

    size_t found = 0;
    bench::Result tableFind = bench::measure(
        L"MapTable find 100,000", 1,
        [&] {
            for (StrBuffer* probe : probes) found += table->find(probe, table->hashOf(probe)) != nullptr;
        },
        9);
    bench::Result mapFind = bench::measure(
        L"unordered_map find 100,000", 1,
        [&] {
            for (const std::wstring& probe : probeTexts) found += map.find(probe) != map.end();
        },
        9);
    bench::printRatio(tableFind, mapFind);

    MapTable* mixed = MapTable::acquire();
    for (StrBuffer* key : keys) mixed->put(key, fnv1a(key), key);
    bench::Result mixedFind = bench::measure(
        L"MapTable find 100,000, FNV-1a hash (diagnostic)", 1,
        [&] {
            for (StrBuffer* probe : probes) found += mixed->find(probe, fnv1a(probe)) != nullptr;
        },
        9);
    bench::printRatio(mixedFind, mapFind);
    mixed->release();

    bench::keep(found);
    if (found != size_t(KEY_COUNT) * 3 * 10) wprintf(L"unexpected: %zu keys found\n", found);

    table->release();
    for (StrBuffer* s : keys) s->release();
    for (StrBuffer* s : probes) s->release();
}

void runMapTableBench() {
    compare(L"100,000 words", wordKeys());
    compare(L"100,000 numbered keys", numberedKeys());
}

bench::Registration registration(L"maptable", &runMapTableBench);

}  // namespace
