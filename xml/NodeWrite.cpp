// The writer of Node and its files.
#include "foundation/col/_array/ArrayP.h"
#include "foundation/col/_array/ArrayS32.h"
#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "xml/Node.h"
#include "xml/win/FileBytes.h"

namespace s::xml {

using col::_array::ArrayP;
using col::_array::ArrayS32;
using col::_array::ArrayU08;
using str::strbuffer::StrBuffer;

namespace {

// "<name", each named attribute as ' name="value"', ">", the first text record.
void writeStartTag(StrBuffer* out, const Node* node) {
    out->appendChar(L'<');
    out->append(node->getName(), int32_t(node->nameLength()));
    const Attributes* attributes = node->getAttributes();
    const AttrRecord* text = nullptr;
    for (uint32_t i = 0; i < attributes->count(); ++i) {
        const AttrRecord* record = attributes->at(i);
        if (record->nameLength == 0) {
            if (!text) text = record;
            continue;
        }
        out->appendChar(L' ');
        out->append(record->name, int32_t(record->nameLength));
        out->append(L"=\"", 2);
        out->append(record->value, int32_t(record->valueLength));
        out->appendChar(L'"');
    }
    out->appendChar(L'>');
    if (text) out->append(text->value, int32_t(text->valueLength));
}

void writeEndTag(StrBuffer* out, const Node* node) {
    out->append(L"</", 2);
    out->append(node->getName(), int32_t(node->nameLength()));
    out->appendChar(L'>');
}

// Depth first without recursion: a stack of open elements and, beside it, the index
// of the next child of each to write.
bool writeTree(StrBuffer* out, const Node* root, ArrayP* open, ArrayS32* nextChild) {
    writeStartTag(out, root);
    if (!open->addObject(const_cast<Node*>(root)) || !nextChild->add(0)) return false;
    while (open->length() != 0) {
        const uint32_t top = open->length() - 1;
        const Node* node = static_cast<const Node*>(open->objectAt(top));
        const uint32_t index = uint32_t(nextChild->get(top));
        if (index < node->childCount()) {
            const Node* child = node->childAt(index);
            nextChild->set(top, int32_t(index + 1));
            writeStartTag(out, child);
            if (!open->addObject(const_cast<Node*>(child)) || !nextChild->add(0)) return false;
        } else {
            writeEndTag(out, node);
            open->removeLast();
            nextChild->removeLast();
        }
    }
    return true;
}

}  // namespace

StrBuffer* Node::toXml(StrBuffer* string, bool append) const {
    StrBuffer* out = string ? string : StrBuffer::acquire();
    if (!out) return nullptr;
    if (!append) out->clear();
    ArrayP* open = ArrayP::acquire();
    ArrayS32* nextChild = ArrayS32::acquire();
    if (open && nextChild) writeTree(out, this, open, nextChild);
    if (open) open->release();
    if (nextChild) nextChild->release();
    return out;
}

ArrayU08* Node::toUtf8Bytes() const {
    StrBuffer* text = toXml();
    if (!text) return nullptr;
    ArrayU08* bytes = text->toUtf8NoNul();
    text->release();
    return bytes;
}

bool Node::load(const wchar_t* path) {
    clear();
    ArrayU08* bytes = ArrayU08::acquire();
    if (!bytes) return false;
    const bool loaded = win::readFile(path, bytes) && parseBytes(bytes);
    bytes->release();
    return loaded;
}

bool Node::loadFile(void* fileHandle) {
    clear();
    ArrayU08* bytes = ArrayU08::acquire();
    if (!bytes) return false;
    const bool loaded = win::readRest(static_cast<HANDLE>(fileHandle), bytes) && parseBytes(bytes);
    bytes->release();
    return loaded;
}

bool Node::save(const wchar_t* path) {
    ArrayU08* bytes = toUtf8Bytes();
    if (!bytes) return false;
    const bool saved = win::replaceFile(path, bytes->data(), bytes->length());
    bytes->release();
    return saved;
}

bool Node::saveFile(void* fileHandle) {
    ArrayU08* bytes = toUtf8Bytes();
    if (!bytes) return false;
    const bool saved = win::writeAll(static_cast<HANDLE>(fileHandle), bytes->data(), bytes->length());
    bytes->release();
    return saved;
}

}  // namespace s::xml
