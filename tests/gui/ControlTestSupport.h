#pragma once
// Shared pieces of the control tests: a window that hosts controls created on
// its own thread (through WM_APP_ATTACH, as boxes do), a recorder of control
// events safe to read from the test thread, and waiting for a condition.
#include <windows.h>

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "gui/IComponent.h"
#include "gui/events/IEventListener.h"
#include "gui/win/ReflectionRules.h"
#include "gui/win/Window.h"

namespace control_testing {

// Records the kinds of the events it hears; listeners run on the window's thread.
class EventRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::gui::IComponent* source, int kind) override {
        std::lock_guard<std::mutex> hold(lock_);
        kinds_.push_back(kind);
        sources_.push_back(source);
    }
    std::vector<int> kinds() const {
        std::lock_guard<std::mutex> hold(lock_);
        return kinds_;
    }
    size_t count() const { return kinds().size(); }
    s::gui::IComponent* lastSource() const {
        std::lock_guard<std::mutex> hold(lock_);
        return sources_.empty() ? nullptr : sources_.back();
    }
    void clear() {
        std::lock_guard<std::mutex> hold(lock_);
        kinds_.clear();
        sources_.clear();
    }

private:
    mutable std::mutex lock_;
    std::vector<int> kinds_;
    std::vector<s::gui::IComponent*> sources_;
};

// Runs the action it is given (on the window's thread, through a user event).
class ActionListener : public s::gui::events::IEventListener {
public:
    void onEvent(s::gui::IComponent*, int) override {
        if (action) action();
    }
    std::function<void()> action;
};

// True once `condition` holds, polling every 10 ms for at most timeoutMs.
inline bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

// A hidden top-level window at (100, 100), 400 x 300, hosting controls. Controls
// given to attach() must outlive the host (declare them before it): the host's
// window destroys their windows.
class Host {
public:
    Host() : window_(s::gui::win::Window::acquire()) {
        if (!window_ || !window_->hasNativeWindow()) return;
        window_->addListener(s::gui::EVENT_USER, &runner_);
        // Left hidden: the controls need no screen, and a hidden window goes away
        // at once (a shown one costs Wine about two seconds).
        SetWindowPos(window_->getHandle(), nullptr, 100, 100, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ~Host() {
        if (window_) window_->release();
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    bool ready() const { return window_ && window_->hasNativeWindow(); }
    s::gui::win::Window* window() const { return window_; }
    HWND handle() const { return window_->getHandle(); }

    // Places the control at (x, y) with size w x h, adds it and creates its window.
    bool attach(s::gui::IComponent* control, int x, int y, int w, int h) {
        control->setMinimumSize(w, h);
        control->setPreferredSize(w, h);
        control->setSize(w, h);
        control->setLocation(x, y);
        window_->addComponent(control);
        return SendMessageW(handle(), s::gui::win::WM_APP_ATTACH, reinterpret_cast<WPARAM>(control), 0) == 1;
    }
    // Runs `action` on the window's thread and waits for it.
    void onWindowThread(std::function<void()> action) {
        runner_.action = std::move(action);
        window_->sendUserEvent(L"run", nullptr, 0, 0);
        runner_.action = nullptr;
    }
    // The screen point at client point (x, y) of `hwnd`.
    static POINT screenAt(HWND hwnd, int x, int y) {
        POINT point = {x, y};
        ClientToScreen(hwnd, &point);
        return point;
    }

private:
    ActionListener runner_;
    s::gui::win::Window* window_;  // owned (pooled)
};

}  // namespace control_testing
