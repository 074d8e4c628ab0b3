#include "xml/Attributes.h"

#include <cstdlib>
#include <cwchar>
#include <new>

#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::xml {

using str::strbuffer::StrBuffer;

namespace {

uint32_t measure(const wchar_t* text, int32_t count) {
    if (!text) return 0;
    return count < 0 ? uint32_t(wcslen(text)) : uint32_t(count);
}

// A NUL-terminated heap copy of `count` code units; null when memory ran out.
wchar_t* copyBlock(const wchar_t* text, uint32_t count) {
    wchar_t* block = static_cast<wchar_t*>(malloc((size_t(count) + 1) * sizeof(wchar_t)));
    if (!block) return nullptr;
    if (count) wmemcpy(block, text, count);
    block[count] = 0;
    return block;
}

bool nameMatches(const AttrRecord* record, const wchar_t* name, uint32_t length) {
    if (record->nameLength != length) return false;
    for (uint32_t i = 0; i < length; ++i) {
        if (StrBuffer::lowerAscii(record->name[i]) != StrBuffer::lowerAscii(name[i])) return false;
    }
    return true;
}

}  // namespace

Attributes::Attributes() {
    records_.setDisposer(&AttrFactory::shared());
}

Attributes::~Attributes() {
    records_.freeBuffer();
}

Attributes* Attributes::newInstance() const {
    return new (std::nothrow) Attributes();
}

int32_t Attributes::indexOf(const wchar_t* name) const {
    const uint32_t length = measure(name, -1);
    for (uint32_t i = 0; i < records_.length(); ++i) {
        if (nameMatches(at(i), name, length)) return int32_t(i);
    }
    return -1;
}

const AttrRecord* Attributes::find(const wchar_t* name) const {
    const int32_t index = indexOf(name);
    return index < 0 ? nullptr : at(uint32_t(index));
}

bool Attributes::add(const wchar_t* name, int32_t nameCount, const wchar_t* value, int32_t valueCount) {
    AttrRecord* record = AttrFactory::shared().acquireRecord();
    if (!record) return false;
    record->nameLength = measure(name, nameCount);
    record->name = copyBlock(name, record->nameLength);
    record->valueLength = measure(value, valueCount);
    record->value = copyBlock(value, record->valueLength);
    if (!record->name || !record->value || !records_.add(record)) {
        AttrFactory::shared().release(record);
        return false;
    }
    return true;
}

void Attributes::removeAt(uint32_t i) {
    void* record = records_.get(i);
    records_.removeRange(i, 1);
    AttrFactory::shared().release(record);
}

uint32_t Attributes::removeAll(const wchar_t* name) {
    const uint32_t length = measure(name, -1);
    uint32_t kept = 0;
    uint32_t removed = 0;
    // One pass that compacts the list: removing many records stays linear.
    for (uint32_t i = 0; i < records_.length(); ++i) {
        void* record = records_.get(i);
        if (nameMatches(static_cast<AttrRecord*>(record), name, length)) {
            AttrFactory::shared().release(record);
            ++removed;
        } else {
            records_.set(kept++, record);
        }
    }
    records_.dropLast(removed);
    return removed;
}

void Attributes::clear() {
    records_.disposeAll();
}

}  // namespace s::xml
