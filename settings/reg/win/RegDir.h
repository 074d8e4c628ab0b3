#pragma once
// RegDir: one registry key through advapi32, given by a predefined root key and a
// sub-key path (HKEY_LOCAL_MACHINE and an empty path after reset).
//
// Text values are written as REG_SZ or REG_EXPAND_SZ with their terminating zero
// and read whatever their length, with or without that zero. An expandable text is
// expanded to its full length, however long the expansion.
#include <windows.h>

#include <cstdint>

#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "settings/reg/IRegDir.h"

namespace s::reg::win {

class RegDir : public IRegDir, public thread::IPoolable {
    S_POOLED_CLASS(RegDir, L"s_reg_win_RegDir")

public:
    RegDir();
    // Closes the key and deletes the path text.
    ~RegDir() override;
    RegDir(const RegDir&) = delete;
    RegDir& operator=(const RegDir&) = delete;

    // Closes the key; root HKEY_LOCAL_MACHINE, empty path.
    void reset() override;

    // A predefined root key and the name shown for it ("HKEY_CURRENT_USER"); closes an open key.
    void setRoot(HKEY root, const wchar_t* rootName);
    HKEY root() const { return root_; }
    const wchar_t* rootName() const { return rootName_; }
    // The system error code of the last operation that failed (ERROR_SUCCESS when none did).
    LONG lastError() const { return lastError_; }

    // ---- IRegDir
    bool setPath(const wchar_t* path) override;
    const wchar_t* getPath() const override;
    bool open(bool create) override;
    bool isOpen() const override { return key_ != nullptr; }
    bool isWritable() const override { return key_ != nullptr && writable_; }
    void close() override;
    bool exists() override;
    bool deleteKey() override;

    bool hasValue(const wchar_t* name) override;
    bool valueType(const wchar_t* name, uint32_t& type) override;
    bool readRaw(const wchar_t* name, col::_array::ArrayU08* bytes, uint32_t& type) override;
    bool getDword(const wchar_t* name, uint32_t& value) override;
    bool getQword(const wchar_t* name, uint64_t& value, bool signExtend) override;
    bool getText(const wchar_t* name, str::strbuffer::StrBuffer* target, bool* wasExpandable, bool expand) override;
    bool getBinary(const wchar_t* name, col::_array::ArrayU08* bytes) override;
    bool setDword(const wchar_t* name, uint32_t value) override;
    bool setQword(const wchar_t* name, uint64_t value) override;
    bool setText(const wchar_t* name, const wchar_t* value, bool expandable) override;
    bool setBinary(const wchar_t* name, const uint8_t* bytes, uint32_t count) override;
    bool removeValue(const wchar_t* name) override;
    bool enumerate(str::strarray::StrArray* valueNames, str::strarray::StrArray* keyNames) override;

private:
    // Records `status` as the last error unless it is a success; answers whether it was one.
    bool succeeded(LONG status);
    bool setValue(const wchar_t* name, DWORD type, const void* data, DWORD size);
    // Creates the missing keys of the path and opens the last for reading and writing;
    // on failure the keys it created are deleted again.
    LONG createPath(HKEY& key);

    HKEY root_;                        // not owned: a predefined key
    const wchar_t* rootName_;          // not owned: a static text
    str::strbuffer::StrBuffer* path_;  // owned
    HKEY key_;                         // owned; null when not open
    bool writable_;                    // key_ was opened for writing
    LONG lastError_;
};

}  // namespace s::reg::win
