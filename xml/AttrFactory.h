#pragma once
// AttrFactory: the pool of attribute records.
//
// An attribute record is a plain block (not an object): name and value, each a
// heap block of NUL-terminated UTF-16 with its length. The block holds two
// pointers, so it takes 32 bytes on a 64-bit build (16 with 4-byte pointers);
// itemSize answers sizeof(AttrRecord) rather than a fixed 16.
//
// One static factory serves the whole program. It is made on first use (the
// compiler guards that initialisation) in static storage and never destructed:
// at exit a companion static drains it and from then on it keeps nothing, so
// an attribute list destroyed later at exit still finds a working factory that
// simply frees its records.
#include <cstdint>

#include "foundation/thread/Factory.h"

namespace s::xml {

struct AttrRecord {
    uint32_t nameLength;   // code units, without the NUL
    wchar_t* name;         // owned heap block, NUL-terminated; null when never set
    uint32_t valueLength;  // code units, without the NUL
    wchar_t* value;        // owned heap block, NUL-terminated; null when never set
};

class AttrFactory : public thread::Factory {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_xml_AttrFactory";

    AttrFactory();
    ~AttrFactory() override;

    // The program's one factory.
    static AttrFactory& shared();

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    // A new, separate factory (factories are not pooled).
    AttrFactory* newInstance() const override;

    // IGenerator: a zeroed record, or null when memory is exhausted.
    void* generate() override;
    int32_t itemSize(const void* item) const override { return int32_t(sizeof(AttrRecord)); }
    // Frees the name and value blocks and zeroes the record.
    void resetItem(void* item) override;
    // Frees both blocks and the record.
    void destroyItem(void* item) override;

    // A record from the pool, typed.
    AttrRecord* acquireRecord() { return static_cast<AttrRecord*>(acquire()); }
    // Destroys every kept record and keeps none from now on (run at exit for the shared factory).
    void close();
};

}  // namespace s::xml
