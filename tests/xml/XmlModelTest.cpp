// The document model: names, children, attribute setters and getters, escaping
// both ways, the boolean rule, the writer, and how trees go back to their pools.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <string>

#include "XmlTestSupport.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "xml/AttrFactory.h"
#include "xml/Attributes.h"
#include "xml/Node.h"

namespace {

using s::str::strbuffer::StrBuffer;
using s::xml::Node;
using xmltest::PooledNode;

// ---- Names and children

TEST(XmlModel, NameEqualsRules) {
    PooledNode node;
    EXPECT_TRUE(node->nameEquals(L"", -1));  // no name compares as empty ignoring case
    EXPECT_FALSE(node->nameEquals(L"", 0));  // but never matches a counted text
    node->setName(L"MainWindow");
    EXPECT_TRUE(node->nameEquals(L"mainwindow"));
    EXPECT_FALSE(node->nameEquals(L"mainwindow", 10));
    EXPECT_TRUE(node->nameEquals(L"MainWindowXYZ", 10));
    EXPECT_FALSE(node->nameEquals(L"MainWin", 7));  // the name must end there
    EXPECT_FALSE(node->nameEquals(L"MainWindowX"));
    EXPECT_FALSE(node->isComment());
    node->setName(L"!--");
    EXPECT_TRUE(node->isComment());
}

TEST(XmlModel, ChildrenInOrderFindAndRemove) {
    PooledNode root;
    root->setName(L"r");
    root->addChild(L"a");
    root->addChild(L"Bee", 1);  // named "B"
    root->addChild(L"c");
    ASSERT_EQ(3u, root->childCount());
    EXPECT_EQ(L"B", xmltest::name(root->childAt(1)));
    uint32_t index = 99;
    EXPECT_TRUE(root->findChild(L"C", index));
    EXPECT_EQ(2u, index);
    EXPECT_FALSE(root->findChild(L"C", index, 1));  // counted: case-sensitive
    EXPECT_EQ(nullptr, root->getChild(L"zz"));
    root->removeChildAt(1);
    EXPECT_EQ(L"<r><a></a><c></c></r>", xmltest::toXml(root.get()));

    Node* orphan = Node::acquire();
    orphan->setName(L"o");
    EXPECT_TRUE(root->appendChild(orphan));
    EXPECT_FALSE(root->appendChild(root.get()));
    EXPECT_FALSE(root->appendChild(nullptr));
    EXPECT_EQ(L"<r><a></a><c></c><o></o></r>", xmltest::toXml(root.get()));
}

// ---- Setters and getters

TEST(XmlModel, NumberFormats) {
    PooledNode node;
    node->setName(L"n");
    node->setAttributeS64(L"s64", -9000000000ll);
    node->setAttributeU32(L"u32", 4294967295u);
    node->setAttributeU16(L"u16", 65535);
    node->setAttributeU08(L"u08", 255);
    node->setAttributeU64(L"u64", 18446744073709551615ull);
    node->setAttributeS32(L"s32", -2147483647 - 1);
    node->setAttributeS16(L"s16", -32768);
    node->setAttributeS08(L"s08", -128);
    node->setAttributeFloat(L"f", 1.5f);
    node->setAttributeDouble(L"d", -0.25);
    EXPECT_EQ(
        L"<n s64=\"-9000000000\" u32=\"4294967295\" u16=\"65535\" u08=\"255\" u64=\"18446744073709551615\" "
        L"s32=\"-2147483648\" s16=\"-32768\" s08=\"-128\" f=\"1.500000\" d=\"-0.250000\"></n>",
        xmltest::toXml(node.get()));
    EXPECT_EQ(-9000000000ll, node->getS64(L"S64", 0));
    EXPECT_EQ(4294967295u, node->getU32(L"u32", 0));
    EXPECT_EQ(65535, node->getU16(L"u16", 0));
    EXPECT_EQ(255, node->getU08(L"u08", 0));
    EXPECT_EQ(18446744073709551615ull, node->getU64(L"u64", 0));
    EXPECT_EQ(-2147483647 - 1, node->getS32(L"s32", 0));
    EXPECT_EQ(-32768, node->getS16(L"s16", 0));
    EXPECT_EQ(-128, node->getS08(L"s08", 0));
    EXPECT_EQ(7, node->getS32(L"missing", 7));
    EXPECT_EQ(7u, node->getU64(L"missing", 7));
}

TEST(XmlModel, NarrowGettersTruncateTheParsedValue) {
    PooledNode node;
    node->setAttribute(L"v", L"300");
    EXPECT_EQ(uint8_t(300), node->getU08(L"v", 0));
    EXPECT_EQ(int8_t(300), node->getS08(L"v", 0));
    node->setAttribute(L"w", L"  42abc");
    EXPECT_EQ(42, node->getS32(L"w", 0));
    node->setAttribute(L"x", L"abc");
    EXPECT_EQ(0, node->getS32(L"x", 5));  // present but not a number: 0, not the default
}

TEST(XmlModel, HexDumps) {
    PooledNode node;
    node->setName(L"h");
    const uint8_t bytes[] = {0x0A, 0xFF};
    const uint16_t words[] = {0x1234};
    const uint32_t dwords[] = {0xDEADBEEF, 1};
    const uint64_t quads[] = {0x0123456789ABCDEFull};
    node->setAttributeHexU08(L"b", bytes, 2);
    node->setAttributeHexU16(L"w", words, 1);
    node->setAttributeHexU32(L"d", dwords, 2);
    node->setAttributeHexU64(L"q", quads, 1);
    node->setAttributeHexU64LowHigh(L"lh", quads, 1);
    EXPECT_EQ(L"<h b=\"0aff\" w=\"1234\" d=\"deadbeef00000001\" q=\"0123456789abcdef\" lh=\"89abcdef01234567\"></h>",
              xmltest::toXml(node.get()));
}

TEST(XmlModel, TwoSettersOfOneNameLeaveTwoRecords) {
    PooledNode node;
    node->setAttribute(L"k", L"first");
    node->setAttribute(L"K", L"second");
    EXPECT_EQ(2u, node->getAttributes()->count());
    EXPECT_STREQ(L"first", node->getAttribute(L"k"));
    EXPECT_STREQ(L"first", node->getAttribute(L"K"));
    EXPECT_EQ(2u, node->getAttributes()->removeAll(L"k"));
    EXPECT_EQ(nullptr, node->getAttribute(L"k"));
    EXPECT_STREQ(L"dflt", node->getAttribute(L"k", L"dflt"));
}

TEST(XmlModel, BooleanRule) {
    PooledNode node;
    const struct {
        const wchar_t* stored;
        bool expected;
    } cases[] = {{L"1", true},  {L"true", true}, {L"trueish", true}, {L"10", true},  {L"True", false}, {L"TRUE", false},
                 {L"0", false}, {L"yes", false}, {L"", false},       {L" 1", false}, {L"tru", false}};
    for (const auto& c : cases) {
        node->clear();
        node->setAttribute(L"b", c.stored);
        EXPECT_EQ(c.expected, node->getBool(L"b", !c.expected))
            << "'" << std::string(c.stored, c.stored + wcslen(c.stored)) << "'";
    }
    node->clear();
    EXPECT_TRUE(node->getBool(L"b", true));
    EXPECT_FALSE(node->getBool(L"b", false));
}

// ---- Escaping both ways

TEST(XmlModel, TextContentEscaping) {
    PooledNode node;
    node->setAttribute(L"", L" a<b ");
    EXPECT_STREQ(L"&#160;a&lt;b&#160;", node->getAttribute(L""));
    node->clear();
    node->setAttribute(L"", L"x\r\n&>\"y");
    EXPECT_STREQ(L"x&#13;&#10;&amp;&gt;\"y", node->getAttribute(L""));
    EXPECT_EQ(L"x\r\n&>\"y", xmltest::getText(node.get(), L""));
}

TEST(XmlModel, AttributeEscaping) {
    PooledNode node;
    node->setAttribute(L"v", L"a \"b\" <c> & d\r\n");
    EXPECT_STREQ(L"a &quot;b&quot; &lt;c> &amp; d&#13;&#10;", node->getAttribute(L"v"));
    EXPECT_EQ(L"a \"b\" <c> & d\r\n", xmltest::getText(node.get(), L"v"));
}

TEST(XmlModel, TextDecodingKeepsEscapedSpacesAndDropsRawOnes) {
    PooledNode node;
    node->parse(L"<t>&#160;Text&#160;</t>");
    EXPECT_EQ(L" Text ", xmltest::getText(node.get(), L""));
    node->parse(L"<t>\n   &#160;&#160;x  \t\r\n</t>");
    EXPECT_EQ(L"  x", xmltest::getText(node.get(), L""));
    // The floor is the length right after the last decoded entity.
    node->parse(L"<t>a&amp; \t</t>");
    EXPECT_EQ(L"a&", xmltest::getText(node.get(), L""));
    node->parse(L"<t>a &#10; </t>");
    EXPECT_EQ(L"a \n", xmltest::getText(node.get(), L""));
}

TEST(XmlModel, UnknownEntitiesStayAsTheyAre) {
    PooledNode node;
    node->parse(L"<t v=\"&gt;&#160;&unknown;&amp\">&quot;&#9;&</t>");
    EXPECT_EQ(L"&gt;&#160;&unknown;&amp", xmltest::getText(node.get(), L"v"));  // not attribute entities
    EXPECT_EQ(L"&quot;&#9;&", xmltest::getText(node.get(), L""));               // not text entities
}

TEST(XmlModel, EscapedValuesSurviveTheWriterAndTheParser) {
    const wchar_t* tricky = L"  <\"&amp;\">\r\n\t end  ";
    PooledNode node;
    node->setName(L"e");
    node->setAttribute(L"a", tricky);
    node->setAttribute(L"", tricky);
    const std::wstring written = xmltest::toXml(node.get());
    PooledNode back;
    back->parse(written.c_str());
    EXPECT_EQ(tricky, xmltest::getText(back.get(), L"a"));
    // Text content keeps every escaped character; raw tabs at the ends are white space.
    EXPECT_EQ(L"  <\"&amp;\">\r\n\t end  ", xmltest::getText(back.get(), L""));
}

TEST(XmlModel, GetTextAppendsOrReplacesAndFallsBackToTheDefault) {
    PooledNode node;
    node->setAttribute(L"k", L"v&");
    StrBuffer* out = StrBuffer::acquire();
    out->set(L"pre:");
    node->getText(L"k", out, L"dflt", true);
    EXPECT_EQ(L"pre:v&", xmltest::text(out));
    node->getText(L"none", out, L"dflt", true);
    EXPECT_EQ(L"pre:v&dflt", xmltest::text(out));
    node->getText(L"none", out, L"dflt", false);
    EXPECT_EQ(L"dflt", xmltest::text(out));
    node->getText(L"none", out, nullptr, false);
    EXPECT_EQ(L"", xmltest::text(out));
    // Trimming an appended text content never reaches into what was there before.
    out->set(L"keep  ");
    node->setAttribute(L"", L"");
    node->getText(L"", out, nullptr, true);
    EXPECT_EQ(L"keep  ", xmltest::text(out));
    out->release();
}

// ---- Writer

TEST(XmlModel, WriterOutputByteForByte) {
    PooledNode node;
    node->setName(L"a");
    EXPECT_EQ(L"<a></a>", xmltest::toXml(node.get()));
    node->setAttribute(L"x", L"1");
    node->setAttribute(L"", L"body");
    node->setAttribute(L"", L"second body");  // further text records are not written
    node->setAttribute(L"y", L"q\"");
    Node* child = node->addChild(L"b");
    child->addChild(L"c")->setAttributeS32(L"n", 5);
    EXPECT_EQ(L"<a x=\"1\" y=\"q&quot;\">body<b><c n=\"5\"></c></b></a>", xmltest::toXml(node.get()));

    StrBuffer* out = StrBuffer::acquire();
    out->set(L"[");
    node->toXml(out, true);
    EXPECT_EQ(L"[<a x=\"1\" y=\"q&quot;\">body<b><c n=\"5\"></c></b></a>", xmltest::text(out));
    child->toXml(out, false);
    EXPECT_EQ(L"<b><c n=\"5\"></c></b>", xmltest::text(out));
    out->release();
}

TEST(XmlModel, Utf8BytesAreTheWriterOutputWithoutNul) {
    PooledNode node;
    node->setName(L"r");
    node->setAttribute(L"t", L"\x00E9\x20AC");
    s::col::_array::ArrayU08* bytes = node->toUtf8Bytes();
    const std::string expected = "<r t=\"\xC3\xA9\xE2\x82\xAC\"></r>";
    ASSERT_EQ(expected.size(), bytes->length());
    EXPECT_EQ(expected, std::string(reinterpret_cast<const char*>(bytes->data()), bytes->length()));
    bytes->release();
}

// ---- Pools

TEST(XmlModel, AttributeRecordsAreSizedForThePointersTheyHold) {
    EXPECT_EQ(int32_t(sizeof(s::xml::AttrRecord)), s::xml::AttrFactory::shared().itemSize(nullptr));
    EXPECT_GE(sizeof(s::xml::AttrRecord), 2 * sizeof(void*) + 2 * sizeof(uint32_t));
    EXPECT_STREQ(L"s_xml_AttrFactory", s::xml::AttrFactory::shared().getClassName());
    EXPECT_STREQ(L"s_xml_Attributes", s::xml::Attributes().getClassName());
    PooledNode node;
    EXPECT_EQ(Node::CLASS_NAME, node->getClassName());
    EXPECT_STREQ(L"s_xml_Node", node->getClassName());
}

TEST(XmlModel, AttributeRecordsAreRecycled) {
    s::xml::AttrFactory& factory = s::xml::AttrFactory::shared();
    PooledNode node;
    node->setAttribute(L"a", L"1");
    const uint32_t before = factory.freeCount();
    node->getAttributes()->clear();
    EXPECT_EQ(before + 1, factory.freeCount());
    node->setAttribute(L"b", L"2");
    EXPECT_EQ(before, factory.freeCount());
    EXPECT_STREQ(L"2", node->getAttribute(L"b"));
}

TEST(XmlModel, ReleasingARootGivesTheSubtreeBack) {
    Node* root = Node::acquire();
    root->parse(L"<r><a><b/><c/></a><d/></r>");
    const uint32_t before = Node::pool().freeCount();
    root->release();
    // Five nodes, unless the pool was close to its capacity.
    EXPECT_EQ(std::min<uint32_t>(before + 5, s::thread::EasyPooler::DEFAULT_CAPACITY), Node::pool().freeCount());
    Node* again = Node::acquire();
    EXPECT_EQ(nullptr, again->getName());
    EXPECT_EQ(0u, again->childCount());
    EXPECT_EQ(0u, again->getAttributes()->count());
    again->release();
}

TEST(XmlModel, DeepProgrammaticTreesAreWrittenAndReleasedWithoutRecursion) {
    Node* root = Node::acquire();
    root->setName(L"d");
    Node* leaf = root;
    for (int i = 0; i < 100000; ++i) leaf = leaf->addChild(L"d");
    StrBuffer* out = root->toXml();
    EXPECT_EQ(100001u * 7u, out->length());
    out->release();
    EXPECT_EQ(100001u, root->dump(L""));
    root->release();

    Node* deleted = new Node();
    leaf = deleted;
    for (int i = 0; i < 100000; ++i) leaf = leaf->addChild(L"d");
    delete deleted;
}

}  // namespace
