// settings_bench.exe: a batch of writes to the file store with one flush against
// the same writes with auto-flush on, counting whole-file writes; and the same
// batch against the registry store. Cleans up its file and key.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/harness/Bench.h"
#include "settings/reg/MappedData.h"
#include "settings/xml/MappedData.h"
#include "xml/win/FileBytes.h"

namespace {

int fileWrites = 0;

bool countingWrite(HANDLE file, const void* data, uint32_t size) {
    ++fileWrites;
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

void writeBatch(s::map::IMappedData* store, int count) {
    wchar_t name[16];
    for (int i = 0; i < count; ++i) {
        wsprintfW(name, L"v%d", i % 40);
        store->setS32(i % 2 ? L"MainWindow\\View" : L"AboutWindow\\View", name, i);
    }
}

std::wstring temporaryPath(const wchar_t* tail) {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH, base);
    wchar_t unique[64];
    wsprintfW(unique, L"settings-bench-%lu", GetCurrentProcessId());
    return std::wstring(base) + unique + tail;
}

}  // namespace

int main() {
    const std::wstring folder = temporaryPath(L"");
    const std::wstring path = folder + L"\\savedata\\SaveData.xml";
    s::xml::win::setWriteFunction(countingWrite);

    s::xml::MappedData* file = s::xml::MappedData::acquire();
    file->open(path.c_str());
    fileWrites = 0;
    bench::Result batched = bench::measure(L"file store: 1000 writes, auto-flush off, 1 flush", 1, [&] {
        writeBatch(file, 1000);
        file->flush();
    });
    wprintf(L"file writes per batch (auto-flush off): %d\n", fileWrites / 16);

    file->setAutoFlush(true);
    fileWrites = 0;
    bench::Result eager = bench::measure(
        L"file store: 1000 writes, auto-flush on", 1, [&] { writeBatch(file, 1000); }, 3);
    wprintf(L"file writes per batch (auto-flush on): %d\n", fileWrites / 4);
    bench::printRatio(eager, batched);
    file->release();

    const std::wstring key = L"Software\\Tuvo\\HueSnapTests\\bench-" + std::to_wstring(GetCurrentProcessId());
    s::reg::MappedData* registry = s::reg::MappedData::acquire();
    registry->open(key.c_str());
    bench::Result registryBatch =
        bench::measure(L"registry store: 1000 writes", 1, [&] { writeBatch(registry, 1000); });
    bench::printRatio(registryBatch, batched);
    registry->deleteSection(L"");
    registry->release();
    RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tuvo\\HueSnapTests");

    DeleteFileW(path.c_str());
    RemoveDirectoryW((folder + L"\\savedata").c_str());
    RemoveDirectoryW(folder.c_str());
    return 0;
}
