#pragma once
// An object that lives in a per-class pool (see EasyPooler.h for the pool
// convention): `release` gives it back, `reset` defines its empty state.

namespace s::thread {

class IPoolable {
public:
    virtual ~IPoolable() = default;
    // Hands the object back to its class's pool; the caller must not use it afterwards.
    virtual void release() = 0;
    // Back to the freshly constructed state: contents dropped, owned sub-objects and
    // (where the class allows) buffers kept. Runs inside the pool lock, so it must not
    // acquire from or release to the pool of its own class.
    virtual void reset() = 0;
};

}  // namespace s::thread
