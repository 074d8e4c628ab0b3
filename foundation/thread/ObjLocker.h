#pragma once
// A critical section, optionally bundled with the object it protects.
//
// Pools and tables embed one and use its critical section as their lock. A
// static shared object (a scratch string, say) is created owned by a locker:
// whoever uses the object holds the locker's lock, and the locker disposes of
// the object when it is destroyed.
#include <windows.h>

#include "foundation/base/IObject.h"

namespace s::base {
class IDestructor;
}

namespace s::thread {

class ObjLocker : public base::IObject {
public:
    using DisposerFunction = void (*)(void* object);

    static constexpr wchar_t CLASS_NAME[] = L"s_thread_ObjLocker";

    // Holds the lock for the lifetime of the guard.
    class Guard {
    public:
        explicit Guard(ObjLocker& locker) : locker_(locker) { locker_.lock(); }
        ~Guard() { locker_.unlock(); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        ObjLocker& locker_;  // not owned
    };

    // `object` (may be null) becomes owned: at destruction it is disposed of by
    // `disposerFunction` if set, else by `destructor` if set, else freed with free().
    explicit ObjLocker(void* object = nullptr, DisposerFunction disposerFunction = nullptr,
                       base::IDestructor* destructor = nullptr);
    ~ObjLocker() override;
    ObjLocker(const ObjLocker&) = delete;
    ObjLocker& operator=(const ObjLocker&) = delete;

    const wchar_t* getClassName() const override { return CLASS_NAME; }
    // A new locker owning nothing (lockers are not pooled).
    ObjLocker* newInstance() const override;

    void lock() { EnterCriticalSection(&section_); }
    void unlock() { LeaveCriticalSection(&section_); }
    CRITICAL_SECTION* criticalSection() { return &section_; }

    void* object() const { return object_; }

private:
    void* object_;                       // owned when not null
    DisposerFunction disposerFunction_;  // may be null
    base::IDestructor* destructor_;      // not owned; may be null
    CRITICAL_SECTION section_;           // owned
};

}  // namespace s::thread
