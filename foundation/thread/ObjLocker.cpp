#include "foundation/thread/ObjLocker.h"

#include <cstdlib>
#include <new>

#include "foundation/base/IDestructor.h"

namespace s::thread {

ObjLocker::ObjLocker(void* object, DisposerFunction disposerFunction, base::IDestructor* destructor)
    : object_(object), disposerFunction_(disposerFunction), destructor_(destructor) {
    InitializeCriticalSection(&section_);
}

ObjLocker::~ObjLocker() {
    if (object_) {
        if (disposerFunction_) {
            disposerFunction_(object_);
        } else if (destructor_) {
            destructor_->destroy(&object_);
        } else {
            free(object_);
        }
        object_ = nullptr;
    }
    DeleteCriticalSection(&section_);
}

ObjLocker* ObjLocker::newInstance() const {
    return new (std::nothrow) ObjLocker();
}

}  // namespace s::thread
