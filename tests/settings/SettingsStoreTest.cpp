// What both settings stores promise alike: defaults on a fresh profile, every type
// written and read back (also by a new store on the same data), sections, the
// unnamed value, removing and deleting, enumeration.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <string>

#include "SettingsTestSupport.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "settings/map/IMappedData.h"
#include "settings/reg/MappedData.h"
#include "settings/xml/MappedData.h"

namespace {

using s::col::_array::ArrayU08;
using s::map::IMappedData;
using s::str::strarray::StrArray;
using s::str::strbuffer::StrBuffer;

// The registry store on a key of the test's own.
struct RegistryBacking {
    using Store = s::reg::MappedData;
    settingstest::TestKey key{L"store"};
    Store* open() {
        Store* store = Store::acquire();
        store->open(key.path().c_str());
        return store;
    }
    bool nothingCreated() const { return !key.exists(); }
};

// The file store on savedata\SaveData.xml in a temporary folder.
struct FileBacking {
    using Store = s::xml::MappedData;
    settingstest::TemporaryFolder folder{L"store"};
    std::wstring path = folder.file(L"savedata\\SaveData.xml");
    Store* open() {
        Store* store = Store::acquire();
        store->open(path.c_str());
        return store;
    }
    bool nothingCreated() const { return !settingstest::fileExists(folder.file(L"savedata")); }
};

template <class Backing>
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { store = backing.open(); }
    void TearDown() override {
        if (store) store->release();
    }
    // Makes the data durable, then reads it through a new store.
    void reopen() {
        ASSERT_TRUE(store->flush());
        store->release();
        store = backing.open();
    }
    std::wstring text(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue = L"(default)") {
        StrBuffer* value = store->getText(section, name, defaultValue);
        const std::wstring result = settingstest::text(value);
        value->release();
        return result;
    }

    Backing backing;
    typename Backing::Store* store = nullptr;
};

using Backings = ::testing::Types<RegistryBacking, FileBacking>;
TYPED_TEST_SUITE(SettingsStore, Backings);

TYPED_TEST(SettingsStore, FreshProfileGivesEveryDefaultAndCreatesNothing) {
    IMappedData* store = this->store;
    const wchar_t* section = L"MainWindow\\View";
    EXPECT_EQ(200, store->getU08(section, L"u8", 200));
    EXPECT_EQ(60000, store->getU16(section, L"u16", 60000));
    EXPECT_EQ(4000000000u, store->getU32(section, L"u32", 4000000000u));
    EXPECT_EQ(1ull << 60, store->getU64(section, L"u64", 1ull << 60));
    EXPECT_EQ(-100, store->getS08(section, L"s8", -100));
    EXPECT_EQ(-30000, store->getS16(section, L"s16", -30000));
    EXPECT_EQ(800, store->getS32(section, L"Width", 800));
    EXPECT_EQ(-(1ll << 50), store->getS64(section, L"s64", -(1ll << 50)));
    EXPECT_EQ(2.5f, store->getFloat(section, L"f", 2.5f));
    EXPECT_EQ(-0.125, store->getDouble(section, L"d", -0.125));
    EXPECT_TRUE(store->getBool(section, L"KeepOnTop", true));
    EXPECT_FALSE(store->getBool(section, L"Maximized", false));
    EXPECT_EQ(L"Close", this->text(section, L"OnMClick", L"Close"));
    EXPECT_EQ(L"UnKnown", this->text(L"SoftwareType", L"", L"UnKnown"));
    EXPECT_EQ(L"", this->text(L"SoftwareType", nullptr, nullptr));
    bool expandable = true;
    StrBuffer* value = store->getText(L"", L"none", L"x", &expandable);
    EXPECT_FALSE(expandable);
    value->release();
    EXPECT_EQ(nullptr, store->getBytes(section, L"b"));
    EXPECT_FALSE(store->hasValue(section, L"X"));
    EXPECT_FALSE(store->selectForReading(section));
    EXPECT_FALSE(store->removeValue(section, L"X"));
    EXPECT_FALSE(store->deleteSection(section));
    EXPECT_FALSE(store->getAutoFlush());
    EXPECT_EQ(0, store->reserved());
    EXPECT_TRUE(store->flush());
    EXPECT_TRUE(this->backing.nothingCreated());
}

TYPED_TEST(SettingsStore, EveryTypeRoundTripsAtItsLimits) {
    IMappedData* store = this->store;
    const wchar_t* s = L"Types";
    ASSERT_TRUE(store->setU08(s, L"u8", 255));
    ASSERT_TRUE(store->setU16(s, L"u16", 65535));
    ASSERT_TRUE(store->setU32(s, L"u32", 4294967295u));
    ASSERT_TRUE(store->setU64(s, L"u64", 18446744073709551615ull));
    ASSERT_TRUE(store->setS08(s, L"s8", -128));
    ASSERT_TRUE(store->setS16(s, L"s16", -32768));
    ASSERT_TRUE(store->setS32(s, L"s32", -2147483647 - 1));
    ASSERT_TRUE(store->setS64(s, L"s64", -9223372036854775807ll - 1));
    ASSERT_TRUE(store->setFloat(s, L"f", 1.17549435e-38f));
    ASSERT_TRUE(store->setFloat(s, L"f2", 0.1f));
    ASSERT_TRUE(store->setDouble(s, L"d", 2.2250738585072014e-308));
    ASSERT_TRUE(store->setDouble(s, L"d2", 1.0 / 3.0));
    ASSERT_TRUE(store->setBool(s, L"yes", true));
    ASSERT_TRUE(store->setBool(s, L"no", false));
    ASSERT_TRUE(store->setText(s, L"t",
                               L"  Fran\x00E7"
                               L"ais \"q\" <&> \r\n\x65E5\xD83C\xDFA8 "));
    ASSERT_TRUE(store->setText(s, L"empty", L""));
    const uint8_t bytes[] = {0x00, 0x7F, 0x80, 0xFF};
    ASSERT_TRUE(store->setBytes(s, L"b", bytes, 4));

    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "same store" : "new store");
        store = this->store;
        EXPECT_EQ(255, store->getU08(s, L"u8", 0));
        EXPECT_EQ(65535, store->getU16(s, L"u16", 0));
        EXPECT_EQ(4294967295u, store->getU32(s, L"u32", 0));
        EXPECT_EQ(18446744073709551615ull, store->getU64(s, L"u64", 0));
        EXPECT_EQ(-128, store->getS08(s, L"s8", 0));
        EXPECT_EQ(-32768, store->getS16(s, L"s16", 0));
        EXPECT_EQ(-2147483647 - 1, store->getS32(s, L"s32", 0));
        EXPECT_EQ(-9223372036854775807ll - 1, store->getS64(s, L"s64", 0));
        EXPECT_EQ(1.17549435e-38f, store->getFloat(s, L"f", 0));
        EXPECT_EQ(0.1f, store->getFloat(s, L"f2", 0));
        EXPECT_EQ(2.2250738585072014e-308, store->getDouble(s, L"d", 0));
        EXPECT_EQ(1.0 / 3.0, store->getDouble(s, L"d2", 0));
        EXPECT_TRUE(store->getBool(s, L"yes", false));
        EXPECT_FALSE(store->getBool(s, L"no", true));
        EXPECT_EQ(
            L"  Fran\x00E7"
            L"ais \"q\" <&> \r\n\x65E5\xD83C\xDFA8 ",
            this->text(s, L"t"));
        ArrayU08* read = store->getBytes(s, L"b");
        ASSERT_NE(nullptr, read);
        ASSERT_EQ(4u, read->length());
        EXPECT_EQ(0, memcmp(bytes, read->data(), 4));
        read->release();
        if (pass == 0) this->reopen();
    }
}

TYPED_TEST(SettingsStore, SettersReplaceTheValue) {
    IMappedData* store = this->store;
    store->setS32(L"MainWindow\\View", L"X", 1);
    store->setS32(L"MainWindow\\View", L"X", 2);
    store->setText(L"MainWindow\\View", L"x", L"3");  // names ignore letter case
    this->reopen();
    EXPECT_EQ(L"3", this->text(L"MainWindow\\View", L"X"));
    StrArray* names = StrArray::acquire();
    ASSERT_TRUE(this->store->enumerate(L"MainWindow\\View", names, nullptr));
    EXPECT_EQ(1u, names->count());
    names->release();
}

TYPED_TEST(SettingsStore, UnnamedValueOfASection) {
    IMappedData* store = this->store;
    ASSERT_TRUE(store->setText(L"Language", L"", L"English"));
    ASSERT_TRUE(store->setText(L"Skin", nullptr, L" Black Black "));
    ASSERT_TRUE(store->setText(L"MainWindow\\Version", L"", L"1.0.0"));
    this->reopen();
    EXPECT_EQ(L"English", this->text(L"Language", nullptr));
    EXPECT_EQ(L" Black Black ", this->text(L"Skin", L""));
    EXPECT_EQ(L"1.0.0", this->text(L"MainWindow\\Version", L""));
    EXPECT_TRUE(this->store->hasValue(L"Language", L""));
}

TYPED_TEST(SettingsStore, SectionsCompareIgnoringCase) {
    IMappedData* store = this->store;
    store->setS32(L"MainWindow\\View", L"Width", 640);
    EXPECT_EQ(640, store->getS32(L"mainwindow\\VIEW", L"width", 0));
    store->setS32(L"MAINWINDOW\\view", L"Height", 480);
    this->reopen();
    EXPECT_EQ(640, this->store->getS32(L"MainWindow\\View", L"Width", 0));
    EXPECT_EQ(480, this->store->getS32(L"MainWindow\\View", L"Height", 0));
}

TYPED_TEST(SettingsStore, SwitchingSectionsReadsTheRightOne) {
    IMappedData* store = this->store;
    store->setS32(L"A", L"v", 1);
    store->setS32(L"B", L"v", 2);
    store->setS32(L"A\\C", L"v", 3);
    EXPECT_EQ(1, store->getS32(L"A", L"v", 0));
    EXPECT_EQ(2, store->getS32(L"B", L"v", 0));
    EXPECT_EQ(3, store->getS32(L"A\\C", L"v", 0));
    EXPECT_EQ(0, store->getS32(L"C", L"v", 0));
    EXPECT_EQ(1, store->getS32(L"A", L"v", 0));
}

TYPED_TEST(SettingsStore, DeleteSectionTakesItsValuesAndSubsections) {
    IMappedData* store = this->store;
    store->setS32(L"MainWindow\\View", L"X", 5);
    store->setText(L"MainWindow\\Skin", L"", L"Classic");
    store->setS32(L"MainWindow", L"direct", 1);
    store->setS32(L"AboutWindow\\View", L"X", 7);
    EXPECT_TRUE(store->selectForReading(L"MainWindow\\View"));  // the current section is about to go
    ASSERT_TRUE(store->deleteSection(L"MainWindow"));
    EXPECT_FALSE(store->hasValue(L"MainWindow\\View", L"X"));
    EXPECT_FALSE(store->selectForReading(L"MainWindow\\Skin"));
    EXPECT_FALSE(store->selectForReading(L"MainWindow"));
    EXPECT_EQ(7, store->getS32(L"AboutWindow\\View", L"X", 0));
    // Writing again re-creates it.
    store->setS32(L"MainWindow\\View", L"X", 6);
    this->reopen();
    EXPECT_EQ(6, this->store->getS32(L"MainWindow\\View", L"X", 0));
    EXPECT_FALSE(this->store->hasValue(L"MainWindow", L"direct"));
    EXPECT_EQ(7, this->store->getS32(L"AboutWindow\\View", L"X", 0));
}

TYPED_TEST(SettingsStore, RemoveValue) {
    IMappedData* store = this->store;
    store->setS32(L"V", L"X", 1);
    store->setS32(L"V", L"Y", 2);
    EXPECT_TRUE(store->removeValue(L"V", L"x"));
    EXPECT_FALSE(store->removeValue(L"V", L"X"));
    this->reopen();
    EXPECT_FALSE(this->store->hasValue(L"V", L"X"));
    EXPECT_EQ(2, this->store->getS32(L"V", L"Y", 0));
    EXPECT_EQ(9, this->store->getS32(L"V", L"X", 9));
}

TYPED_TEST(SettingsStore, EnumerateListsValuesAndSubsections) {
    IMappedData* store = this->store;
    store->setS32(L"W", L"X", 1);
    store->setText(L"W", L"Name", L"n");
    store->setS32(L"W\\View", L"a", 1);
    store->setS32(L"W\\Skin", L"b", 1);
    StrArray* values = StrArray::acquire();
    StrArray* sections = StrArray::acquire();
    ASSERT_TRUE(store->enumerate(L"W", values, sections));
    ASSERT_EQ(2u, values->count());
    EXPECT_GE(values->indexOfIgnoreCase(L"X", 1), 0);
    EXPECT_GE(values->indexOfIgnoreCase(L"Name", 4), 0);
    ASSERT_EQ(2u, sections->count());
    EXPECT_GE(sections->indexOfIgnoreCase(L"View", 4), 0);
    EXPECT_GE(sections->indexOfIgnoreCase(L"Skin", 4), 0);
    EXPECT_FALSE(store->enumerate(L"Nowhere", values, sections));
    values->release();
    sections->release();
}

TYPED_TEST(SettingsStore, WritingTheRootSection) {
    IMappedData* store = this->store;
    ASSERT_TRUE(store->setS32(L"", L"AtRoot", 42));
    ASSERT_TRUE(store->setS32(nullptr, L"Other", 43));
    this->reopen();
    EXPECT_EQ(42, this->store->getS32(nullptr, L"AtRoot", 0));
    EXPECT_EQ(43, this->store->getS32(L"", L"Other", 0));
}

TYPED_TEST(SettingsStore, ResetForgetsEverything) {
    typename TypeParam::Store* store = this->store;
    store->setS32(L"A", L"v", 1);
    store->setAutoFlush(true);
    store->reset();
    EXPECT_FALSE(store->getAutoFlush());
    EXPECT_EQ(0, store->getS32(L"A", L"v", 0));
}

}  // namespace
