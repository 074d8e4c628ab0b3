#include "settings/xml/MappedData.h"

#include <cwchar>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "xml/Attributes.h"
#include "xml/Node.h"

namespace s::xml {

using col::_array::ArrayU08;
using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(MappedData, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

const wchar_t* orEmpty(const wchar_t* text) {
    return text ? text : L"";
}

bool isSectionSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool equalIgnoringCase(const wchar_t* a, uint32_t aLength, const wchar_t* b, uint32_t bLength) {
    if (aLength != bLength) return false;
    for (uint32_t i = 0; i < aLength; ++i) {
        if (StrBuffer::lowerAscii(a[i]) != StrBuffer::lowerAscii(b[i])) return false;
    }
    return true;
}

// The first child element named `name` (`length` code units) ignoring case.
bool findSection(const Node* parent, const wchar_t* name, uint32_t length, uint32_t& index) {
    for (uint32_t i = 0; i < parent->childCount(); ++i) {
        const Node* child = parent->childAt(i);
        if (child->getName() && equalIgnoringCase(child->getName(), child->nameLength(), name, length)) {
            index = i;
            return true;
        }
    }
    return false;
}

// A number as text, with enough digits to read back the same value.
template <class Number>
bool setNumberText(StrBuffer* text, const wchar_t* format, Number value) {
    wchar_t digits[64];
    const int count = _snwprintf(digits, 63, format, value);
    if (count < 0) return false;
    digits[count] = 0;
    return text->set(digits);
}

}  // namespace

MappedData::MappedData()
    : path_(StrBuffer::acquire()),
      root_(Node::acquire()),
      work_(StrBuffer::acquire()),
      section_(StrBuffer::acquire()),
      current_(nullptr),
      autoFlush_(false),
      dirty_(false) {
    reset();
}

MappedData::~MappedData() {
    delete path_;
    delete root_;
    delete work_;
    delete section_;
}

void MappedData::reset() {
    if (path_) path_->clear();
    if (work_) work_->clear();
    if (section_) section_->clear();
    current_ = nullptr;
    autoFlush_ = false;
    dirty_ = false;
    startEmptyDocument();
}

void MappedData::startEmptyDocument() {
    current_ = nullptr;
    if (!root_) return;
    root_->clear();
    root_->setName(ROOT_NAME);
}

bool MappedData::open(const wchar_t* path) {
    current_ = nullptr;
    dirty_ = false;
    if (!path_ || !root_ || !work_ || !section_ || !path_->set(path)) return false;
    const bool read = root_->load(path);
    if (!root_->getName() || root_->nameLength() == 0) startEmptyDocument();
    return read;
}

const wchar_t* MappedData::path() const {
    return path_ ? path_->c_str() : L"";
}

bool MappedData::flush() {
    if (!path_ || path_->length() == 0 || !root_) return false;
    if (!dirty_) return true;
    if (!root_->save(path_->c_str())) return false;
    dirty_ = false;
    return true;
}

void MappedData::changed() {
    dirty_ = true;
    if (autoFlush_) flush();
}

// ---- Sections

Node* MappedData::walk(const wchar_t* section, bool create, Node** parent, uint32_t* index) {
    Node* node = root_;
    Node* above = nullptr;
    uint32_t at = 0;
    for (const wchar_t* p = orEmpty(section); *p;) {
        while (isSectionSeparator(*p)) ++p;
        if (!*p) break;
        const wchar_t* name = p;
        while (*p && !isSectionSeparator(*p)) ++p;
        const uint32_t length = uint32_t(p - name);
        uint32_t found = 0;
        if (!findSection(node, name, length, found)) {
            if (!create || !node->addChild(name, int32_t(length))) return nullptr;
            found = node->childCount() - 1;
            dirty_ = true;
        }
        above = node;
        at = found;
        node = node->childAt(found);
    }
    if (parent) *parent = above;
    if (index) *index = at;
    return node;
}

bool MappedData::select(const wchar_t* section, bool forWriting) {
    if (!root_ || !section_) return false;
    section = orEmpty(section);
    const uint32_t length = uint32_t(wcslen(section));
    if (current_ && equalIgnoringCase(section_->c_str(), section_->length(), section, length)) return true;
    current_ = nullptr;
    Node* node = walk(section, forWriting, nullptr, nullptr);
    if (!node || !section_->set(section)) return false;
    current_ = node;
    return true;
}

bool MappedData::selectForWriting(const wchar_t* section) {
    return select(section, true);
}

bool MappedData::selectForReading(const wchar_t* section) {
    return select(section, false);
}

bool MappedData::deleteSection(const wchar_t* section) {
    Node* parent = nullptr;
    uint32_t index = 0;
    Node* node = root_ ? walk(section, false, &parent, &index) : nullptr;
    // The current section may lie inside what goes.
    current_ = nullptr;
    if (!node) {
        if (autoFlush_) flush();
        return false;
    }
    if (parent) {
        parent->removeChildAt(index);
    } else {
        startEmptyDocument();
    }
    changed();
    return true;
}

bool MappedData::hasValue(const wchar_t* section, const wchar_t* name) {
    return storedValue(section, name) != nullptr;
}

const wchar_t* MappedData::storedValue(const wchar_t* section, const wchar_t* name) {
    return selectForReading(section) ? current_->getAttribute(orEmpty(name), nullptr) : nullptr;
}

// ---- Getters

uint8_t MappedData::getU08(const wchar_t* section, const wchar_t* name, uint8_t defaultValue) {
    return selectForReading(section) ? current_->getU08(orEmpty(name), defaultValue) : defaultValue;
}

uint16_t MappedData::getU16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue) {
    return selectForReading(section) ? current_->getU16(orEmpty(name), defaultValue) : defaultValue;
}

uint32_t MappedData::getU32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue) {
    return selectForReading(section) ? current_->getU32(orEmpty(name), defaultValue) : defaultValue;
}

uint64_t MappedData::getU64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue) {
    return selectForReading(section) ? current_->getU64(orEmpty(name), defaultValue) : defaultValue;
}

int8_t MappedData::getS08(const wchar_t* section, const wchar_t* name, int8_t defaultValue) {
    return selectForReading(section) ? current_->getS08(orEmpty(name), defaultValue) : defaultValue;
}

int16_t MappedData::getS16(const wchar_t* section, const wchar_t* name, int16_t defaultValue) {
    return selectForReading(section) ? current_->getS16(orEmpty(name), defaultValue) : defaultValue;
}

int32_t MappedData::getS32(const wchar_t* section, const wchar_t* name, int32_t defaultValue) {
    return selectForReading(section) ? current_->getS32(orEmpty(name), defaultValue) : defaultValue;
}

int64_t MappedData::getS64(const wchar_t* section, const wchar_t* name, int64_t defaultValue) {
    return selectForReading(section) ? current_->getS64(orEmpty(name), defaultValue) : defaultValue;
}

float MappedData::getFloat(const wchar_t* section, const wchar_t* name, float defaultValue) {
    const wchar_t* value = storedValue(section, name);
    return value ? float(wcstod(value, nullptr)) : defaultValue;
}

double MappedData::getDouble(const wchar_t* section, const wchar_t* name, double defaultValue) {
    const wchar_t* value = storedValue(section, name);
    return value ? wcstod(value, nullptr) : defaultValue;
}

bool MappedData::getBool(const wchar_t* section, const wchar_t* name, bool defaultValue) {
    return selectForReading(section) ? current_->getBool(orEmpty(name), defaultValue) : defaultValue;
}

StrBuffer* MappedData::getText(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                               bool* wasExpandable, bool expand, StrBuffer* target) {
    if (wasExpandable) *wasExpandable = false;
    StrBuffer* text = target ? target : StrBuffer::acquire();
    if (!text) return nullptr;
    if (selectForReading(section)) {
        current_->getText(orEmpty(name), text, defaultValue, false);
    } else {
        text->set(orEmpty(defaultValue));
    }
    return text;
}

ArrayU08* MappedData::getBytes(const wchar_t* section, const wchar_t* name, ArrayU08* bytes) {
    const wchar_t* value = storedValue(section, name);
    if (!value || !work_->set(value)) return nullptr;
    // Anything but pairs of hexadecimal digits is not a byte value.
    if (work_->length() % 2 != 0 || (work_->length() != 0 && !work_->isHex())) return nullptr;
    ArrayU08* target = bytes ? bytes : ArrayU08::acquire();
    if (!target) return nullptr;
    target->clear();
    return work_->hexToBytes(target, false);
}

bool MappedData::removeValue(const wchar_t* section, const wchar_t* name) {
    const bool removed = selectForReading(section) && current_->getAttributes()->removeAll(orEmpty(name)) != 0;
    if (removed) {
        changed();
    } else if (autoFlush_) {
        flush();
    }
    return removed;
}

bool MappedData::enumerate(const wchar_t* section, StrArray* valueNames, StrArray* sectionNames) {
    if (!selectForReading(section)) return false;
    const Attributes* attributes = current_->getAttributes();
    bool unnamedListed = false;
    for (uint32_t i = 0; valueNames && i < attributes->count(); ++i) {
        const AttrRecord* record = attributes->at(i);
        if (record->nameLength == 0) {
            if (unnamedListed) continue;
            unnamedListed = true;
        } else if (valueNames->indexOfIgnoreCase(record->name, record->nameLength) >= 0) {
            continue;
        }
        valueNames->addCopy(record->name, int32_t(record->nameLength));
    }
    for (uint32_t i = 0; sectionNames && i < current_->childCount(); ++i) {
        const Node* child = current_->childAt(i);
        sectionNames->addCopy(child->getName(), int32_t(child->nameLength()));
    }
    return true;
}

// ---- Setters

// The new record goes in first and the old ones of that name only then, so a store
// that runs out of memory keeps the previous value.
template <class Store>
bool MappedData::write(const wchar_t* section, const wchar_t* name, Store store) {
    if (!selectForWriting(section)) return false;
    name = orEmpty(name);
    Attributes* attributes = current_->getAttributes();
    const uint32_t before = attributes->count();
    if (!store(current_, name)) return false;
    for (uint32_t i = before; i > 0; --i) {
        const AttrRecord* record = attributes->at(i - 1);
        if (equalIgnoringCase(record->name, record->nameLength, name, uint32_t(wcslen(name)))) {
            attributes->removeAt(i - 1);
        }
    }
    changed();
    return true;
}

bool MappedData::setU08(const wchar_t* section, const wchar_t* name, uint8_t value) {
    return setU32(section, name, value);
}

bool MappedData::setU16(const wchar_t* section, const wchar_t* name, uint16_t value) {
    return setU32(section, name, value);
}

bool MappedData::setU32(const wchar_t* section, const wchar_t* name, uint32_t value) {
    return write(section, name, [value](Node* node, const wchar_t* key) { return node->setAttributeU32(key, value); });
}

bool MappedData::setU64(const wchar_t* section, const wchar_t* name, uint64_t value) {
    return write(section, name, [value](Node* node, const wchar_t* key) { return node->setAttributeU64(key, value); });
}

bool MappedData::setS08(const wchar_t* section, const wchar_t* name, int8_t value) {
    return setS32(section, name, value);
}

bool MappedData::setS16(const wchar_t* section, const wchar_t* name, int16_t value) {
    return setS32(section, name, value);
}

bool MappedData::setS32(const wchar_t* section, const wchar_t* name, int32_t value) {
    return write(section, name, [value](Node* node, const wchar_t* key) { return node->setAttributeS32(key, value); });
}

bool MappedData::setS64(const wchar_t* section, const wchar_t* name, int64_t value) {
    return write(section, name, [value](Node* node, const wchar_t* key) { return node->setAttributeS64(key, value); });
}

bool MappedData::setFloat(const wchar_t* section, const wchar_t* name, float value) {
    // Nine significant digits bring every float back unchanged ("%f" would lose small values).
    if (!setNumberText(work_, L"%.9g", double(value))) return false;
    return setText(section, name, work_->c_str(), false);
}

bool MappedData::setDouble(const wchar_t* section, const wchar_t* name, double value) {
    if (!setNumberText(work_, L"%.17g", value)) return false;
    return setText(section, name, work_->c_str(), false);
}

bool MappedData::setBool(const wchar_t* section, const wchar_t* name, bool value) {
    return setU32(section, name, value ? 1u : 0u);
}

bool MappedData::setText(const wchar_t* section, const wchar_t* name, const wchar_t* value, bool expandable) {
    // The value may be work_'s own text (setFloat): it is copied into the record before work_ changes.
    return write(section, name, [value](Node* node, const wchar_t* key) { return node->setAttribute(key, value); });
}

bool MappedData::touch(const wchar_t* section, const wchar_t* name) {
    if (autoFlush_) flush();
    return true;
}

bool MappedData::setBytes(const wchar_t* section, const wchar_t* name, const uint8_t* bytes, uint32_t count) {
    return write(section, name,
                 [=](Node* node, const wchar_t* key) { return node->setAttributeHexU08(key, bytes, count); });
}

}  // namespace s::xml
