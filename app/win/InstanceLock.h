#pragma once
// InstanceLock: decides, without a race, which of several copies of the same
// executable started at the same moment is the one that runs. The first copy
// to take the lock holds it for its whole life; every later copy finds it held
// and hands over to that one. A copy that ends (or crashes) frees the lock for
// the next start.
//
// The lock is a named mutex owned by the thread that took it (the main thread,
// which also gives it back), named after the product and the executable's full
// path (letter case ignored), so copies installed in other folders run on their
// own, as they always did.
#include <windows.h>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::app::win {

class InstanceLock {
public:
    enum class State {
        OWNED,      // this copy holds the lock: it is the one that runs
        HELD,       // another running copy holds it
        UNAVAILABLE // no lock could be made: the caller decides by other means
    };

    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock() { release(); }

    // Takes the lock for `productId` and `executablePath` (once: a later call
    // answers OWNED while this object holds it).
    State take(const wchar_t* productId, const wchar_t* executablePath);
    // Gives the lock back (on the thread that took it) and closes it.
    void release();
    bool isOwned() const { return owned_; }

    // "Local\" + the product id + "." + the MD5 of the upper-case path in hex: a
    // name with no further backslash, the same for any letter case of the path.
    static bool lockName(const wchar_t* productId, const wchar_t* executablePath, str::strbuffer::StrBuffer& name);

private:
    HANDLE mutex_ = nullptr;  // owned
    bool owned_ = false;
};

}  // namespace s::app::win
