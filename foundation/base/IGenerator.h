#pragma once
// Something that hands out objects: new ones or recycled ones (pools).

namespace s::base {

class IGenerator {
public:
    virtual ~IGenerator() = default;
    // A new or recycled object (its IObject pointer for library objects, a raw
    // block for block pools), or null when none could be made.
    virtual void* generate() = 0;
};

}  // namespace s::base
