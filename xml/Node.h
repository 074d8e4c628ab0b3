#pragma once
// Node: the one node class of the XML document model (see IXml.h for the model).
//
// Parser (parse/parseBytes), accepted syntax, for one element starting anywhere
// before its "<":
//  1. skip to the first "<" (nothing is parsed at the end of the text);
//  2. skip white space (tab, LF, CR, space) after it;
//  3. "!": the name becomes "!" and the two characters after it (normally "!--");
//     the text is skipped up to and including the next "-->" (or to the end). Such
//     a comment node is discarded by its parent, so comments may stand before the
//     root and between children; other "<!" constructs are skipped the same way;
//  4. otherwise the name runs to the first white space, "/" or ">";
//  5. attributes: skip white space, stop at ">" or "/"; a name runs to the first "="
//     or space, the value is what lies between the next two double quotes, stored
//     raw (still escaped);
//  6. "/": an empty element; skip past the next ">";
//  7. ">": skip white space; text up to the next "<" (trailing white space kept)
//     becomes a text record; then, while "<" is not directly followed by "/", a
//     child is parsed, white space skipped and any further text stored as another
//     text record; at "</" skip past the next ">". End-tag names are not checked.
// The parser is a loop with an explicit stack of open elements, never a recursion:
// elements deeper than MAX_DEPTH levels are read by the same rules but not kept,
// so hostile nesting costs neither stack nor memory. Every scan stops at the
// terminating NUL, so no input makes it read past the end of the text.
//
// Pooling: the class pool holds released nodes (capacity 1000). Releasing a node
// first empties it here, outside the pool's lock: its subtree is flattened into its
// own child list and each node goes back to the pool one by one, so neither the
// depth of a tree nor the pool's lock is involved in giving a tree back.
#include <cstdint>

#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "xml/Attributes.h"
#include "xml/IXml.h"

namespace s::xml {

class Node : public IXml, public thread::IPoolable {
    S_POOLED_CLASS(Node, L"s_xml_Node")

public:
    // Nesting deeper than this many levels (the root is level 1) is skipped when parsing.
    static constexpr uint32_t MAX_DEPTH = 256;

    Node();
    // Deletes the whole subtree (iteratively) and the name.
    ~Node() override;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // ---- IPoolable: clear().
    void reset() override { clear(); }

    // ---- IXml
    uint32_t childCount() const override { return children_.length(); }
    void clear() override;
    uint32_t dump(const wchar_t* prefix) const override;

    const wchar_t* parse(const wchar_t* text) override;
    bool parseBytes(const col::_array::ArrayU08* bytes) override;

    const wchar_t* getName() const override { return name_; }
    uint32_t nameLength() const { return nameLength_; }
    bool setName(const wchar_t* text, int32_t count = -1) override;
    bool nameEquals(const wchar_t* text, int32_t count = -1) const override;
    bool isComment() const override { return name_ && name_[0] == L'!'; }

    Node* childAt(uint32_t index) const override { return static_cast<Node*>(children_.objectAt(index)); }
    Node* addChild(const wchar_t* name, int32_t count = -1) override;
    bool appendChild(IXml* node) override;
    void removeChildAt(uint32_t index) override;
    bool findChild(const wchar_t* name, uint32_t& index, int32_t count = -1) const override;
    Node* getChild(const wchar_t* name, int32_t count = -1) const override;

    bool setAttributeS64(const wchar_t* name, int64_t value) override;
    bool setAttributeU32(const wchar_t* name, uint32_t value) override;
    bool setAttributeU16(const wchar_t* name, uint16_t value) override { return setAttributeU32(name, value); }
    bool setAttributeU08(const wchar_t* name, uint8_t value) override { return setAttributeU32(name, value); }
    bool setAttributeU64(const wchar_t* name, uint64_t value) override;
    bool setAttributeS32(const wchar_t* name, int32_t value) override { return setAttributeS64(name, value); }
    bool setAttributeS16(const wchar_t* name, int16_t value) override { return setAttributeS64(name, value); }
    bool setAttributeS08(const wchar_t* name, int8_t value) override { return setAttributeS64(name, value); }
    bool setAttributeFloat(const wchar_t* name, float value) override { return setAttributeDouble(name, value); }
    bool setAttributeDouble(const wchar_t* name, double value) override;
    bool setAttribute(const wchar_t* name, const wchar_t* value, int32_t count = -1) override;

    bool setAttributeHexU64(const wchar_t* name, const uint64_t* values, uint32_t count) override;
    bool setAttributeHexU32(const wchar_t* name, const uint32_t* values, uint32_t count) override;
    bool setAttributeHexU16(const wchar_t* name, const uint16_t* values, uint32_t count) override;
    bool setAttributeHexU08(const wchar_t* name, const uint8_t* values, uint32_t count) override;
    bool setAttributeHexS64(const wchar_t* name, const int64_t* values, uint32_t count) override;
    bool setAttributeHexS32(const wchar_t* name, const int32_t* values, uint32_t count) override;
    bool setAttributeHexS16(const wchar_t* name, const int16_t* values, uint32_t count) override;
    bool setAttributeHexS08(const wchar_t* name, const int8_t* values, uint32_t count) override;
    bool setAttributeHexDword(const wchar_t* name, const unsigned long* values, uint32_t count) override;
    bool setAttributeHexU64LowHigh(const wchar_t* name, const uint64_t* values, uint32_t count) override;

    const wchar_t* getAttribute(const wchar_t* name, const wchar_t* defaultValue = nullptr) const override;
    bool getBool(const wchar_t* name, bool defaultValue) const override;
    int8_t getS08(const wchar_t* name, int8_t defaultValue) const override;
    int16_t getS16(const wchar_t* name, int16_t defaultValue) const override;
    int32_t getS32(const wchar_t* name, int32_t defaultValue) const override;
    int64_t getS64(const wchar_t* name, int64_t defaultValue) const override;
    uint8_t getU08(const wchar_t* name, uint8_t defaultValue) const override;
    uint16_t getU16(const wchar_t* name, uint16_t defaultValue) const override;
    uint32_t getU32(const wchar_t* name, uint32_t defaultValue) const override;
    uint64_t getU64(const wchar_t* name, uint64_t defaultValue) const override;
    str::strbuffer::StrBuffer* getText(const wchar_t* name, str::strbuffer::StrBuffer* target,
                                       const wchar_t* defaultValue, bool append) const override;

    str::strbuffer::StrBuffer* toXml(str::strbuffer::StrBuffer* string = nullptr, bool append = false) const override;
    col::_array::ArrayU08* toUtf8Bytes() const override;

    Attributes* getAttributes() override { return &attributes_; }
    const Attributes* getAttributes() const { return &attributes_; }

    bool load(const wchar_t* path) override;
    bool loadFile(void* fileHandle) override;
    bool save(const wchar_t* path) override;
    bool saveFile(void* fileHandle) override;

    // ---- For the parser (NodeParse.cpp)
    // Appends a record with a raw (already escaped) value.
    bool addRawAttribute(const wchar_t* name, uint32_t nameCount, const wchar_t* value, uint32_t valueCount) {
        return attributes_.add(name, int32_t(nameCount), value, int32_t(valueCount));
    }
    // Appends a child node without checking its class.
    bool adoptChild(Node* child) { return children_.addObject(child); }

private:
    void freeName();
    // Empties the child list, giving every descendant back to the pool (release true)
    // or deleting it (false), without recursion.
    void dropChildren(bool release);
    // Appends a record holding a number formatted by `format` on a pooled string.
    template <class Format>
    bool setFormatted(const wchar_t* name, Format format);
    // The record of that name, or null.
    const AttrRecord* findRecord(const wchar_t* name) const { return attributes_.find(name); }

    col::_array::ArrayP children_;  // owns the child nodes (disposer: the node pool)
    Attributes attributes_;         // owned, embedded
    wchar_t* name_;                 // owned heap block, NUL-terminated; null when unnamed
    uint32_t nameLength_;           // code units of the name
};

}  // namespace s::xml
