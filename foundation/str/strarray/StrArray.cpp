#include "foundation/str/strarray/StrArray.h"

#include "foundation/thread/EasyPooler.h"

namespace s::str::strarray {

using strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(StrArray, thread::EasyPooler::DEFAULT_CAPACITY)

StrArray::StrArray() { list_.setDisposer(&StrBuffer::pool()); }

StrArray::~StrArray() {
    // Destruction deletes what the list owns; reset is the path that recycles strings.
    list_.setDisposer(nullptr);
    for (uint32_t i = 0; i < list_.length(); ++i) delete list_.objectAt(i);
    list_.freeBuffer();
}

void StrArray::reset() {
    if (list_.length() != 0) list_.freeBuffer();
}

bool StrArray::add(StrBuffer* string) {
    if (!string) return true;
    if (list_.addObject(string)) return true;
    string->release();
    return false;
}

StrBuffer* StrArray::addCopy(const wchar_t* text, int32_t count) {
    StrBuffer* string = StrBuffer::acquire();
    if (!string) return nullptr;
    if (!string->set(text, count) || !list_.addObject(string)) {
        string->release();
        return nullptr;
    }
    return string;
}

int32_t StrArray::indexOfIgnoreCase(const wchar_t* text, uint32_t count) const {
    for (uint32_t i = 0; i < list_.length(); ++i) {
        const StrBuffer* string = get(i);
        if (string->length() == count && string->regionMatchesIgnoreCase(0, text, 0, int32_t(count))) {
            return int32_t(i);
        }
    }
    return -1;
}

}  // namespace s::str::strarray
