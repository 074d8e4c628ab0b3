#pragma once
// Shared pieces of the window tests: a listener running a function, a holder
// that releases a pooled window, and a manual-reset event to wait on.
#include <windows.h>

#include <functional>
#include <utility>

#include "gui/events/IEventListener.h"
#include "gui/win/Window.h"

namespace window_testing {

class FunctionListener : public s::gui::events::IEventListener {
public:
    explicit FunctionListener(std::function<void(s::gui::IComponent*, int)> action) : action_(std::move(action)) {}
    void onEvent(s::gui::IComponent* source, int kind) override { action_(source, kind); }

private:
    std::function<void(s::gui::IComponent*, int)> action_;
};

// Owns a pooled window for the length of a test.
struct WindowHolder {
    s::gui::win::Window* window = s::gui::win::Window::acquire();
    ~WindowHolder() {
        if (window) window->release();
    }
};

class Event {
public:
    Event() : handle_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Event() { CloseHandle(handle_); }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    void set() { SetEvent(handle_); }
    void reset() { ResetEvent(handle_); }
    bool wait(DWORD ms = 10000) { return WaitForSingleObject(handle_, ms) == WAIT_OBJECT_0; }

private:
    HANDLE handle_;
};

}  // namespace window_testing
