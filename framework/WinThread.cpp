#include "framework/WinThread.h"

#include <process.h>

namespace framework {

WinThread::~WinThread() {
    if (thread_) CloseHandle(thread_);
}

bool WinThread::start(int priority, unsigned stackSize) {
    if (thread_) return false;
    unsigned id = 0;
    // _beginthreadex, not CreateThread: the C run-time sets up its per-thread data.
    uintptr_t created = _beginthreadex(nullptr, stackSize, &WinThread::entry, this, CREATE_SUSPENDED, &id);
    if (!created) return false;
    thread_ = reinterpret_cast<HANDLE>(created);
    threadId_ = id;
    SetThreadPriority(thread_, priority);
    ResumeThread(thread_);
    return true;
}

bool WinThread::join(DWORD timeoutMs) const {
    return thread_ && WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
}

int WinThread::run() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return int(msg.wParam);
        if (got < 0) return -1;
        if (preTranslateMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

unsigned __stdcall WinThread::entry(void* self) {
    auto* thread = static_cast<WinThread*>(self);
    MSG ignored;
    PeekMessageW(&ignored, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // make the queue before anyone posts
    const int loopResult = thread->initInstance() ? thread->run() : -1;
    return unsigned(thread->exitInstance(loopResult));
}

}  // namespace framework
