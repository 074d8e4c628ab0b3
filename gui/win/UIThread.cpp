#include "gui/win/UIThread.h"

#include <commctrl.h>
#include <ole2.h>

#include <new>

#include "gui/win/Window.h"

namespace s::gui::win {

UIThread::UIThread()
    : handedOver_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), readyEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

UIThread::~UIThread() {
    if (handedOver_) CloseHandle(handedOver_);
    if (readyEvent_) CloseHandle(readyEvent_);
}

UIThread* UIThread::newInstance() const { return new (std::nothrow) UIThread(); }

void UIThread::setWindow(Window* window) {
    window_.store(window);
    if (window && handedOver_) SetEvent(handedOver_);
}

void UIThread::waitUntilReadyOrEnded() const {
    HANDLE waits[2] = {readyEvent_, handle()};
    if (readyEvent_ && handle()) {
        WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        return;
    }
    // Without the events (no kernel objects left) the flags are polled.
    while (!isReady() && !hasEnded()) Sleep(10);
}

bool UIThread::hasEnded() const { return !handle() || WaitForSingleObject(handle(), 0) == WAIT_OBJECT_0; }

void UIThread::prepareThread() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    // Fails harmlessly when another thread of the process set security first.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IMPERSONATE,
                         nullptr, EOAC_NONE, nullptr);
}

bool UIThread::initInstance() {
    prepareThread();
    // The window is handed over right after the thread starts.
    if (handedOver_) WaitForSingleObject(handedOver_, INFINITE);
    while (!window_.load()) Sleep(10);
    if (!window_.load()->createOnThread()) return false;
    ready_.store(true);
    if (readyEvent_) SetEvent(readyEvent_);
    return true;
}

bool UIThread::preTranslateMessage(MSG&) {
    if (Window* window = window_.load()) window->onLoopTurn();
    return false;
}

int UIThread::exitInstance(int loopResult) {
    ready_.store(false);
    if (readyEvent_) ResetEvent(readyEvent_);
    if (Window* window = window_.load()) window->destroyOnThread();
    if (oleInitialized_) OleUninitialize();
    oleInitialized_ = false;
    return loopResult;
}

}  // namespace s::gui::win
