#include "app/win/StartUpRules.h"

#include "app/process/commandline/ICommandLine.h"

namespace s::app::win {

namespace {

// How long one wait for a message lasts before `done` is asked again.
constexpr DWORD POLL_MS = 10;

// False when the thread was asked to quit.
bool dispatchWaitingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Not ours to take: the thread's own loop must still see it.
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

}  // namespace

bool isSupportedSystem(DWORD major, DWORD minor, DWORD platformId) {
    if (major >= 6) return true;
    return major == 5 && (minor == 1 || minor == 2) && platformId == VER_PLATFORM_WIN32_NT;
}

bool isRunningOnSupportedSystem() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version)) return false;
    return isSupportedSystem(version.dwMajorVersion, version.dwMinorVersion, version.dwPlatformId);
}

bool wantsIconizedStart(const process::commandline::ICommandLine* commandLine) {
    // Switches are kept with a leading '-' whichever character was typed.
    return commandLine && commandLine->argumentCount() > 0 && commandLine->hasArgument(L"-startup");
}

bool pumpUntil(bool (*done)(void* context), void* context, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done(context)) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (timeoutMs != INFINITE && elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, POLL_MS, QS_ALLINPUT);
        if (!dispatchWaitingMessages()) return done(context);
    }
}

}  // namespace s::app::win
