#include "settings/reg/win/RegDir.h"

#include <cstring>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::reg::win {

using col::_array::ArrayU08;
using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(RegDir, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// Key names are at most 255 characters, value names at most 16383.
constexpr DWORD MAX_KEY_NAME = 256;
constexpr DWORD MAX_VALUE_NAME = 16384;

const wchar_t* orEmpty(const wchar_t* text) {
    return text ? text : L"";
}

// Deletes `subKey` of `parent` with everything below it. Children that cannot be
// deleted are stepped over, so the walk ends whatever the rights on the tree.
LONG deleteTree(HKEY parent, const wchar_t* subKey) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(parent, subKey, 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | DELETE, &key);
    if (status != ERROR_SUCCESS) return status;
    wchar_t child[MAX_KEY_NAME];
    DWORD index = 0;
    for (;;) {
        DWORD length = MAX_KEY_NAME;
        if (RegEnumKeyExW(key, index, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (deleteTree(key, child) != ERROR_SUCCESS) ++index;
    }
    RegCloseKey(key);
    return RegDeleteKeyW(parent, subKey);
}

// The text of a REG_SZ/REG_EXPAND_SZ block: up to the first zero, or all of it.
uint32_t textLength(const wchar_t* text, uint32_t units) {
    uint32_t length = 0;
    while (length < units && text[length] != 0) ++length;
    return length;
}

// Expands the environment variables of `raw` into `target`, to the full length.
bool expandInto(const wchar_t* raw, StrBuffer* target) {
    DWORD room = ExpandEnvironmentStringsW(raw, nullptr, 0);
    for (int attempt = 0; room != 0 && attempt < 4; ++attempt) {
        if (!target->reserveExact(room)) return false;
        const DWORD needed = ExpandEnvironmentStringsW(raw, target->data(), room);
        if (needed == 0) break;
        if (needed <= room) {
            target->setLength(textLength(target->data(), needed));
            return true;
        }
        room = needed;  // a variable grew in between: try again with the new size
    }
    return false;
}

}  // namespace

RegDir::RegDir()
    : root_(HKEY_LOCAL_MACHINE),
      rootName_(L"HKEY_LOCAL_MACHINE"),
      path_(StrBuffer::acquire()),
      key_(nullptr),
      writable_(false),
      lastError_(ERROR_SUCCESS) {
    reset();
}

RegDir::~RegDir() {
    close();
    delete path_;
}

void RegDir::reset() {
    close();
    root_ = HKEY_LOCAL_MACHINE;
    rootName_ = L"HKEY_LOCAL_MACHINE";
    if (path_) path_->clear();
    lastError_ = ERROR_SUCCESS;
}

void RegDir::setRoot(HKEY root, const wchar_t* rootName) {
    close();
    root_ = root;
    rootName_ = rootName;
}

bool RegDir::succeeded(LONG status) {
    if (status == ERROR_SUCCESS) return true;
    lastError_ = status;
    return false;
}

bool RegDir::setPath(const wchar_t* path) {
    close();
    return path_ && path_->set(path);
}

const wchar_t* RegDir::getPath() const {
    return path_ ? path_->c_str() : L"";
}

bool RegDir::open(bool create) {
    if (key_ && (writable_ || !create)) return true;
    close();
    if (!path_) return false;
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(root_, path_->c_str(), 0, create ? KEY_READ | KEY_WRITE : KEY_READ, &key);
    if (status == ERROR_FILE_NOT_FOUND && create) status = createPath(key);
    if (!succeeded(status)) return false;
    key_ = key;
    writable_ = create;
    return true;
}

// Creates the path one key at a time, so that a failure part-way (a name the
// registry refuses, access denied below some key) can take back the keys this call
// created: everything from the first new key down was made here.
LONG RegDir::createPath(HKEY& key) {
    StrBuffer* prefix = StrBuffer::acquire();
    if (!prefix) return ERROR_NOT_ENOUGH_MEMORY;
    const wchar_t* path = path_->c_str();
    const uint32_t length = path_->length();
    uint32_t firstCreated = 0;  // length of the path of the first key created; 0: none yet
    LONG status = ERROR_SUCCESS;
    for (uint32_t end = 1; end <= length && status == ERROR_SUCCESS; ++end) {
        const bool last = end == length;
        if (!last && (path[end] != L'\\' || path[end - 1] == L'\\')) continue;
        if (!prefix->set(path, int32_t(end))) {
            status = ERROR_NOT_ENOUGH_MEMORY;
            break;
        }
        HKEY step = nullptr;
        DWORD disposition = 0;
        status = RegCreateKeyExW(root_, prefix->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 last ? KEY_READ | KEY_WRITE : KEY_READ, nullptr, &step, &disposition);
        if (status != ERROR_SUCCESS) break;
        if (disposition == REG_CREATED_NEW_KEY && firstCreated == 0) firstCreated = end;
        if (last) {
            key = step;
        } else {
            RegCloseKey(step);
        }
    }
    if (status != ERROR_SUCCESS && firstCreated != 0 && prefix->set(path, int32_t(firstCreated))) {
        deleteTree(root_, prefix->c_str());
    }
    prefix->release();
    return status;
}

void RegDir::close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
    writable_ = false;
}

bool RegDir::exists() {
    if (key_) return true;
    HKEY key = nullptr;
    if (!succeeded(RegOpenKeyExW(root_, getPath(), 0, KEY_READ, &key))) return false;
    RegCloseKey(key);
    return true;
}

bool RegDir::deleteKey() {
    close();
    // An empty path would name the root key itself, which is never deleted.
    if (!path_ || path_->length() == 0) return false;
    return succeeded(deleteTree(root_, path_->c_str()));
}

bool RegDir::hasValue(const wchar_t* name) {
    uint32_t type = 0;
    return valueType(name, type);
}

bool RegDir::valueType(const wchar_t* name, uint32_t& type) {
    if (!key_) return false;
    DWORD found = 0;
    if (!succeeded(RegQueryValueExW(key_, orEmpty(name), nullptr, &found, nullptr, nullptr))) return false;
    type = found;
    return true;
}

bool RegDir::readRaw(const wchar_t* name, ArrayU08* bytes, uint32_t& type) {
    if (!key_ || !bytes) return false;
    // The value may grow between asking its size and reading it: then ask again.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD found = 0;
        DWORD size = 0;
        if (!succeeded(RegQueryValueExW(key_, orEmpty(name), nullptr, &found, nullptr, &size))) return false;
        // Two spare bytes so that a text read without its zero can be terminated.
        if (!bytes->setLength(size + 2)) return false;
        DWORD got = size;
        const LONG status = RegQueryValueExW(key_, orEmpty(name), nullptr, &found, bytes->data(), &got);
        if (status == ERROR_MORE_DATA) continue;
        if (!succeeded(status)) {
            bytes->clear();
            return false;
        }
        bytes->setLength(got);
        type = found;
        return true;
    }
    bytes->clear();
    return false;
}

bool RegDir::getDword(const wchar_t* name, uint32_t& value) {
    if (!key_) return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExW(key_, orEmpty(name), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (!succeeded(status) || type != REG_DWORD || size != sizeof data) return false;
    value = data;
    return true;
}

bool RegDir::getQword(const wchar_t* name, uint64_t& value, bool signExtend) {
    if (!key_) return false;
    DWORD type = 0;
    uint64_t data = 0;
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExW(key_, orEmpty(name), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (!succeeded(status)) return false;
    if (type == REG_QWORD && size == sizeof data) {
        value = data;
        return true;
    }
    if (type == REG_DWORD && size == sizeof(uint32_t)) {
        const uint32_t low = uint32_t(data);
        value = signExtend ? uint64_t(int64_t(int32_t(low))) : uint64_t(low);
        return true;
    }
    return false;
}

bool RegDir::getText(const wchar_t* name, StrBuffer* target, bool* wasExpandable, bool expand) {
    if (wasExpandable) *wasExpandable = false;
    ArrayU08* raw = ArrayU08::acquire();
    if (!raw) return false;
    uint32_t type = 0;
    bool read = readRaw(name, raw, type) && (type == REG_SZ || type == REG_EXPAND_SZ);
    if (read) {
        // readRaw leaves room for two more bytes: a zero ends the text even when the
        // value was stored without one.
        const uint32_t units = raw->length() / 2;
        raw->setLength(units * 2 + 2);
        wchar_t* text = reinterpret_cast<wchar_t*>(raw->data());
        text[units] = 0;
        const uint32_t length = textLength(text, units);
        if (type == REG_EXPAND_SZ && wasExpandable) *wasExpandable = true;
        read = (type == REG_EXPAND_SZ && expand) ? expandInto(text, target) : target->set(text, int32_t(length));
    }
    raw->release();
    return read;
}

bool RegDir::getBinary(const wchar_t* name, ArrayU08* bytes) {
    uint32_t type = 0;
    ArrayU08* raw = ArrayU08::acquire();
    if (!raw) return false;
    const bool read = readRaw(name, raw, type) && type == REG_BINARY;
    if (read) {
        bytes->clear();
        bytes->append(raw->data(), raw->length());
    }
    raw->release();
    return read;
}

bool RegDir::setValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    if (!key_ || !writable_) return false;
    return succeeded(RegSetValueExW(key_, orEmpty(name), 0, type, static_cast<const BYTE*>(data), size));
}

bool RegDir::setDword(const wchar_t* name, uint32_t value) {
    const DWORD data = value;
    return setValue(name, REG_DWORD, &data, sizeof data);
}

bool RegDir::setQword(const wchar_t* name, uint64_t value) {
    return setValue(name, REG_QWORD, &value, sizeof value);
}

bool RegDir::setText(const wchar_t* name, const wchar_t* value, bool expandable) {
    const wchar_t* text = orEmpty(value);
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    if (bytes > 0x7FFFFFFF) return false;
    return setValue(name, expandable ? REG_EXPAND_SZ : REG_SZ, text, DWORD(bytes));
}

bool RegDir::setBinary(const wchar_t* name, const uint8_t* bytes, uint32_t count) {
    return setValue(name, REG_BINARY, bytes, count);
}

bool RegDir::removeValue(const wchar_t* name) {
    if (!key_ || !writable_) return false;
    return succeeded(RegDeleteValueW(key_, orEmpty(name)));
}

bool RegDir::enumerate(StrArray* valueNames, StrArray* keyNames) {
    if (!key_) return false;
    StrBuffer* name = StrBuffer::acquire();
    if (!name || !name->reserveExact(MAX_VALUE_NAME)) {
        if (name) name->release();
        return false;
    }
    for (DWORD index = 0; valueNames; ++index) {
        DWORD length = MAX_VALUE_NAME;
        if (RegEnumValueW(key_, index, name->data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        valueNames->addCopy(name->data(), int32_t(length));
    }
    for (DWORD index = 0; keyNames; ++index) {
        DWORD length = MAX_KEY_NAME;
        if (RegEnumKeyExW(key_, index, name->data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        keyNames->addCopy(name->data(), int32_t(length));
    }
    name->release();
    return true;
}

}  // namespace s::reg::win
