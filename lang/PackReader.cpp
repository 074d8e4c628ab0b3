#include "lang/PackReader.h"

#include <cwchar>

#include "xml/IXml.h"
#include "xml/Node.h"
#include "xml/XmlText.h"

namespace s::lang {

namespace {

constexpr wchar_t LANGUAGES[] = L"languages";
constexpr wchar_t ENTRIES[] = L"entries";

// The next "<" at or after p, or the end of the text.
const wchar_t* nextTag(const wchar_t* p) {
    while (*p && *p != L'<') ++p;
    return p;
}

bool isComment(const wchar_t* tag) {
    return tag[1] == L'!';
}

bool isEndTag(const wchar_t* tag) {
    return tag[1] == L'/';
}

// Past a comment at p: the parser takes "<!" and two more characters, then looks for "-->".
const wchar_t* pastComment(const wchar_t* p) {
    p += 2;
    for (int i = 0; i < 2 && *p; ++i) ++p;
    for (; *p; ++p)
        if (p[0] == L'-' && p[1] == L'-' && p[2] == L'>') return p + 3;
    return p;
}

// The next tag that is not a comment.
const wchar_t* nextElement(const wchar_t* p) {
    for (p = nextTag(p); *p && isComment(p); p = nextTag(pastComment(p))) {
    }
    return p;
}

// Past a start tag written exactly "<name>" (white space allowed around the
// name); null for any other tag, which the caller parses whole.
const wchar_t* pastPlainStartTag(const wchar_t* tag, const wchar_t* name) {
    const wchar_t* p = tag + 1;
    while (xml::isXmlSpace(*p)) ++p;
    const size_t length = wcslen(name);
    if (wcsncmp(p, name, length) != 0) return nullptr;
    p += length;
    while (xml::isXmlSpace(*p)) ++p;
    return *p == L'>' ? p + 1 : nullptr;
}

// Past the root's start tag, or null when the text has no element with content.
const wchar_t* rootContent(const wchar_t* text) {
    const wchar_t* p = nextElement(text);
    if (!*p || isEndTag(p)) return nullptr;
    // Attribute values are quoted: a ">" inside one does not end the tag.
    const wchar_t* close = p;
    bool quoted = false;
    for (; *close && (quoted || *close != L'>'); ++close)
        if (*close == L'"') quoted = !quoted;
    if (!*close || close[-1] == L'/') return nullptr;
    return close + 1;
}

}  // namespace

PackReader::PackReader()
    : languages_(nullptr), entries_(nullptr), entry_(xml::Node::acquire()), entriesAt_(nullptr) {}

PackReader::~PackReader() {
    if (languages_) languages_->release();
    if (entries_) entries_->release();
    if (entry_) entry_->release();
}

bool PackReader::open(HMODULE module, const wchar_t* type, uint16_t id) {
    if (!module) module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!info) return false;
    const DWORD size = SizeofResource(module, info);
    HGLOBAL loaded = LoadResource(module, info);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0 || size > DWORD(INT32_MAX)) return false;
    if (text_.fromUtf8(static_cast<const char*>(bytes), false, int32_t(size)) == 0) return false;
    readRootChildren();
    return true;
}

const xml::IXml* PackReader::languages() const {
    return languages_;
}

void PackReader::readRootChildren() {
    const wchar_t* p = rootContent(text_.c_str());
    while (p && *(p = nextElement(p)) && !isEndTag(p)) {
        const bool entriesFirst = !entries_ && !entriesAt_;
        if (const wchar_t* content = entriesFirst && languages_ ? pastPlainStartTag(p, ENTRIES) : nullptr) {
            entriesAt_ = content;
            return;  // the rest is read in steps by forEachEntry
        }
        xml::Node* child = xml::Node::acquire();
        if (!child) return;
        p = child->parse(p);
        if (!languages_ && child->nameEquals(LANGUAGES)) {
            languages_ = child;
        } else if (entriesFirst && child->nameEquals(ENTRIES)) {
            entries_ = child;
        } else {
            child->release();
        }
    }
}

void PackReader::forEachEntry(EntryVisitor visit, void* context) {
    if (entries_) {
        for (uint32_t i = 0; i < entries_->childCount(); ++i) visit(context, entries_->childAt(i));
        return;
    }
    if (!entriesAt_ || !entry_) return;
    for (const wchar_t* p = entriesAt_; *(p = nextElement(p)) && !isEndTag(p);) {
        p = entry_->parse(p);
        visit(context, entry_);
    }
    entry_->clear();
}

}  // namespace s::lang
