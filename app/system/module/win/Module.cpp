#include "app/system/module/win/Module.h"

#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"

namespace s::system::module::win {

using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(Module, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// Long-path systems allow 32,767 characters; a path that does not fit is unusable anyway.
constexpr uint32_t LONGEST_PATH = 32768;

}  // namespace

Module::Module() : handle_(nullptr), fullPath_(StrBuffer::acquire()), directory_(StrBuffer::acquire()) {}

Module::~Module() {
    delete fullPath_;
    delete directory_;
}

void Module::reset() {
    handle_ = nullptr;
    if (fullPath_) fullPath_->clear();
    if (directory_) directory_->clear();
}

bool Module::open(HMODULE module) {
    reset();
    if (!fullPath_ || !directory_) return false;
    handle_ = module ? module : GetModuleHandleW(nullptr);
    if (!readFullPath()) {
        reset();
        return false;
    }
    uint32_t lastSlash = 0;
    const bool hasFolder = fullPath_->lastIndexOfAny(L"\\/", 2, lastSlash);
    if (!directory_->set(fullPath_->data(), hasFolder ? int32_t(lastSlash + 1) : 0)) {
        reset();
        return false;
    }
    return true;
}

bool Module::readFullPath() {
    // GetModuleFileNameW cuts a long path silently (and on 5.1 without a NUL): a
    // result that fills the whole buffer means "try a larger one".
    for (uint32_t size = MAX_PATH; size <= LONGEST_PATH; size *= 2) {
        if (!fullPath_->reserveExact(size)) return false;
        const DWORD got = GetModuleFileNameW(handle_, fullPath_->pointerAt(0), size);
        if (got == 0) return false;
        if (got < size) {
            fullPath_->setLength(got);
            return true;
        }
    }
    return false;
}

const wchar_t* Module::fullPath() const {
    return fullPath_ ? fullPath_->c_str() : L"";
}

const wchar_t* Module::directory() const {
    return directory_ ? directory_->c_str() : L"";
}

}  // namespace s::system::module::win
