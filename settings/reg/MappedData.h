#pragma once
// MappedData: the settings store in the registry, below one key of the current
// user (HKEY_CURRENT_USER\<root path>); a section is the sub-key of that path.
//
// Values: integers, booleans and float bits as REG_DWORD; 64-bit integers and
// double bits as REG_QWORD (a REG_DWORD also reads as a 64-bit integer); text as
// REG_SZ, expandable text as REG_EXPAND_SZ, both with their terminating zero;
// bytes as REG_BINARY. A value of another type reads as the default.
//
// The store writes through at once; flush has nothing to do. The last selected
// section's key stays open; selecting the same section again (ignoring case)
// reuses it, and a key that could not be opened is tried again next time.
// Registry errors (access denied, a key that cannot be created) make the
// operation do nothing.
//
// Windows of the program write their settings from their own threads (the main
// window its colours, the version window its place): each operation holds the
// store's lock, so one thread's section never receives another thread's value.
#include <windows.h>

#include <cstdint>

#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "settings/map/IMappedData.h"

namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::reg::win {
class RegDir;
}

namespace s::reg {

class MappedData : public map::IMappedData, public thread::IPoolable {
    S_POOLED_CLASS(MappedData, L"s_reg_MappedData")

public:
    MappedData();
    ~MappedData() override;
    MappedData(const MappedData&) = delete;
    MappedData& operator=(const MappedData&) = delete;

    // Drops the current section, closes the keys, forgets the root path; auto-flush off.
    void reset() override;

    // Uses HKEY_CURRENT_USER\<rootPath> as the root section. Creates nothing.
    bool open(const wchar_t* rootPath);
    const wchar_t* rootPath() const;

    // ---- IMappedData
    bool flush() override { return true; }
    bool selectForWriting(const wchar_t* section) override;
    bool deleteSection(const wchar_t* section) override;
    bool selectForReading(const wchar_t* section) override;
    bool hasValue(const wchar_t* section, const wchar_t* name) override;

    uint8_t getU08(const wchar_t* section, const wchar_t* name, uint8_t defaultValue) override;
    uint16_t getU16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue) override;
    uint32_t getU32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue) override;
    uint64_t getU64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue) override;
    int8_t getS08(const wchar_t* section, const wchar_t* name, int8_t defaultValue) override;
    int16_t getS16(const wchar_t* section, const wchar_t* name, int16_t defaultValue) override;
    int32_t getS32(const wchar_t* section, const wchar_t* name, int32_t defaultValue) override;
    int64_t getS64(const wchar_t* section, const wchar_t* name, int64_t defaultValue) override;
    float getFloat(const wchar_t* section, const wchar_t* name, float defaultValue) override;
    double getDouble(const wchar_t* section, const wchar_t* name, double defaultValue) override;
    bool getBool(const wchar_t* section, const wchar_t* name, bool defaultValue) override;
    str::strbuffer::StrBuffer* getText(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                                       bool* wasExpandable = nullptr, bool expand = true,
                                       str::strbuffer::StrBuffer* target = nullptr) override;
    col::_array::ArrayU08* getBytes(const wchar_t* section, const wchar_t* name,
                                    col::_array::ArrayU08* bytes = nullptr) override;
    bool removeValue(const wchar_t* section, const wchar_t* name) override;
    bool enumerate(const wchar_t* section, str::strarray::StrArray* valueNames,
                   str::strarray::StrArray* sectionNames) override;

    bool setU08(const wchar_t* section, const wchar_t* name, uint8_t value) override;
    bool setU16(const wchar_t* section, const wchar_t* name, uint16_t value) override;
    bool setU32(const wchar_t* section, const wchar_t* name, uint32_t value) override;
    bool setU64(const wchar_t* section, const wchar_t* name, uint64_t value) override;
    bool setS08(const wchar_t* section, const wchar_t* name, int8_t value) override;
    bool setS16(const wchar_t* section, const wchar_t* name, int16_t value) override;
    bool setS32(const wchar_t* section, const wchar_t* name, int32_t value) override;
    bool setS64(const wchar_t* section, const wchar_t* name, int64_t value) override;
    bool setFloat(const wchar_t* section, const wchar_t* name, float value) override;
    bool setDouble(const wchar_t* section, const wchar_t* name, double value) override;
    bool setBool(const wchar_t* section, const wchar_t* name, bool value) override;
    bool setText(const wchar_t* section, const wchar_t* name, const wchar_t* value, bool expandable = false) override;
    bool touch(const wchar_t* section, const wchar_t* name) override;
    bool setBytes(const wchar_t* section, const wchar_t* name, const uint8_t* bytes, uint32_t count) override;

    bool getAutoFlush() const override { return autoFlush_; }
    void setAutoFlush(bool on) override { autoFlush_ = on; }

private:
    // Points `current_` at the section's key, opened for reading or writing.
    bool select(const wchar_t* section, bool forWriting);
    // The full key path of a section into work_.
    bool buildPath(const wchar_t* section);
    bool readDword(const wchar_t* section, const wchar_t* name, uint32_t& value);
    bool readQword(const wchar_t* section, const wchar_t* name, uint64_t& value, bool signExtend);
    // Runs one write on the section's key; a key deleted behind the store's back is
    // opened again (and so created again) once. Flushes when auto-flush is on.
    template <class Write>
    bool write(const wchar_t* section, Write writeValue);

    str::strbuffer::StrBuffer* work_;     // owned: paths are built here
    str::strbuffer::StrBuffer* section_;  // owned: the current section's text
    win::RegDir* root_;                   // owned: the root key (HKEY_CURRENT_USER, root path)
    win::RegDir* current_;                // owned: the current section's key
    bool sectionKnown_;                   // current_ stands for section_
    bool autoFlush_;
    CRITICAL_SECTION lock_;               // held by every operation (re-entrant)
};

}  // namespace s::reg
