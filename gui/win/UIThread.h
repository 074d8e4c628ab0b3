#pragma once
// UIThread: the user-interface thread of one top-level window. It prepares the
// thread for windows (common controls, OLE), waits for its window to be handed
// over, creates the window's native windows and then runs their message loop.
// The ready flag tells the constructing thread that the windows exist; it is
// cleared again when the thread leaves its loop. Both hand-overs are kernel
// events rather than polled flags, so neither thread loses a polling step.
#include <windows.h>

#include <atomic>

#include "foundation/base/IObject.h"
#include "framework/WinThread.h"

namespace s::gui::win {

class Window;

class UIThread : public base::IObject, public framework::WinThread {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_win_UIThread";
    UIThread();
    ~UIThread() override;
    UIThread(const UIThread&) = delete;
    UIThread& operator=(const UIThread&) = delete;
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    // A new, unstarted thread object.
    UIThread* newInstance() const override;

    // Hands over the window whose native windows this thread creates (not owned).
    void setWindow(Window* window);
    bool isReady() const { return ready_.load(); }
    // Blocks until the windows exist or the thread ended (it could not make them).
    void waitUntilReadyOrEnded() const;
    // True once the thread has ended (or never started).
    bool hasEnded() const;

protected:
    bool initInstance() override;
    // Every message the loop takes tells the window it is outside its handlers.
    bool preTranslateMessage(MSG& msg) override;
    int exitInstance(int loopResult) override;

private:
    void prepareThread();

    std::atomic<Window*> window_{nullptr};  // not owned: the window owns this thread
    std::atomic<bool> ready_{false};
    HANDLE handedOver_;  // owned: manual-reset, set once a window was handed over
    HANDLE readyEvent_;  // owned: manual-reset, set while ready
    bool oleInitialized_ = false;
};

}  // namespace s::gui::win
