#include "settings/reg/MappedData.h"

#include <cstring>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "settings/reg/win/RegDir.h"

namespace s::reg {

using col::_array::ArrayU08;
using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(MappedData, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

const wchar_t* orEmpty(const wchar_t* text) {
    return text ? text : L"";
}

bool sameText(const StrBuffer* known, const wchar_t* text) {
    const size_t length = wcslen(text);
    if (known->length() != length) return false;
    for (size_t i = 0; i < length; ++i) {
        if (StrBuffer::lowerAscii(known->charAt(uint32_t(i))) != StrBuffer::lowerAscii(text[i])) return false;
    }
    return true;
}

// Holds the store's lock for one operation.
class Lock {
public:
    explicit Lock(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
    ~Lock() { LeaveCriticalSection(&lock_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& lock_;
};

}  // namespace

MappedData::MappedData()
    : work_(StrBuffer::acquire()),
      section_(StrBuffer::acquire()),
      root_(win::RegDir::acquire()),
      current_(win::RegDir::acquire()),
      sectionKnown_(false),
      autoFlush_(false) {
    InitializeCriticalSection(&lock_);
    reset();
}

MappedData::~MappedData() {
    delete work_;
    delete section_;
    delete root_;
    delete current_;
    DeleteCriticalSection(&lock_);
}

void MappedData::reset() {
    const Lock hold(lock_);
    if (work_) work_->clear();
    if (section_) section_->clear();
    if (root_) {
        root_->reset();
        root_->setRoot(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER");
    }
    if (current_) {
        current_->reset();
        current_->setRoot(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER");
    }
    sectionKnown_ = false;
    autoFlush_ = false;
}

bool MappedData::open(const wchar_t* rootPath) {
    const Lock hold(lock_);
    sectionKnown_ = false;
    if (current_) current_->close();
    return root_ && current_ && work_ && section_ && root_->setPath(rootPath);
}

const wchar_t* MappedData::rootPath() const {
    return root_ ? root_->getPath() : L"";
}

bool MappedData::buildPath(const wchar_t* section) {
    if (!work_->set(root_->getPath())) return false;
    if (*section == 0) return true;
    return work_->appendChar(L'\\') && work_->append(section);
}

bool MappedData::select(const wchar_t* section, bool forWriting) {
    if (!current_ || !root_) return false;
    section = orEmpty(section);
    const bool same = sectionKnown_ && sameText(section_, section);
    if (!same) {
        sectionKnown_ = false;
        if (!buildPath(section) || !section_->set(section) || !current_->setPath(work_->c_str())) return false;
        sectionKnown_ = true;
    }
    return current_->open(forWriting);
}

bool MappedData::selectForWriting(const wchar_t* section) {
    const Lock hold(lock_);
    return select(section, true);
}

bool MappedData::selectForReading(const wchar_t* section) {
    const Lock hold(lock_);
    return select(section, false);
}

bool MappedData::deleteSection(const wchar_t* section) {
    const Lock hold(lock_);
    win::RegDir* doomed = win::RegDir::acquire();
    if (!doomed) return false;
    doomed->setRoot(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER");
    const bool deleted = buildPath(orEmpty(section)) && doomed->setPath(work_->c_str()) && doomed->deleteKey();
    doomed->release();
    // The current key may lie inside what was deleted.
    current_->close();
    sectionKnown_ = false;
    if (autoFlush_) flush();
    return deleted;
}

bool MappedData::hasValue(const wchar_t* section, const wchar_t* name) {
    const Lock hold(lock_);
    return selectForReading(section) && current_->hasValue(name);
}

// ---- Getters

bool MappedData::readDword(const wchar_t* section, const wchar_t* name, uint32_t& value) {
    return selectForReading(section) && current_->getDword(name, value);
}

bool MappedData::readQword(const wchar_t* section, const wchar_t* name, uint64_t& value, bool signExtend) {
    return selectForReading(section) && current_->getQword(name, value, signExtend);
}

uint8_t MappedData::getU08(const wchar_t* section, const wchar_t* name, uint8_t defaultValue) {
    const Lock hold(lock_);
    return uint8_t(getU32(section, name, defaultValue));
}

uint16_t MappedData::getU16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue) {
    const Lock hold(lock_);
    return uint16_t(getU32(section, name, defaultValue));
}

uint32_t MappedData::getU32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue) {
    const Lock hold(lock_);
    uint32_t value = 0;
    return readDword(section, name, value) ? value : defaultValue;
}

uint64_t MappedData::getU64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue) {
    const Lock hold(lock_);
    uint64_t value = 0;
    return readQword(section, name, value, false) ? value : defaultValue;
}

int8_t MappedData::getS08(const wchar_t* section, const wchar_t* name, int8_t defaultValue) {
    const Lock hold(lock_);
    return int8_t(getS32(section, name, defaultValue));
}

int16_t MappedData::getS16(const wchar_t* section, const wchar_t* name, int16_t defaultValue) {
    const Lock hold(lock_);
    return int16_t(getS32(section, name, defaultValue));
}

int32_t MappedData::getS32(const wchar_t* section, const wchar_t* name, int32_t defaultValue) {
    const Lock hold(lock_);
    uint32_t value = 0;
    return readDword(section, name, value) ? int32_t(value) : defaultValue;
}

int64_t MappedData::getS64(const wchar_t* section, const wchar_t* name, int64_t defaultValue) {
    const Lock hold(lock_);
    uint64_t value = 0;
    return readQword(section, name, value, true) ? int64_t(value) : defaultValue;
}

float MappedData::getFloat(const wchar_t* section, const wchar_t* name, float defaultValue) {
    const Lock hold(lock_);
    uint32_t bits = 0;
    if (!readDword(section, name, bits)) return defaultValue;
    float value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

double MappedData::getDouble(const wchar_t* section, const wchar_t* name, double defaultValue) {
    const Lock hold(lock_);
    uint64_t bits = 0;
    if (!selectForReading(section) || !current_->getQword(name, bits, false)) return defaultValue;
    uint32_t type = 0;
    if (!current_->valueType(name, type) || type != IRegDir::TYPE_QWORD) return defaultValue;
    double value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

bool MappedData::getBool(const wchar_t* section, const wchar_t* name, bool defaultValue) {
    const Lock hold(lock_);
    uint32_t value = 0;
    return readDword(section, name, value) ? value != 0 : defaultValue;
}

StrBuffer* MappedData::getText(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                               bool* wasExpandable, bool expand, StrBuffer* target) {
    const Lock hold(lock_);
    if (wasExpandable) *wasExpandable = false;
    StrBuffer* text = target ? target : StrBuffer::acquire();
    if (!text) return nullptr;
    if (!selectForReading(section) || !current_->getText(name, text, wasExpandable, expand)) {
        text->set(orEmpty(defaultValue));
    }
    return text;
}

ArrayU08* MappedData::getBytes(const wchar_t* section, const wchar_t* name, ArrayU08* bytes) {
    const Lock hold(lock_);
    if (!selectForReading(section)) return nullptr;
    ArrayU08* target = bytes ? bytes : ArrayU08::acquire();
    if (!target) return nullptr;
    ArrayU08* read = ArrayU08::acquire();
    const bool found = read && current_->getBinary(name, read);
    if (found) {
        target->clear();
        target->append(read->data(), read->length());
    }
    if (read) read->release();
    if (found) return target;
    if (!bytes) target->release();
    return nullptr;
}

bool MappedData::removeValue(const wchar_t* section, const wchar_t* name) {
    const Lock hold(lock_);
    // A missing section has nothing to remove and must not be created for it.
    if (!selectForReading(section)) return false;
    const bool removed = selectForWriting(section) && current_->removeValue(name);
    if (autoFlush_) flush();
    return removed;
}

bool MappedData::enumerate(const wchar_t* section, str::strarray::StrArray* valueNames,
                           str::strarray::StrArray* sectionNames) {
    const Lock hold(lock_);
    return selectForReading(section) && current_->enumerate(valueNames, sectionNames);
}

// ---- Setters

template <class Write>
bool MappedData::write(const wchar_t* section, Write writeValue) {
    bool written = selectForWriting(section) && writeValue(current_);
    if (!written && current_->lastError() == ERROR_KEY_DELETED) {
        current_->close();
        written = selectForWriting(section) && writeValue(current_);
    }
    if (autoFlush_) flush();
    return written;
}

bool MappedData::setU08(const wchar_t* section, const wchar_t* name, uint8_t value) {
    const Lock hold(lock_);
    return setU32(section, name, value);
}

bool MappedData::setU16(const wchar_t* section, const wchar_t* name, uint16_t value) {
    const Lock hold(lock_);
    return setU32(section, name, value);
}

bool MappedData::setU32(const wchar_t* section, const wchar_t* name, uint32_t value) {
    const Lock hold(lock_);
    return write(section, [&](win::RegDir* key) { return key->setDword(name, value); });
}

bool MappedData::setU64(const wchar_t* section, const wchar_t* name, uint64_t value) {
    const Lock hold(lock_);
    return write(section, [&](win::RegDir* key) { return key->setQword(name, value); });
}

bool MappedData::setS08(const wchar_t* section, const wchar_t* name, int8_t value) {
    const Lock hold(lock_);
    return setS32(section, name, value);
}

bool MappedData::setS16(const wchar_t* section, const wchar_t* name, int16_t value) {
    const Lock hold(lock_);
    return setS32(section, name, value);
}

bool MappedData::setS32(const wchar_t* section, const wchar_t* name, int32_t value) {
    const Lock hold(lock_);
    return setU32(section, name, uint32_t(value));
}

bool MappedData::setS64(const wchar_t* section, const wchar_t* name, int64_t value) {
    const Lock hold(lock_);
    return setU64(section, name, uint64_t(value));
}

bool MappedData::setFloat(const wchar_t* section, const wchar_t* name, float value) {
    const Lock hold(lock_);
    uint32_t bits;
    memcpy(&bits, &value, sizeof bits);
    return setU32(section, name, bits);
}

bool MappedData::setDouble(const wchar_t* section, const wchar_t* name, double value) {
    const Lock hold(lock_);
    uint64_t bits;
    memcpy(&bits, &value, sizeof bits);
    return setU64(section, name, bits);
}

bool MappedData::setBool(const wchar_t* section, const wchar_t* name, bool value) {
    const Lock hold(lock_);
    return setU32(section, name, value ? 1u : 0u);
}

bool MappedData::setText(const wchar_t* section, const wchar_t* name, const wchar_t* value, bool expandable) {
    const Lock hold(lock_);
    return write(section, [&](win::RegDir* key) { return key->setText(name, value, expandable); });
}

bool MappedData::touch(const wchar_t* section, const wchar_t* name) {
    const Lock hold(lock_);
    if (autoFlush_) flush();
    return true;
}

bool MappedData::setBytes(const wchar_t* section, const wchar_t* name, const uint8_t* bytes, uint32_t count) {
    const Lock hold(lock_);
    return write(section, [&](win::RegDir* key) { return key->setBinary(name, bytes, count); });
}

}  // namespace s::reg
