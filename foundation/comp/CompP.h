#pragma once
// Orders two array elements of object pointers by unsigned address. compare(a, b) takes pointers to the two
// elements and answers -1, 0 or 1; the case-insensitive twin is the same.
#include <cstdint>

#include "foundation/base/IComparator.h"
#include "foundation/base/IObject.h"

namespace s::comp {

class CompP : public base::IObject, public base::IComparator {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_comp_CompP";

    // The instance the arrays hand out, made on first use.
    static const CompP& shared();

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    // Comparators are not pooled: a plain new object.
    CompP* newInstance() const override;

    int32_t compare(const void* a, const void* b) const override;
};

}  // namespace s::comp
