// The parser: the accepted syntax, comments, skipping rules, the end of the text,
// bounded nesting, and a corpus of mutated and truncated documents.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "XmlTestSupport.h"
#include "foundation/col/_array/ArrayU08.h"
#include "xml/Attributes.h"
#include "xml/Node.h"

namespace {

using s::xml::Node;
using xmltest::PooledNode;

TEST(XmlParse, EmptyElementWithOneAttribute) {
    PooledNode node;
    const wchar_t* text = L"<a x=\"1\"/>";
    EXPECT_EQ(text + wcslen(text), node->parse(text));
    EXPECT_EQ(L"a", xmltest::name(node.get()));
    ASSERT_EQ(1u, node->getAttributes()->count());
    EXPECT_STREQ(L"1", node->getAttribute(L"x"));
    EXPECT_EQ(0u, node->childCount());
}

TEST(XmlParse, TextKeepsTrailingSpaceUntilRead) {
    PooledNode node;
    node->parse(L"<a>  hello  <b/>  </a>");
    ASSERT_EQ(1u, node->childCount());
    EXPECT_EQ(L"b", xmltest::name(node->childAt(0)));
    // Leading white space is skipped when parsing, trailing kept; reading trims it.
    EXPECT_STREQ(L"hello  ", node->getAttribute(L""));
    EXPECT_EQ(L"hello", xmltest::getText(node.get(), L""));
}

TEST(XmlParse, TextRunsBetweenChildrenAreSeparateRecords) {
    PooledNode node;
    node->parse(L"<a>one<b/>two<c></c> three </a>");
    ASSERT_EQ(2u, node->childCount());
    const s::xml::Attributes* attributes = node->getAttributes();
    ASSERT_EQ(3u, attributes->count());
    EXPECT_STREQ(L"one", attributes->at(0)->value);
    EXPECT_STREQ(L"two", attributes->at(1)->value);
    EXPECT_STREQ(L"three ", attributes->at(2)->value);
    // The writer keeps only the first run.
    EXPECT_EQ(L"<a>one<b></b><c></c></a>", xmltest::toXml(node.get()));
}

TEST(XmlParse, CommentsBetweenChildrenAreDropped) {
    PooledNode node;
    node->parse(L"<r><a/><!-- x --><b/></r>");
    ASSERT_EQ(2u, node->childCount());
    EXPECT_EQ(L"a", xmltest::name(node->childAt(0)));
    EXPECT_EQ(L"b", xmltest::name(node->childAt(1)));
}

TEST(XmlParse, CommentsMayStandBeforeTheRoot) {
    PooledNode node;
    node->parse(L"<!-- first --> <!-- second --><root k=\"v\"><x/></root>");
    EXPECT_EQ(L"root", xmltest::name(node.get()));
    EXPECT_STREQ(L"v", node->getAttribute(L"k"));
    EXPECT_EQ(1u, node->childCount());
}

TEST(XmlParse, OtherBangConstructsAreSkippedToTheNextCommentEnd) {
    PooledNode node;
    node->parse(L"<r><!DOCTYPE x --><a/></r>");
    ASSERT_EQ(1u, node->childCount());
    EXPECT_EQ(L"a", xmltest::name(node->childAt(0)));
}

TEST(XmlParse, OnlyACommentLeavesTheNodeEmpty) {
    PooledNode node;
    node->parse(L"<!-- nothing else -->");
    EXPECT_EQ(nullptr, node->getName());
    EXPECT_EQ(0u, node->childCount());
}

TEST(XmlParse, ByteOrderMarkAndLeadingJunkAreSkipped) {
    PooledNode node;
    node->parse(L"\xFEFF junk <a/>");
    EXPECT_EQ(L"a", xmltest::name(node.get()));
}

TEST(XmlParse, WhiteSpaceInsideTags) {
    PooledNode node;
    node->parse(L"<\r\n a\tk=\"1\"\n  m=\"2\"  >\n<  b />\n</a>");
    EXPECT_EQ(L"a", xmltest::name(node.get()));
    EXPECT_STREQ(L"1", node->getAttribute(L"k"));
    EXPECT_STREQ(L"2", node->getAttribute(L"m"));
    ASSERT_EQ(1u, node->childCount());
    EXPECT_EQ(L"b", xmltest::name(node->childAt(0)));
    EXPECT_EQ(nullptr, node->getAttribute(L""));  // only white space: no text record
}

TEST(XmlParse, AttributeValuesStayEscapedUntilRead) {
    PooledNode node;
    node->parse(L"<a v=\"x &amp; y &lt; z &quot;q&quot; &#10;\"/>");
    EXPECT_STREQ(L"x &amp; y &lt; z &quot;q&quot; &#10;", node->getAttribute(L"v"));
    EXPECT_EQ(L"x & y < z \"q\" \n", xmltest::getText(node.get(), L"v"));
}

TEST(XmlParse, SingleQuotesAreNotValueDelimiters) {
    PooledNode node;
    node->parse(L"<a x='1' y=\"2\"/>");
    // The first attribute's name runs to "=", its value is what lies between the
    // next two double quotes.
    EXPECT_STREQ(L"2", node->getAttribute(L"x"));
}

TEST(XmlParse, EndTagNamesAreNotCompared) {
    PooledNode node;
    node->parse(L"<a><b></c><d/></a>");
    ASSERT_EQ(2u, node->childCount());
    EXPECT_EQ(L"d", xmltest::name(node->childAt(1)));
}

TEST(XmlParse, ParseAnswersThePositionAfterTheElement) {
    PooledNode node;
    const wchar_t* text = L"<a><b/></a><c/>";
    const wchar_t* rest = node->parse(text);
    EXPECT_STREQ(L"<c/>", rest);
    PooledNode next;
    next->parse(rest);
    EXPECT_EQ(L"c", xmltest::name(next.get()));
}

TEST(XmlParse, ParsingAgainReplacesTheContent) {
    PooledNode node;
    node->parse(L"<a x=\"1\"><b/><c/></a>");
    node->parse(L"<z/>");
    EXPECT_EQ(L"z", xmltest::name(node.get()));
    EXPECT_EQ(0u, node->childCount());
    EXPECT_EQ(0u, node->getAttributes()->count());
}

TEST(XmlParse, TruncatedTextsKeepWhatWasBuilt) {
    PooledNode node;
    node->parse(L"<a x=\"1\"><b y=\"2\"/><c>text");
    EXPECT_EQ(L"a", xmltest::name(node.get()));
    ASSERT_EQ(2u, node->childCount());
    EXPECT_EQ(L"text", xmltest::getText(node->childAt(1), L""));

    node->parse(L"<a x=\"1");
    EXPECT_EQ(L"a", xmltest::name(node.get()));
    EXPECT_EQ(nullptr, node->getAttribute(L"x"));

    node->parse(L"<");
    EXPECT_STREQ(L"", node->getName());
    node->parse(L"");
    EXPECT_EQ(nullptr, node->getName());
    EXPECT_EQ(nullptr, node->parse(nullptr));
}

TEST(XmlParse, ParseBytesDecodesUtf8) {
    PooledNode node;
    const char utf8[] = "\xEF\xBB\xBF<r t=\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA8\"/>";
    s::col::_array::ArrayU08* bytes = s::col::_array::ArrayU08::acquire();
    bytes->append(utf8, sizeof utf8 - 1);
    EXPECT_TRUE(node->parseBytes(bytes));
    EXPECT_STREQ(L"\x00E9\x20AC\xD83C\xDFA8", node->getAttribute(L"t"));
    bytes->clear();
    EXPECT_FALSE(node->parseBytes(bytes));
    EXPECT_EQ(nullptr, node->getName());
    bytes->release();
}

// ---- Nesting

std::wstring nested(uint32_t depth) {
    std::wstring text;
    text.reserve(size_t(depth) * 7 + 16);
    for (uint32_t i = 0; i < depth; ++i) text += L"<a>";
    text += L"deep";
    for (uint32_t i = 0; i < depth; ++i) text += L"</a>";
    return text;
}

uint32_t depthOf(const Node* node) {
    uint32_t depth = 1;
    while (node->childCount() != 0) {
        node = node->childAt(0);
        ++depth;
    }
    return depth;
}

TEST(XmlParse, NestingUpToTheLimitIsKept) {
    PooledNode node;
    const std::wstring text = nested(Node::MAX_DEPTH);
    EXPECT_EQ(text.c_str() + text.size(), node->parse(text.c_str()));
    EXPECT_EQ(Node::MAX_DEPTH, depthOf(node.get()));
}

TEST(XmlParse, AMillionLevelsAreSkippedBelowTheLimitWithoutCrashing) {
    PooledNode node;
    const std::wstring text = nested(1000000) + L"<after/>";
    const wchar_t* rest = node->parse(text.c_str());
    // The whole element is consumed, and what follows it is found where it should be.
    EXPECT_STREQ(L"<after/>", rest);
    EXPECT_EQ(Node::MAX_DEPTH, depthOf(node.get()));
}

TEST(XmlParse, SiblingsAfterASkippedSubtreeAreKept) {
    PooledNode node;
    std::wstring text = L"<r>" + nested(Node::MAX_DEPTH + 50) + L"<sibling k=\"v\"/></r>";
    node->parse(text.c_str());
    ASSERT_EQ(2u, node->childCount());
    EXPECT_EQ(L"sibling", xmltest::name(node->childAt(1)));
    EXPECT_STREQ(L"v", node->childAt(1)->getAttribute(L"k"));
    EXPECT_EQ(Node::MAX_DEPTH, depthOf(node.get()));
}

TEST(XmlParse, AMillionUnclosedLevelsEndAtTheEndOfTheText) {
    PooledNode node;
    std::wstring text;
    for (int i = 0; i < 1000000; ++i) text += L"<b x=\"1\">";
    EXPECT_EQ(text.c_str() + text.size(), node->parse(text.c_str()));
    EXPECT_EQ(Node::MAX_DEPTH, depthOf(node.get()));
}

// ---- Mutated and truncated input

// A small, fixed pseudo-random generator: the corpus is the same on every run.
struct Lcg {
    uint64_t state;
    uint32_t next() {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return uint32_t(state >> 33);
    }
    uint32_t below(uint32_t n) { return next() % n; }
};

const wchar_t SAMPLE[] =
    L"<!-- settings --><savedata a=\"1\" b=\"x &amp; y\">\r\n"
    L"  <MainWindow>\n    <View X=\"10\" Y=\"-20\" KeepOnTop=\"true\" OnMClick=\"Close\"/>\n"
    L"    <Skin>&#160;Black&#160;Black&#160;</Skin>\n  </MainWindow>\n"
    L"  <Language>English</Language><!-- tail -->\n"
    L"  <x><y><z q=\"&lt;&quot;\">t<w/>u</z></y></x>\n</savedata>";

// Characters that steer the parser into its other paths.
const wchar_t MARKUP[] = {L'<', L'>', L'/', L'"', L'=', L'!', L'-', L' ', L'\n', L'&', L'a', 0xFEFF, 0xD800};

std::wstring mutate(Lcg& random) {
    std::wstring text(SAMPLE);
    const uint32_t edits = 1 + random.below(6);
    for (uint32_t e = 0; e < edits && !text.empty(); ++e) {
        const size_t at = random.below(uint32_t(text.size()));
        switch (random.below(5)) {
            case 0:
                text[at] = MARKUP[random.below(sizeof MARKUP / sizeof MARKUP[0])];
                break;
            case 1:
                text.erase(at, 1 + random.below(8));
                break;
            case 2:
                text.insert(at, 1, MARKUP[random.below(sizeof MARKUP / sizeof MARKUP[0])]);
                break;
            case 3:
                text.insert(at, text.substr(random.below(uint32_t(text.size())), random.below(40)));
                break;
            default:
                text[at] = wchar_t(1 + random.below(0xFFFE));
                break;
        }
    }
    if (random.below(3) == 0) text.resize(random.below(uint32_t(text.size()) + 1));
    return text;
}

// Holds a text so that its terminating NUL is the last code unit before a page
// that cannot be read: a parser that reads past the end faults at once.
class GuardedText {
public:
    GuardedText() {
        block_ = static_cast<char*>(VirtualAlloc(nullptr, SIZE + PAGE, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(block_ + SIZE, PAGE, PAGE_NOACCESS, &old);
    }
    ~GuardedText() { VirtualFree(block_, 0, MEM_RELEASE); }
    GuardedText(const GuardedText&) = delete;
    GuardedText& operator=(const GuardedText&) = delete;

    // Null when the text does not fit.
    const wchar_t* place(const std::wstring& text) {
        const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        if (bytes > SIZE) return nullptr;
        wchar_t* at = reinterpret_cast<wchar_t*>(block_ + SIZE - bytes);
        wmemcpy(at, text.c_str(), text.size() + 1);
        return at;
    }

private:
    static constexpr size_t PAGE = 4096;
    static constexpr size_t SIZE = 16 * PAGE;
    char* block_;  // owned: SIZE readable bytes, then one guard page
};

TEST(XmlParse, MutatedAndTruncatedCorpusParsesInsideTheText) {
    Lcg random{20261208};
    GuardedText guarded;
    Node* node = Node::acquire();
    Node* again = Node::acquire();
    uint32_t named = 0;
    for (int i = 0; i < 120000; ++i) {
        const std::wstring mutated = mutate(random);
        const wchar_t* text = guarded.place(mutated);
        ASSERT_NE(nullptr, text);
        const wchar_t* end = node->parse(text);
        ASSERT_TRUE(end >= text && end <= text + mutated.size()) << "case " << i;
        if (node->getName()) ++named;
        // Whatever was built writes out and parses back to the same document.
        const std::wstring once = xmltest::toXml(node);
        again->parse(guarded.place(once));
        if (node->getName()) {
            ASSERT_EQ(once, xmltest::toXml(again)) << "case " << i;
        }
    }
    node->release();
    again->release();
    EXPECT_GT(named, 60000u);  // most mutations still leave a root element
}

TEST(XmlParse, EveryTruncationOfTheSampleParses) {
    const std::wstring sample(SAMPLE);
    PooledNode node;
    for (size_t length = 0; length <= sample.size(); ++length) {
        const std::wstring text = sample.substr(0, length);
        const wchar_t* end = node->parse(text.c_str());
        ASSERT_TRUE(end >= text.c_str() && end <= text.c_str() + text.size()) << length;
    }
    EXPECT_EQ(3u, node->childCount());
}

}  // namespace
