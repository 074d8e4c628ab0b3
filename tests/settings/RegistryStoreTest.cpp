// The registry store: value types on disk, wrong types, expandable texts, key
// paths, keys deleted behind its back, errors that must change nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <thread>

#include "SettingsTestSupport.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "settings/reg/MappedData.h"
#include "settings/reg/win/RegDir.h"

namespace {

using s::str::strbuffer::StrBuffer;
using settingstest::TestKey;

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override {
        store = s::reg::MappedData::acquire();
        ASSERT_TRUE(store->open(key.path().c_str()));
    }
    void TearDown() override { store->release(); }
    std::wstring text(const wchar_t* section, const wchar_t* name, bool* expandable = nullptr, bool expand = true) {
        StrBuffer* value = store->getText(section, name, L"(default)", expandable, expand);
        const std::wstring result = settingstest::text(value);
        value->release();
        return result;
    }

    TestKey key{L"registry"};
    s::reg::MappedData* store = nullptr;
};

TEST_F(RegistryStore, ClassNames) {
    EXPECT_STREQ(L"s_reg_MappedData", store->getClassName());
    s::reg::win::RegDir* dir = s::reg::win::RegDir::acquire();
    EXPECT_STREQ(L"s_reg_win_RegDir", dir->getClassName());
    EXPECT_STREQ(L"HKEY_LOCAL_MACHINE", dir->rootName());
    EXPECT_EQ(HKEY_LOCAL_MACHINE, dir->root());
    dir->release();
}

TEST_F(RegistryStore, ValueTypesOnDisk) {
    store->setS32(L"V", L"int", -2);
    store->setBool(L"V", L"bool", true);
    store->setFloat(L"V", L"float", 1.5f);
    store->setText(L"V", L"text", L"ab");
    store->setText(L"V", L"expand", L"%TEMP%", true);
    store->setS64(L"V", L"wide", -3);
    store->setDouble(L"V", L"double", 0.5);
    const uint8_t bytes[] = {1, 2, 3};
    store->setBytes(L"V", L"bytes", bytes, 3);
    DWORD type = 0;
    std::string raw;

    ASSERT_TRUE(key.getRaw(L"V", L"int", type, raw));
    EXPECT_EQ(DWORD(REG_DWORD), type);
    EXPECT_EQ(std::string("\xFE\xFF\xFF\xFF", 4), raw);
    ASSERT_TRUE(key.getRaw(L"V", L"bool", type, raw));
    EXPECT_EQ(DWORD(REG_DWORD), type);
    EXPECT_EQ(std::string("\x01\x00\x00\x00", 4), raw);
    ASSERT_TRUE(key.getRaw(L"V", L"float", type, raw));
    EXPECT_EQ(DWORD(REG_DWORD), type);
    EXPECT_EQ(std::string("\x00\x00\xC0\x3F", 4), raw);  // the float's bits
    ASSERT_TRUE(key.getRaw(L"V", L"text", type, raw));
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_EQ(std::string("a\0b\0\0\0", 6), raw);  // with its terminating zero
    ASSERT_TRUE(key.getRaw(L"V", L"expand", type, raw));
    EXPECT_EQ(DWORD(REG_EXPAND_SZ), type);
    ASSERT_TRUE(key.getRaw(L"V", L"wide", type, raw));
    EXPECT_EQ(DWORD(REG_QWORD), type);
    EXPECT_EQ(std::string(8, '\xFF').replace(0, 1, "\xFD"), raw);
    ASSERT_TRUE(key.getRaw(L"V", L"double", type, raw));
    EXPECT_EQ(DWORD(REG_QWORD), type);
    ASSERT_TRUE(key.getRaw(L"V", L"bytes", type, raw));
    EXPECT_EQ(DWORD(REG_BINARY), type);
    EXPECT_EQ(std::string("\x01\x02\x03"), raw);
}

TEST_F(RegistryStore, WrongTypesReadAsTheDefault) {
    const wchar_t text[] = L"0";
    ASSERT_TRUE(key.setRaw(L"MainWindow\\View", L"KeepOnTop", REG_SZ, text, sizeof text));
    EXPECT_TRUE(store->getBool(L"MainWindow\\View", L"KeepOnTop", true));
    EXPECT_EQ(800, store->getS32(L"MainWindow\\View", L"KeepOnTop", 800));
    EXPECT_EQ(1.5f, store->getFloat(L"MainWindow\\View", L"KeepOnTop", 1.5f));
    EXPECT_EQ(nullptr, store->getBytes(L"MainWindow\\View", L"KeepOnTop"));

    const DWORD number = 1;
    ASSERT_TRUE(key.setRaw(L"MainWindow\\View", L"OnMClick", REG_DWORD, &number, sizeof number));
    EXPECT_EQ(L"(default)", this->text(L"MainWindow\\View", L"OnMClick"));
    EXPECT_EQ(0.25, store->getDouble(L"MainWindow\\View", L"OnMClick", 0.25));

    const uint8_t five[] = {1, 2, 3, 4, 5};  // the size of no number
    ASSERT_TRUE(key.setRaw(L"MainWindow\\View", L"Odd", REG_DWORD, five, 5));
    EXPECT_EQ(-1, store->getS32(L"MainWindow\\View", L"Odd", -1));
}

TEST_F(RegistryStore, A32BitValueReadsAsA64BitOne) {
    store->setS32(L"V", L"n", -5);
    EXPECT_EQ(-5, store->getS64(L"V", L"n", 0));
    EXPECT_EQ(0xFFFFFFFBull, store->getU64(L"V", L"n", 0));
    // But a 64-bit value is not a 32-bit one.
    store->setS64(L"V", L"w", 7);
    EXPECT_EQ(-1, store->getS32(L"V", L"w", -1));
}

TEST_F(RegistryStore, TextWithoutTerminatingZeroAndWithEmbeddedZero) {
    ASSERT_TRUE(key.setRaw(L"T", L"bare", REG_SZ, L"abc", 6));
    EXPECT_EQ(L"abc", text(L"T", L"bare"));
    ASSERT_TRUE(key.setRaw(L"T", L"odd", REG_SZ, L"abc", 5));  // half a code unit at the end
    EXPECT_EQ(L"ab", text(L"T", L"odd"));
    ASSERT_TRUE(key.setRaw(L"T", L"nul", REG_SZ, L"ab\0cd", 12));
    EXPECT_EQ(L"ab", text(L"T", L"nul"));
    ASSERT_TRUE(key.setRaw(L"T", L"empty", REG_SZ, L"", 0));
    EXPECT_EQ(L"", text(L"T", L"empty"));
}

TEST_F(RegistryStore, ExpandableTextExpandsToItsFullLength) {
    const std::wstring chunk(300, L'x');
    ASSERT_TRUE(SetEnvironmentVariableW(L"HUESNAP_TEST_LONG", chunk.c_str()));
    ASSERT_TRUE(store->setText(L"Paths", L"Long", L"%HUESNAP_TEST_LONG%\\mid\\%HUESNAP_TEST_LONG%", true));
    bool expandable = false;
    const std::wstring expanded = text(L"Paths", L"Long", &expandable);
    EXPECT_TRUE(expandable);
    EXPECT_EQ(chunk + L"\\mid\\" + chunk, expanded);
    EXPECT_EQ(605u, expanded.size());
    EXPECT_EQ(L"%HUESNAP_TEST_LONG%\\mid\\%HUESNAP_TEST_LONG%", text(L"Paths", L"Long", &expandable, false));
    EXPECT_TRUE(expandable);
    store->setText(L"Paths", L"Plain", L"%HUESNAP_TEST_LONG%");
    EXPECT_EQ(L"%HUESNAP_TEST_LONG%", text(L"Paths", L"Plain", &expandable));
    EXPECT_FALSE(expandable);
    SetEnvironmentVariableW(L"HUESNAP_TEST_LONG", nullptr);
}

TEST_F(RegistryStore, SectionsAreKeyPaths) {
    store->setS32(L"MainWindow\\View", L"X", 1);
    EXPECT_TRUE(key.exists(L"MainWindow"));
    EXPECT_TRUE(key.exists(L"MainWindow\\View"));
    // The registry store splits at "\\" only: a "/" is part of a key's name.
    store->setS32(L"MainWindow/View", L"X", 2);
    EXPECT_EQ(1, store->getS32(L"MainWindow\\View", L"X", 0));
    EXPECT_EQ(2, store->getS32(L"MainWindow/View", L"X", 0));
    DWORD type = 0;
    std::string raw;
    EXPECT_TRUE(key.getRaw(L"MainWindow/View", L"X", type, raw));
}

TEST_F(RegistryStore, UnnamedValueIsTheKeysDefaultValue) {
    store->setText(L"Language", L"", L"Deutsch");
    DWORD type = 0;
    std::string raw;
    ASSERT_TRUE(key.getRaw(L"Language", nullptr, type, raw));
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_EQ(std::wstring(L"Deutsch", 8), std::wstring(reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / 2));
}

TEST_F(RegistryStore, AKeyDeletedBehindTheStoreIsCreatedAgain) {
    store->setS32(L"MainWindow\\View", L"X", 1);
    settingstest::deleteKeyTree(HKEY_CURRENT_USER, key.below(L"MainWindow"));
    EXPECT_FALSE(key.exists(L"MainWindow"));
    EXPECT_TRUE(store->setS32(L"MainWindow\\View", L"X", 2));
    EXPECT_TRUE(key.exists(L"MainWindow\\View"));
    EXPECT_EQ(2, store->getS32(L"MainWindow\\View", L"X", 0));
}

TEST_F(RegistryStore, ReadingNeverCreatesAndAFailedOpenIsRetried) {
    EXPECT_EQ(3, store->getS32(L"Later", L"v", 3));
    EXPECT_FALSE(key.exists());
    // Someone else creates the section: the next read finds it.
    const DWORD four = 4;
    ASSERT_TRUE(key.setRaw(L"Later", L"v", REG_DWORD, &four, sizeof four));
    EXPECT_EQ(4, store->getS32(L"Later", L"v", 3));
}

TEST_F(RegistryStore, RegistryErrorsChangeNothing) {
    // A key name longer than the registry allows cannot be created.
    const std::wstring tooLong(300, L'k');
    EXPECT_FALSE(store->setS32(tooLong.c_str(), L"v", 1));
    EXPECT_EQ(5, store->getS32(tooLong.c_str(), L"v", 5));
    EXPECT_FALSE(store->hasValue(tooLong.c_str(), L"v"));
    EXPECT_FALSE(key.exists());

    // A key object on a root key that does not exist: every operation does nothing.
    s::reg::win::RegDir* dir = s::reg::win::RegDir::acquire();
    dir->setRoot(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654321)), L"nowhere");
    dir->setPath(L"Software");
    EXPECT_FALSE(dir->open(true));
    EXPECT_FALSE(dir->exists());
    uint32_t value = 9;
    EXPECT_FALSE(dir->getDword(L"x", value));
    EXPECT_EQ(9u, value);
    EXPECT_FALSE(dir->setDword(L"x", 1));
    EXPECT_FALSE(dir->deleteKey());
    EXPECT_NE(ERROR_SUCCESS, dir->lastError());
    dir->release();
}

TEST_F(RegistryStore, ReadOnlyKeyIsReopenedForWriting) {
    const DWORD one = 1;
    ASSERT_TRUE(key.setRaw(L"S", L"a", REG_DWORD, &one, sizeof one));
    EXPECT_EQ(1, store->getS32(L"S", L"a", 0));  // opens the key for reading
    EXPECT_TRUE(store->setS32(L"S", L"b", 2));   // same section, now written
    EXPECT_EQ(2, store->getS32(L"S", L"b", 0));
    EXPECT_TRUE(store->removeValue(L"S", L"a"));
    EXPECT_FALSE(store->hasValue(L"S", L"a"));
}

TEST_F(RegistryStore, DeletingAMissingSectionCreatesNothing) {
    EXPECT_FALSE(store->deleteSection(L"Missing\\Deeper"));
    EXPECT_FALSE(key.exists());
}

}  // namespace

namespace {

// Two windows' threads writing at once (the main window its colours, the version
// window its place): every value lands in the section it was written to.
TEST_F(RegistryStore, ThreadsWritingToOtherSectionsNeverMixThem) {
    constexpr int kWrites = 300;
    auto writer = [this](const wchar_t* section, int base) {
        for (int i = 0; i < kWrites; ++i) {
            wchar_t name[16];
            wsprintfW(name, L"v%d", i);
            store->setS32(section, name, base + i);
            store->getS32(section, L"v0", -1);  // reads move the open key too
        }
    };
    std::thread main([&] { writer(L"MainWindow\\View", 0); });
    std::thread about([&] { writer(L"AboutWindow\\View", 100000); });
    main.join();
    about.join();
    int misplaced = 0;
    for (int i = 0; i < kWrites; ++i) {
        wchar_t name[16];
        wsprintfW(name, L"v%d", i);
        if (store->getS32(L"MainWindow\\View", name, -1) != i) ++misplaced;
        if (store->getS32(L"AboutWindow\\View", name, -1) != 100000 + i) ++misplaced;
    }
    EXPECT_EQ(0, misplaced);
}

}  // namespace
