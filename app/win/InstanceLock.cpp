#include "app/win/InstanceLock.h"

#include <cwchar>

#include "foundation/digest/md5/Md5.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::app::win {

using str::strbuffer::StrBuffer;

namespace {

// Object names may not hold a backslash past the namespace prefix.
bool appendSafeName(StrBuffer& name, const wchar_t* text) {
    for (; *text; ++text)
        if (!name.appendChar(*text == L'\\' ? L'_' : *text)) return false;
    return true;
}

bool appendPathDigest(StrBuffer& name, const wchar_t* path) {
    StrBuffer* upper = StrBuffer::acquire();
    digest::md5::Md5* md5 = digest::md5::Md5::acquire();
    bool done = upper && md5 && upper->set(path);
    if (done) {
        upper->toUpperCase();
        md5->update(upper->c_str(), upper->length() * sizeof(wchar_t));
        uint8_t digest[digest::md5::Md5::DIGEST_SIZE];
        md5->finish(digest);
        done = name.appendHexU08(digest, digest::md5::Md5::DIGEST_SIZE);
    }
    if (md5) md5->release();
    if (upper) upper->release();
    return done;
}

}  // namespace

bool InstanceLock::lockName(const wchar_t* productId, const wchar_t* executablePath, StrBuffer& name) {
    if (!productId || !executablePath || !*executablePath) return false;
    return name.set(L"Local\\") && appendSafeName(name, productId) && name.appendChar(L'.') &&
           appendPathDigest(name, executablePath);
}

InstanceLock::State InstanceLock::take(const wchar_t* productId, const wchar_t* executablePath) {
    if (owned_) return State::OWNED;
    StrBuffer* name = StrBuffer::acquire();
    const bool named = name && lockName(productId, executablePath, *name);
    if (named && !mutex_) mutex_ = CreateMutexW(nullptr, FALSE, name->c_str());
    if (name) name->release();
    if (!mutex_) return State::UNAVAILABLE;
    // A copy that ended without giving the lock back leaves it abandoned: ours now.
    const DWORD waited = WaitForSingleObject(mutex_, 0);
    owned_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    if (owned_) return State::OWNED;
    // Not ours: keeping the handle would keep the name alive after the owner ends.
    CloseHandle(mutex_);
    mutex_ = nullptr;
    return waited == WAIT_TIMEOUT ? State::HELD : State::UNAVAILABLE;
}

void InstanceLock::release() {
    if (!mutex_) return;
    if (owned_) ReleaseMutex(mutex_);
    CloseHandle(mutex_);
    mutex_ = nullptr;
    owned_ = false;
}

}  // namespace s::app::win
