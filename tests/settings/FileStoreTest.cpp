// The file store: the document's layout on disk, section paths, bad files,
// auto-flush, writes counted, failing and unwritable files.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "SettingsTestSupport.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "settings/xml/MappedData.h"
#include "xml/Node.h"
#include "xml/win/FileBytes.h"

namespace {

using s::str::strbuffer::StrBuffer;
using settingstest::TemporaryFolder;

// Counts whole-file writes and passes them on (or fails them, when told to).
struct WriteCounter {
    static int writes;
    static bool fail;
    static bool write(HANDLE file, const void* data, uint32_t size) {
        ++writes;
        if (fail) return false;
        DWORD written = 0;
        return WriteFile(file, data, size, &written, nullptr) && written == size;
    }
};
int WriteCounter::writes = 0;
bool WriteCounter::fail = false;

class FileStore : public ::testing::Test {
protected:
    void SetUp() override {
        WriteCounter::writes = 0;
        WriteCounter::fail = false;
        previous = s::xml::win::setWriteFunction(&WriteCounter::write);
        store = s::xml::MappedData::acquire();
        store->open(path.c_str());
    }
    void TearDown() override {
        store->release();
        s::xml::win::setWriteFunction(previous);
    }
    std::string onDisk() const { return settingstest::readBytes(path); }
    std::wstring text(const wchar_t* section, const wchar_t* name) {
        StrBuffer* value = store->getText(section, name, L"(default)");
        const std::wstring result = settingstest::text(value);
        value->release();
        return result;
    }

    TemporaryFolder folder{L"filestore"};
    std::wstring path = folder.file(L"savedata\\SaveData.xml");
    s::xml::MappedData* store = nullptr;
    s::xml::win::WriteFunction previous = nullptr;
};

TEST_F(FileStore, ClassName) {
    EXPECT_STREQ(L"s_xml_MappedData", store->getClassName());
}

TEST_F(FileStore, LayoutOnDisk) {
    store->setText(L"SoftwareType", L"", L"Freeware");
    store->setText(L"Language", nullptr, L"English");
    store->setS32(L"MainWindow\\View", L"X", -10);
    store->setU32(L"MainWindow\\View", L"Width", 4294967295u);
    store->setBool(L"MainWindow\\View", L"KeepOnTop", true);
    store->setText(L"MainWindow\\View", L"OnMClick", L"Close \"now\"");
    store->setText(L"Skin", L"", L"Black Black");
    store->setS32(L"MainWindow\\View", L"X", 12);  // replaced: goes to the end
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(
        "<savedata><SoftwareType>Freeware</SoftwareType><Language>English</Language>"
        "<MainWindow><View Width=\"4294967295\" KeepOnTop=\"1\" OnMClick=\"Close &quot;now&quot;\" X=\"12\">"
        "</View></MainWindow><Skin>Black&#160;Black</Skin></savedata>",
        onDisk());
}

TEST_F(FileStore, BackslashAndSlashNameTheSameElementPath) {
    store->setS32(L"MainWindow\\View", L"X", 1);
    EXPECT_EQ(1, store->getS32(L"MainWindow/View", L"X", 0));
    store->setS32(L"/MainWindow//View/", L"Y", 2);
    EXPECT_EQ(2, store->getS32(L"MainWindow\\View", L"Y", 0));
    store->setS32(L"mainwindow/view", L"Z", 3);
    ASSERT_TRUE(store->flush());
    EXPECT_EQ("<savedata><MainWindow><View X=\"1\" Y=\"2\" Z=\"3\"></View></MainWindow></savedata>", onDisk());
}

TEST_F(FileStore, MissingFileIsAnEmptySavedataDocument) {
    EXPECT_STREQ(L"savedata", store->document()->getName());
    EXPECT_EQ(0u, store->document()->childCount());
    EXPECT_FALSE(store->hasUnsavedChanges());
    EXPECT_TRUE(store->flush());  // nothing to write
    EXPECT_FALSE(settingstest::fileExists(folder.file(L"savedata")));
    EXPECT_EQ(0, WriteCounter::writes);
}

TEST_F(FileStore, UnreadableContentStartsAnEmptyDocument) {
    CreateDirectoryW(folder.file(L"savedata").c_str(), nullptr);
    for (const char* content : {"", "garbage without markup", "<!-- only a comment -->", "\xFF\xFE\x00<"}) {
        ASSERT_TRUE(settingstest::writeBytes(path, content));
        store->open(path.c_str());
        EXPECT_STREQ(L"savedata", store->document()->getName()) << content;
        EXPECT_EQ(0u, store->document()->childCount());
        EXPECT_EQ(7, store->getS32(L"A", L"b", 7));
    }
}

TEST_F(FileStore, ReadsADocumentWrittenByHand) {
    CreateDirectoryW(folder.file(L"savedata").c_str(), nullptr);
    ASSERT_TRUE(
        settingstest::writeBytes(path,
                                 "\xEF\xBB\xBF<!-- settings -->\r\n<savedata>\r\n  <Language>\r\n    Fran\xC3\xA7"
                                 "ais\r\n  </Language>\r\n"
                                 "  <MainWindow>\r\n    <View X=\"15\" EasyDrag=\"True\" Maximized=\"true\" "
                                 "KeepOnTop=\"1\" OnMClick=\"iconize\"/>\r\n"
                                 "  </MainWindow>\r\n</savedata>\r\n"));
    store->open(path.c_str());
    EXPECT_EQ(
        L"Fran\x00E7"
        L"ais",
        text(L"Language", L""));
    EXPECT_EQ(15, store->getS32(L"MainWindow\\View", L"x", 0));
    EXPECT_FALSE(store->getBool(L"MainWindow\\View", L"EasyDrag", true));  // "True" is not true
    EXPECT_TRUE(store->getBool(L"MainWindow\\View", L"Maximized", false));
    EXPECT_TRUE(store->getBool(L"MainWindow\\View", L"KeepOnTop", false));
    EXPECT_EQ(L"iconize", text(L"MainWindow\\View", L"OnMClick"));
}

TEST_F(FileStore, BytesMustBeHexPairs) {
    store->setText(L"B", L"odd", L"abc");
    store->setText(L"B", L"nothex", L"zz");
    store->setText(L"B", L"empty", L"");
    EXPECT_EQ(nullptr, store->getBytes(L"B", L"odd"));
    EXPECT_EQ(nullptr, store->getBytes(L"B", L"nothex"));
    s::col::_array::ArrayU08* bytes = store->getBytes(L"B", L"empty");
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(0u, bytes->length());
    bytes->release();
}

TEST_F(FileStore, AutoFlushOffWritesOnlyOnFlush) {
    store->setS32(L"V", L"a", 1);
    store->setText(L"V", L"b", L"x");
    store->removeValue(L"V", L"a");
    EXPECT_FALSE(settingstest::fileExists(path));
    EXPECT_TRUE(store->hasUnsavedChanges());
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(1, WriteCounter::writes);
    const std::string flushed = onDisk();
    store->setS32(L"V", L"c", 3);
    EXPECT_EQ(flushed, onDisk());
    ASSERT_TRUE(store->flush());
    EXPECT_NE(flushed, onDisk());
    EXPECT_EQ(2, WriteCounter::writes);
}

TEST_F(FileStore, AutoFlushOnWritesAfterEverySetterRemoveAndDelete) {
    store->setAutoFlush(true);
    store->setS32(L"V", L"a", 1);
    EXPECT_EQ(1, WriteCounter::writes);
    EXPECT_EQ("<savedata><V a=\"1\"></V></savedata>", onDisk());
    store->setS32(L"V", L"b", 2);
    EXPECT_EQ(2, WriteCounter::writes);
    store->removeValue(L"V", L"a");
    EXPECT_EQ(3, WriteCounter::writes);
    EXPECT_EQ("<savedata><V b=\"2\"></V></savedata>", onDisk());
    store->deleteSection(L"V");
    EXPECT_EQ(4, WriteCounter::writes);
    EXPECT_EQ("<savedata></savedata>", onDisk());
    // Nothing changed: nothing to write.
    store->touch(L"V", L"b");
    EXPECT_EQ(4, WriteCounter::writes);
}

TEST_F(FileStore, AThousandWritesAndOneFlushWriteTheFileOnce) {
    for (int i = 0; i < 1000; ++i) {
        wchar_t name[16];
        wsprintfW(name, L"v%d", i % 50);
        ASSERT_TRUE(store->setS32(i % 2 ? L"MainWindow\\View" : L"Other", name, i));
    }
    EXPECT_EQ(0, WriteCounter::writes);
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(1, WriteCounter::writes);
    s::xml::MappedData* reread = s::xml::MappedData::acquire();
    reread->open(path.c_str());
    EXPECT_EQ(999, reread->getS32(L"MainWindow\\View", L"v49", 0));
    EXPECT_EQ(998, reread->getS32(L"Other", L"v48", 0));
    reread->release();
}

TEST_F(FileStore, AnInterruptedFlushLeavesThePreviousFileAndKeepsTheChanges) {
    store->setText(L"Language", L"", L"English");
    ASSERT_TRUE(store->flush());
    const std::string before = onDisk();

    store->setText(L"Language", L"", L"Nederlands");
    WriteCounter::fail = true;
    EXPECT_FALSE(store->flush());
    EXPECT_EQ(before, onDisk());
    EXPECT_TRUE(store->hasUnsavedChanges());
    EXPECT_EQ(L"Nederlands", text(L"Language", L""));

    // The next flush tries again.
    WriteCounter::fail = false;
    ASSERT_TRUE(store->flush());
    EXPECT_EQ("<savedata><Language>Nederlands</Language></savedata>", onDisk());
    // Only the file itself is in the folder: no temporary file was left behind.
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(folder.file(L"savedata\\*.tmp").c_str(), &data);
    EXPECT_EQ(INVALID_HANDLE_VALUE, find);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST_F(FileStore, AnUnwritableFileKeepsTheDocumentInMemory) {
    // A folder where the file should be: the file cannot be written.
    ASSERT_TRUE(CreateDirectoryW(folder.file(L"savedata").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    store->setAutoFlush(true);
    EXPECT_TRUE(store->setS32(L"V", L"a", 1));  // stored in memory, the flush failed
    EXPECT_TRUE(store->hasUnsavedChanges());
    EXPECT_EQ(1, store->getS32(L"V", L"a", 0));
    RemoveDirectoryW(path.c_str());
    ASSERT_TRUE(store->flush());
    EXPECT_FALSE(store->hasUnsavedChanges());
    EXPECT_EQ("<savedata><V a=\"1\"></V></savedata>", onDisk());
}

TEST_F(FileStore, DeletingTheRootSectionEmptiesTheDocument) {
    store->setS32(L"A", L"v", 1);
    store->setS32(L"", L"w", 2);
    EXPECT_TRUE(store->deleteSection(L""));
    ASSERT_TRUE(store->flush());
    EXPECT_EQ("<savedata></savedata>", onDisk());
}

TEST_F(FileStore, NumbersAreDecimalText) {
    store->setU08(L"N", L"u8", 255);
    store->setS08(L"N", L"s8", -1);
    store->setU64(L"N", L"u64", 18446744073709551615ull);
    store->setS64(L"N", L"s64", -9223372036854775807ll - 1);
    store->setFloat(L"N", L"f", 0.1f);
    store->setDouble(L"N", L"d", 0.5);
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(
        "<savedata><N u8=\"255\" s8=\"-1\" u64=\"18446744073709551615\" s64=\"-9223372036854775808\" "
        "f=\"0.100000001\" d=\"0.5\"></N></savedata>",
        onDisk());
}

}  // namespace
