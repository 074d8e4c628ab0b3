// Neither store leaves a registry key or file handle behind, on success or failure.
#include <gtest/gtest.h>

#include <string>

#include "SettingsTestSupport.h"
#include "settings/reg/MappedData.h"
#include "settings/xml/MappedData.h"
#include "support/ResourceCounts.h"
#include "xml/win/FileBytes.h"

namespace {

bool failingWrite(HANDLE, const void*, uint32_t) {
    return false;
}

void useBothStores(const settingstest::TestKey& key, const settingstest::TemporaryFolder& folder) {
    s::reg::MappedData* registry = s::reg::MappedData::acquire();
    registry->open(key.path().c_str());
    registry->setS32(L"A\\B", L"v", 1);
    registry->getS32(L"A\\B", L"v", 0);
    registry->getS32(L"Missing", L"v", 0);
    registry->setText(L"C", L"t", L"x", true);
    registry->release();
    registry = s::reg::MappedData::acquire();
    registry->open(key.path().c_str());
    registry->deleteSection(L"A");
    registry->release();

    const std::wstring path = folder.file(L"s\\SaveData.xml");
    s::xml::MappedData* file = s::xml::MappedData::acquire();
    file->open(path.c_str());
    file->setS32(L"A\\B", L"v", 1);
    file->flush();
    file->setS32(L"A\\B", L"v", 2);
    s::xml::win::WriteFunction previous = s::xml::win::setWriteFunction(failingWrite);
    file->flush();
    s::xml::win::setWriteFunction(previous);
    file->release();
    file = s::xml::MappedData::acquire();
    file->open(path.c_str());
    file->open(folder.file(L"missing.xml").c_str());
    file->release();
}

TEST(SettingsHandles, NoKernelHandleIsLeft) {
    settingstest::TestKey key(L"handles");
    settingstest::TemporaryFolder folder(L"handles");
    useBothStores(key, folder);  // warm-up: first use may create lasting objects
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 20; ++i) useBothStores(key, folder);
    EXPECT_EQ(before.kernel, testing_resources::current().kernel);
}

}  // namespace
