#include "xml/Node.h"

#include <cstdlib>
#include <cwchar>

#include "foundation/col/_array/ArrayS32.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "xml/XmlText.h"

namespace s::xml {

using col::_array::ArrayP;
using col::_array::ArrayS32;
using str::strbuffer::StrBuffer;

// Written out instead of S_POOLED_CLASS_IMPL: release empties the node before it
// reaches the pool, so the pool's resetter (run inside the pool's lock) never has
// to give children back to that same pool.
thread::EasyPooler& Node::pool() {
    return thread::classPool<Node>(thread::EasyPooler::DEFAULT_CAPACITY);
}
Node* Node::acquire() {
    return static_cast<Node*>(static_cast<base::IObject*>(pool().acquire()));
}
Node* Node::newInstance() const {
    return acquire();
}
void Node::release() {
    clear();
    pool().release(static_cast<base::IObject*>(this));
}

Node::Node() : name_(nullptr), nameLength_(0) {
    children_.setDisposer(&pool());
    reset();
}

Node::~Node() {
    dropChildren(false);
    children_.setDisposer(nullptr);
    freeName();
}

// ---- Lifetime

void Node::freeName() {
    free(name_);
    name_ = nullptr;
    nameLength_ = 0;
}

// The grandchildren of each child taken off the list move up into this node's own
// list before the child goes, so the whole subtree passes through one flat list.
// Should that list fail to grow, the child still owns its children and takes them
// with it (its own release or destructor does the same work one level down).
void Node::dropChildren(bool release) {
    while (children_.length() != 0) {
        Node* child = static_cast<Node*>(static_cast<base::IObject*>(children_.removeLast()));
        if (!child) continue;
        ArrayP& grandchildren = child->children_;
        if (grandchildren.length() != 0 && children_.append(grandchildren.data(), grandchildren.length())) {
            grandchildren.clear();
        }
        if (release) {
            child->release();
        } else {
            delete child;
        }
    }
}

void Node::clear() {
    freeName();
    attributes_.clear();
    dropChildren(true);
}

uint32_t Node::dump(const wchar_t* prefix) const {
    // Depth first without recursion. Each line is the prefix, one tab per level and
    // the node's name and attribute names; the lines are built in one string that is
    // cut back to the next node's indentation, so a deep tree costs linear time.
    // Nothing is printed: the walk is kept for debugging sessions, where a
    // breakpoint shows the lines.
    ArrayP* pending = ArrayP::acquire();
    ArrayS32* depths = ArrayS32::acquire();
    StrBuffer* line = StrBuffer::acquire();
    uint32_t visited = 0;
    if (pending && depths && line && line->set(prefix) && pending->addObject(const_cast<Node*>(this)) &&
        depths->add(1)) {
        const uint32_t prefixLength = line->length();
        while (pending->length() != 0) {
            const Node* node = static_cast<const Node*>(static_cast<base::IObject*>(pending->removeLast()));
            const uint32_t indent = prefixLength + uint32_t(depths->removeLast());
            ++visited;
            if (line->length() > indent) line->setLength(indent);
            while (line->length() < indent) line->appendChar(L'\t');
            line->append(node->name_, int32_t(node->nameLength_));
            for (uint32_t i = 0; i < node->attributes_.count(); ++i) {
                line->appendChar(L' ');
                line->append(node->attributes_.at(i)->name, int32_t(node->attributes_.at(i)->nameLength));
            }
            line->setLength(indent);
            for (uint32_t i = node->childCount(); i > 0; --i) {
                if (pending->addObject(node->childAt(i - 1))) depths->add(int32_t(indent - prefixLength + 1));
            }
        }
    }
    if (pending) pending->release();
    if (depths) depths->release();
    if (line) line->release();
    return visited;
}

// ---- Name

bool Node::setName(const wchar_t* text, int32_t count) {
    const uint32_t length = text ? (count < 0 ? uint32_t(wcslen(text)) : uint32_t(count)) : 0;
    wchar_t* block = static_cast<wchar_t*>(malloc((size_t(length) + 1) * sizeof(wchar_t)));
    if (!block) return false;
    if (length) wmemcpy(block, text, length);
    block[length] = 0;
    freeName();
    name_ = block;
    nameLength_ = length;
    return true;
}

bool Node::nameEquals(const wchar_t* text, int32_t count) const {
    if (count < 0) {
        const wchar_t* name = name_ ? name_ : L"";
        const wchar_t* other = text ? text : L"";
        uint32_t i = 0;
        for (; i < nameLength_ && other[i]; ++i) {
            if (StrBuffer::lowerAscii(name[i]) != StrBuffer::lowerAscii(other[i])) return false;
        }
        return i == nameLength_ && other[i] == 0;
    }
    if (!name_ || nameLength_ != uint32_t(count)) return false;
    return count == 0 || wmemcmp(name_, text, size_t(count)) == 0;
}

// ---- Children

Node* Node::addChild(const wchar_t* name, int32_t count) {
    Node* child = acquire();
    if (!child) return nullptr;
    if (!child->setName(name, count) || !children_.addObject(child)) {
        child->release();
        return nullptr;
    }
    return child;
}

bool Node::appendChild(IXml* node) {
    if (!node || node == this || node->getClassName() != CLASS_NAME) return false;
    return children_.addObject(static_cast<Node*>(node));
}

void Node::removeChildAt(uint32_t index) {
    Node* child = childAt(index);
    children_.removeRange(index, 1);
    if (child) child->release();
}

bool Node::findChild(const wchar_t* name, uint32_t& index, int32_t count) const {
    for (uint32_t i = 0; i < children_.length(); ++i) {
        if (childAt(i)->nameEquals(name, count)) {
            index = i;
            return true;
        }
    }
    return false;
}

Node* Node::getChild(const wchar_t* name, int32_t count) const {
    uint32_t index = 0;
    return findChild(name, index, count) ? childAt(index) : nullptr;
}

// ---- Setters

template <class Format>
bool Node::setFormatted(const wchar_t* name, Format format) {
    StrBuffer* text = StrBuffer::acquire();
    if (!text) return false;
    const bool stored = format(text) && attributes_.add(name, -1, text->c_str(), int32_t(text->length()));
    text->release();
    return stored;
}

bool Node::setAttributeS64(const wchar_t* name, int64_t value) {
    return setFormatted(name, [value](StrBuffer* text) { return text->appendS64(value); });
}

bool Node::setAttributeU32(const wchar_t* name, uint32_t value) {
    return setFormatted(name, [value](StrBuffer* text) { return text->appendU32(value); });
}

bool Node::setAttributeU64(const wchar_t* name, uint64_t value) {
    return setFormatted(name, [value](StrBuffer* text) { return text->appendU64(value); });
}

bool Node::setAttributeDouble(const wchar_t* name, double value) {
    return setFormatted(name, [value](StrBuffer* text) { return text->appendDouble(value); });
}

bool Node::setAttribute(const wchar_t* name, const wchar_t* value, int32_t count) {
    const uint32_t length = value ? (count < 0 ? uint32_t(wcslen(value)) : uint32_t(count)) : 0;
    const bool textContent = !name || !*name;
    return setFormatted(name, [=](StrBuffer* text) {
        return textContent ? appendEscapedText(text, value, length) : appendEscapedAttribute(text, value, length);
    });
}

bool Node::setAttributeHexU64(const wchar_t* name, const uint64_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexU64(values, count); });
}

bool Node::setAttributeHexU32(const wchar_t* name, const uint32_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexU32(values, count); });
}

bool Node::setAttributeHexU16(const wchar_t* name, const uint16_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexU16(values, count); });
}

bool Node::setAttributeHexU08(const wchar_t* name, const uint8_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexU08(values, count); });
}

bool Node::setAttributeHexS64(const wchar_t* name, const int64_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexS64(values, count); });
}

bool Node::setAttributeHexS32(const wchar_t* name, const int32_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexS32(values, count); });
}

bool Node::setAttributeHexS16(const wchar_t* name, const int16_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexS16(values, count); });
}

bool Node::setAttributeHexS08(const wchar_t* name, const int8_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexS08(values, count); });
}

bool Node::setAttributeHexDword(const wchar_t* name, const unsigned long* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexDword(values, count); });
}

bool Node::setAttributeHexU64LowHigh(const wchar_t* name, const uint64_t* values, uint32_t count) {
    return setFormatted(name, [=](StrBuffer* text) { return text->appendHexU64LowHigh(values, count); });
}

// ---- Getters

const wchar_t* Node::getAttribute(const wchar_t* name, const wchar_t* defaultValue) const {
    const AttrRecord* record = findRecord(name);
    return record ? record->value : defaultValue;
}

bool Node::getBool(const wchar_t* name, bool defaultValue) const {
    const AttrRecord* record = findRecord(name);
    if (!record) return defaultValue;
    const wchar_t* value = record->value;
    return value[0] == L'1' || wcsncmp(value, L"true", 4) == 0;
}

int8_t Node::getS08(const wchar_t* name, int8_t defaultValue) const {
    return int8_t(getS32(name, defaultValue));
}

int16_t Node::getS16(const wchar_t* name, int16_t defaultValue) const {
    return int16_t(getS32(name, defaultValue));
}

int32_t Node::getS32(const wchar_t* name, int32_t defaultValue) const {
    const AttrRecord* record = findRecord(name);
    return record ? int32_t(wcstol(record->value, nullptr, 10)) : defaultValue;
}

int64_t Node::getS64(const wchar_t* name, int64_t defaultValue) const {
    const AttrRecord* record = findRecord(name);
    return record ? _wcstoi64(record->value, nullptr, 10) : defaultValue;
}

uint8_t Node::getU08(const wchar_t* name, uint8_t defaultValue) const {
    return uint8_t(getU32(name, defaultValue));
}

uint16_t Node::getU16(const wchar_t* name, uint16_t defaultValue) const {
    return uint16_t(getU32(name, defaultValue));
}

uint32_t Node::getU32(const wchar_t* name, uint32_t defaultValue) const {
    const AttrRecord* record = findRecord(name);
    return record ? uint32_t(wcstoul(record->value, nullptr, 10)) : defaultValue;
}

uint64_t Node::getU64(const wchar_t* name, uint64_t defaultValue) const {
    const AttrRecord* record = findRecord(name);
    return record ? _wcstoui64(record->value, nullptr, 10) : defaultValue;
}

StrBuffer* Node::getText(const wchar_t* name, StrBuffer* target, const wchar_t* defaultValue, bool append) const {
    StrBuffer* text = target ? target : StrBuffer::acquire();
    if (!text) return nullptr;
    if (!append) text->clear();
    const AttrRecord* record = findRecord(name);
    if (!record) {
        text->append(defaultValue);
    } else if (record->nameLength == 0) {
        appendDecodedText(text, record->value, record->valueLength);
    } else {
        appendDecodedAttribute(text, record->value, record->valueLength);
    }
    return text;
}

}  // namespace s::xml
