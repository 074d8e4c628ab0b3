#pragma once
// A small text key for the hash-table tests that need no string class: it hashes
// and compares the way text keys do (ignore-case folds only A..Z).
#include <cstdint>
#include <cwchar>
#include <new>

#include "foundation/base/IObject.h"

namespace s::test {

class MapTestKey : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_test_MapTestKey";
    static int destroyed;  // destructor count, for disposal checks

    explicit MapTestKey(const wchar_t* text = L"") {
        wcsncpy(text_, text, 31);
        text_[31] = 0;
    }
    ~MapTestKey() override { ++destroyed; }

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    MapTestKey* newInstance() const override { return new (std::nothrow) MapTestKey(); }

    int32_t compareTo(const base::IComparable* other, const base::IComparator* comparator = nullptr) const override {
        if (comparator) return IObject::compareTo(other, comparator);
        return wcscmp(text_, static_cast<const MapTestKey*>(other)->text_);
    }
    int32_t compareToIgnoreCase(const base::IComparable* other,
                                const base::IComparator* comparator = nullptr) const override {
        if (comparator) return IObject::compareToIgnoreCase(other, comparator);
        const wchar_t* a = text_;
        const wchar_t* b = static_cast<const MapTestKey*>(other)->text_;
        for (;; ++a, ++b) {
            const wchar_t x = fold(*a), y = fold(*b);
            if (x != y) return x < y ? -1 : 1;
            if (!x) return 0;
        }
    }
    int32_t hashCode() const override { return hash(false); }
    int32_t hashCodeIgnoreCase() const override { return hash(true); }

    const wchar_t* text() const { return text_; }

private:
    static wchar_t fold(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c + 32) : c; }
    int32_t hash(bool ignoreCase) const {
        uint32_t h = 0;
        for (const wchar_t* p = text_; *p; ++p)
            h = ((h << 1) | ((h >> 30) & 1u)) ^ uint16_t(ignoreCase ? fold(*p) : *p);
        return int32_t(h);
    }

    wchar_t text_[32];
};

inline int MapTestKey::destroyed = 0;

}  // namespace s::test
