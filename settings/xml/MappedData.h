#pragma once
// MappedData: the settings store in an XML file (root element "savedata").
//
// It lives in the settings library beside the registry store because it
// implements the store interface, which the XML library below must not know;
// its namespace is that of the document model it is built on.
//
// Layout: a section is a path of nested elements below the root, split at "\\"
// and at "/" (so MainWindow\View and MainWindow/View are the same element; names
// compare ignoring case, empty pieces are ignored). A value is an attribute of its
// section's element, named by the value name (ignoring case); the unnamed value is
// the element's text content. Numbers are written in decimal ("%d", "%u" for the
// unsigned types, 64-bit alike), booleans as 1 or 0, floats and doubles with as
// many digits as it takes to read the same value back, bytes as hexadecimal pairs.
// A boolean reads true when its text begins with "1" or "true".
//
// Flush writes the whole document when it holds changes not yet written: to a
// temporary file in the same folder that then replaces the old one, so a crash
// or a full disk never leaves a truncated file. When the file cannot be written
// the document stays in memory with its changes, and the next flush tries again.
#include <cstdint>

#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "settings/map/IMappedData.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::xml {

class Node;

class MappedData : public map::IMappedData, public thread::IPoolable {
    S_POOLED_CLASS(MappedData, L"s_xml_MappedData")

public:
    // The name of the document's root element.
    static constexpr wchar_t ROOT_NAME[] = L"savedata";

    MappedData();
    ~MappedData() override;
    MappedData(const MappedData&) = delete;
    MappedData& operator=(const MappedData&) = delete;

    // Drops the current section, the document and the path; auto-flush off.
    void reset() override;

    // Reads the document of `path`; a file that is missing or holds no element gives
    // a new, empty "savedata" document. Creates nothing. True when the file was read.
    bool open(const wchar_t* path);
    const wchar_t* path() const;
    // The document (owned by the store).
    Node* document() const { return root_; }
    // The document holds changes that no flush has written yet.
    bool hasUnsavedChanges() const { return dirty_; }

    // ---- IMappedData
    bool flush() override;
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
    // A fresh "savedata" document.
    void startEmptyDocument();
    // Walks the section path from the root; with `create`, missing elements are
    // appended. Answers the element (null: not found) and, through the out
    // arguments (may be null), its parent and its index there.
    Node* walk(const wchar_t* section, bool create, Node** parent, uint32_t* index);
    bool select(const wchar_t* section, bool forWriting);
    // The stored value of (section, name), or null.
    const wchar_t* storedValue(const wchar_t* section, const wchar_t* name);
    // Replaces the value: removes the attributes of that name, then `store` appends
    // the new one. Marks the document changed and flushes when auto-flush is on.
    template <class Store>
    bool write(const wchar_t* section, const wchar_t* name, Store store);
    // Marks a change and flushes when auto-flush is on.
    void changed();

    str::strbuffer::StrBuffer* path_;     // owned: the file
    Node* root_;                          // owned: the document's root element
    str::strbuffer::StrBuffer* work_;     // owned: scratch text
    str::strbuffer::StrBuffer* section_;  // owned: the current section's text
    Node* current_;                       // not owned: inside root_'s tree; null when none selected
    bool autoFlush_;
    bool dirty_;  // changes not yet written to the file
};

}  // namespace s::xml
