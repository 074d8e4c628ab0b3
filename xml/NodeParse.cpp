// The parser of Node: the accepted syntax is described in Node.h.
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "xml/Node.h"
#include "xml/XmlText.h"

namespace s::xml {

using str::strbuffer::StrBuffer;

namespace {

enum class TagKind {
    None,          // no "<" before the end of the text
    Comment,       // "<!...": skipped to the next "-->"
    Empty,         // "<name .../>"
    Open,          // "<name ...>": content follows
    Unterminated,  // the text ended inside the tag
};

// Every scan below stops at the terminating NUL: that is what keeps the parser
// inside the text whatever it holds.
const wchar_t* skipSpace(const wchar_t* p) {
    while (isXmlSpace(*p)) ++p;
    return p;
}

const wchar_t* skipTo(const wchar_t* p, wchar_t c) {
    while (*p && *p != c) ++p;
    return p;
}

const wchar_t* skipPast(const wchar_t* p, wchar_t c) {
    p = skipTo(p, c);
    return *p ? p + 1 : p;
}

const wchar_t* skipPastCommentEnd(const wchar_t* p) {
    for (; *p; ++p) {
        if (p[0] == L'-' && p[1] == L'-' && p[2] == L'>') return p + 3;
    }
    return p;
}

bool endsName(wchar_t c) {
    return c == 0 || isXmlSpace(c) || c == L'/' || c == L'>';
}

uint32_t span(const wchar_t* from, const wchar_t* to) {
    return uint32_t(to - from);
}

// Reads the attributes after the name, up to ">" or "/" and past the tag's end.
const wchar_t* parseAttributes(Node* node, const wchar_t* p, TagKind& kind) {
    for (;;) {
        p = skipSpace(p);
        if (*p == L'>') {
            kind = TagKind::Open;
            return p + 1;
        }
        if (*p == L'/') {
            kind = TagKind::Empty;
            return skipPast(p, L'>');
        }
        const wchar_t* name = p;
        while (*p && *p != L'=' && *p != L' ') ++p;
        const wchar_t* nameEnd = p;
        p = skipTo(p, L'"');
        const wchar_t* value = *p ? p + 1 : p;
        p = skipTo(value, L'"');
        if (!*p) {
            kind = TagKind::Unterminated;
            return p;
        }
        // A record without a name would pass for text content: such an attribute is dropped.
        if (node && nameEnd != name) node->addRawAttribute(name, span(name, nameEnd), value, span(value, p));
        ++p;
    }
}

// Reads the start tag at or after p into `node` (null: read by the same rules, not kept).
const wchar_t* parseStartTag(Node* node, const wchar_t* p, TagKind& kind) {
    p = skipTo(p, L'<');
    if (!*p) {
        kind = TagKind::None;
        return p;
    }
    p = skipSpace(p + 1);
    const wchar_t* name = p;
    if (*p == L'!') {
        ++p;
        for (int i = 0; i < 2 && *p; ++i) ++p;
        if (node) node->setName(name, int32_t(span(name, p)));
        kind = TagKind::Comment;
        return skipPastCommentEnd(p);
    }
    while (!endsName(*p)) ++p;
    if (node) node->setName(name, int32_t(span(name, p)));
    return parseAttributes(node, p, kind);
}

// Skips white space; a run of text up to the next "<" becomes a text record of `node`.
const wchar_t* parseText(Node* node, const wchar_t* p) {
    p = skipSpace(p);
    if (*p == 0 || *p == L'<') return p;
    const wchar_t* start = p;
    p = skipTo(p, L'<');
    if (node) node->addRawAttribute(L"", 0, start, span(start, p));
    return p;
}

// The content of `root`, whose start tag ended right before p, up to and past its
// end tag. The open elements are kept on a fixed stack; below MAX_DEPTH levels
// only a count of skipped open elements is kept.
const wchar_t* parseContent(Node* root, const wchar_t* p) {
    Node* open[Node::MAX_DEPTH];
    uint32_t depth = 1;
    uint64_t skipped = 0;
    open[0] = root;
    p = parseText(root, p);
    while (*p) {  // here *p is "<"
        if (p[1] == L'/') {
            p = skipPast(p + 2, L'>');
            if (skipped != 0) {
                --skipped;
            } else if (--depth == 0) {
                break;
            }
            p = parseText(skipped ? nullptr : open[depth - 1], p);
            continue;
        }
        Node* parent = skipped ? nullptr : open[depth - 1];
        Node* child = (parent && depth < Node::MAX_DEPTH) ? Node::acquire() : nullptr;
        TagKind kind = TagKind::None;
        p = parseStartTag(child, p, kind);
        if (child && (kind == TagKind::Comment || !parent->adoptChild(child))) {
            child->release();
            child = nullptr;
        }
        if (kind == TagKind::Open) {
            if (child) {
                open[depth++] = child;
            } else {
                ++skipped;
            }
        }
        p = parseText(skipped ? nullptr : open[depth - 1], p);
    }
    return p;
}

}  // namespace

const wchar_t* Node::parse(const wchar_t* text) {
    clear();
    if (!text) return text;
    const wchar_t* p = text;
    TagKind kind = TagKind::None;
    do {
        clear();
        p = parseStartTag(this, p, kind);
    } while (kind == TagKind::Comment);
    return kind == TagKind::Open ? parseContent(this, p) : p;
}

bool Node::parseBytes(const col::_array::ArrayU08* bytes) {
    clear();
    if (!bytes || bytes->length() == 0) return false;
    StrBuffer* text = StrBuffer::acquire();
    if (!text) return false;
    text->fromUtf8(reinterpret_cast<const char*>(bytes->data()), false, int32_t(bytes->length()));
    parse(text->c_str());
    text->release();
    return name_ != nullptr;
}

}  // namespace s::xml
