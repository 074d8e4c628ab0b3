// Documents on disk: UTF-8 bytes exactly as written, missing files, folder
// creation, and saves that fail part-way leaving the previous file intact.
#include <gtest/gtest.h>

#include <string>

#include "XmlTestSupport.h"
#include "xml/Node.h"
#include "xml/win/FileBytes.h"

namespace {

using s::xml::Node;
using xmltest::PooledNode;
using xmltest::TemporaryFolder;

TEST(XmlFile, SaveAndLoadRoundTripWithNonAsciiText) {
    TemporaryFolder folder(L"xmlfile");
    const std::wstring path = folder.file(L"doc.xml");
    PooledNode node;
    node->setName(L"savedata");
    Node* language = node->addChild(L"Language");
    language->setAttribute(L"",
                           L"Fran\x00E7"
                           L"ais \x65E5\x672C\x8A9E \xD83C\xDFA8");
    node->addChild(L"View")->setAttribute(L"Title", L"\x0416\x0437 \"q\" & <z>\r\n");
    ASSERT_TRUE(node->save(path.c_str()));

    // The bytes on disk are the writer's UTF-8, with no byte-order mark.
    s::col::_array::ArrayU08* expected = node->toUtf8Bytes();
    const std::string onDisk = xmltest::readBytes(path);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(expected->data()), expected->length()), onDisk);
    expected->release();
    EXPECT_NE('\xEF', onDisk[0]);

    PooledNode loaded;
    ASSERT_TRUE(loaded->load(path.c_str()));
    EXPECT_EQ(xmltest::toXml(node.get()), xmltest::toXml(loaded.get()));
    EXPECT_EQ(
        L"Fran\x00E7"
        L"ais \x65E5\x672C\x8A9E \xD83C\xDFA8",
        xmltest::getText(loaded->getChild(L"language"), L""));
    EXPECT_EQ(L"\x0416\x0437 \"q\" & <z>\r\n", xmltest::getText(loaded->getChild(L"View"), L"Title"));
    // Nothing is left beside the file.
    EXPECT_EQ(L"doc.xml;", folder.listing());
}

TEST(XmlFile, MissingFileReadsAsEmpty) {
    TemporaryFolder folder(L"xmlfile");
    PooledNode node;
    node->parse(L"<old/>");
    EXPECT_FALSE(node->load(folder.file(L"nothing.xml").c_str()));
    EXPECT_EQ(nullptr, node->getName());
    EXPECT_EQ(L"", folder.listing());  // loading creates nothing
}

TEST(XmlFile, SaveCreatesMissingFolders) {
    TemporaryFolder folder(L"xmlfile");
    const std::wstring path = folder.file(L"one\\two/three\\doc.xml");
    PooledNode node;
    node->setName(L"r");
    ASSERT_TRUE(node->save(path.c_str()));
    EXPECT_EQ("<r></r>", xmltest::readBytes(folder.file(L"one\\two\\three\\doc.xml")));
}

TEST(XmlFile, ByteOrderMarkOnLoadIsSkipped) {
    TemporaryFolder folder(L"xmlfile");
    const std::wstring path = folder.file(L"bom.xml");
    ASSERT_TRUE(xmltest::writeBytes(path, "\xEF\xBB\xBF<!-- c -->\r\n<r a=\"\xC3\xA9\"/>"));
    PooledNode node;
    ASSERT_TRUE(node->load(path.c_str()));
    EXPECT_STREQ(L"\x00E9", node->getAttribute(L"a"));
}

TEST(XmlFile, LoadFileAndSaveFileWorkOnOpenHandles) {
    TemporaryFolder folder(L"xmlfile");
    const std::wstring path = folder.file(L"h.xml");
    PooledNode node;
    node->parse(L"<h k=\"v\"><c/></h>");
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, out);
    EXPECT_TRUE(node->saveFile(out));
    CloseHandle(out);
    HANDLE in = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, in);
    PooledNode loaded;
    EXPECT_TRUE(loaded->loadFile(in));
    CloseHandle(in);
    EXPECT_EQ(L"<h k=\"v\"><c></c></h>", xmltest::toXml(loaded.get()));
}

// Writes half of what it is given, then reports failure: a disk that fills up.
bool writeHalfThenFail(HANDLE file, const void* data, uint32_t size) {
    DWORD written = 0;
    WriteFile(file, data, size / 2, &written, nullptr);
    return false;
}

TEST(XmlFile, AnInterruptedSaveLeavesThePreviousFileIntact) {
    TemporaryFolder folder(L"xmlfile");
    const std::wstring path = folder.file(L"keep.xml");
    PooledNode node;
    node->parse(L"<savedata><Language>English</Language></savedata>");
    ASSERT_TRUE(node->save(path.c_str()));
    const std::string before = xmltest::readBytes(path);

    node->getChild(L"Language")->getAttributes()->clear();
    node->getChild(L"Language")->setAttribute(L"", L"a much longer value that will not be written completely");
    s::xml::win::WriteFunction previous = s::xml::win::setWriteFunction(writeHalfThenFail);
    EXPECT_FALSE(node->save(path.c_str()));
    s::xml::win::setWriteFunction(previous);

    EXPECT_EQ(before, xmltest::readBytes(path));
    EXPECT_EQ(L"keep.xml;", folder.listing());  // the partial temporary file is gone

    // The next save succeeds and replaces the file.
    ASSERT_TRUE(node->save(path.c_str()));
    PooledNode loaded;
    loaded->load(path.c_str());
    EXPECT_EQ(L"a much longer value that will not be written completely",
              xmltest::getText(loaded->getChild(L"Language"), L""));
}

TEST(XmlFile, SavingOverAFolderFailsAndKeepsIt) {
    TemporaryFolder folder(L"xmlfile");
    const std::wstring path = folder.file(L"taken");
    CreateDirectoryW(path.c_str(), nullptr);
    PooledNode node;
    node->setName(L"r");
    EXPECT_FALSE(node->save(path.c_str()));
    EXPECT_EQ(L"taken;", folder.listing());
}

}  // namespace
