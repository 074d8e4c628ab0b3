// Window: construction, the thread, creation and destruction of the native
// windows, lists and reset. Message handling is in WindowDispatch.cpp.
#include "gui/win/Window.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/IPopupMenu.h"
#include "gui/win/Dpi.h"
#include "gui/win/ReflectionRules.h"
#include "gui/win/UIThread.h"
#include "gui/win/WindowClass.h"

namespace s::gui::win {

// Windows hold a thread and native windows: a released one is always deleted.
S_POOLED_CLASS_IMPL(Window, s::thread::EasyPooler::NO_CAPACITY)

Window::Window()
    : thread_(nullptr),
      created_(false),
      components_(col::_array::ArrayP::acquire()),
      buffer_(nullptr),
      drawer_(nullptr),
      menuBar_(nullptr),
      popupMenu_(nullptr),
      trayMenu_(nullptr),
      smallIcon_(nullptr),
      largeIcon_(nullptr) {
    for (auto& list : listeners_) list = col::_array::ArrayP::acquire();
    resetFields();
    startThread();
}

Window::~Window() {
    shutdown();
    releaseLists();
    releaseBackBuffer();
    releaseMenus();
    releaseIcons();
}

COLORREF Window::defaultBackground() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (GetVersionExW(&version) && version.dwMajorVersion < 6) return RGB(0xF0, 0xF0, 0xF0);
    return GetSysColor(COLOR_BTNFACE);
}

void Window::resetFields() {
    userEvent_ = UserEvent{nullptr, nullptr, 0, 0};
    result_ = 0;
    closeRefused_ = false;
    keyCode_ = wheelAmount_ = hotKeyId_ = timerId_ = 0;
    cursor_ = POINT{0, 0};
    capture_ = false;
    active_ = false;
    deactivatedAt_ = 0;
    watchClipboard_ = false;
    dragByBody_ = false;
    sizingHit_ = 0;
    borderCapture_ = sizing_ = false;
    dragStart_ = POINT{0, 0};
    dragStartRect_ = RECT{0, 0, 0, 0};
    offeringWheel_ = false;
    defaultSize_ = DEFAULT_SIZE;
    minimumSize_ = DEFAULT_MINIMUM_SIZE;
    titleButtonSize_ = DEFAULT_TITLE_BUTTON_SIZE;
    borderWidth_ = DEFAULT_BORDER_WIDTH;
    setBackground(defaultBackground());
}

void Window::reset() {
    resetFields();
    releaseBackBuffer();
    releaseMenus();
    releaseIcons();
    if (components_) components_->reset();
    for (auto* list : listeners_)
        if (list) list->reset();
}

void Window::releaseLists() {
    if (components_) components_->release();
    components_ = nullptr;
    for (auto*& list : listeners_) {
        if (list) list->release();
        list = nullptr;
    }
}

void Window::startThread() {
    inClipboardChain_ = false;
    nextViewer_ = nullptr;
    closingDone_ = false;
    finished_ = false;
    thread_ = new (std::nothrow) UIThread();
    if (!thread_ || !thread_->start()) return;
    thread_->setWindow(this);
    // The thread either reports ready or ends when it could not create the windows.
    thread_->waitUntilReadyOrEnded();
}

DWORD Window::getThreadId() const {
    return thread_ ? thread_->id() : 0;
}

bool Window::createOnThread() {
    if (!WindowClass::ensureRegistered() || !owner_.create()) return false;
    if (!createSelfBinding(WS_EX_CLIENTEDGE, WindowClass::NAME, L"Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 240, 120, owner_.handle(), nullptr)) {
        MessageBoxW(nullptr, L"Window Creation Failed!", L"Error!", MB_ICONWARNING | MB_OK);
        owner_.destroy();
        return false;
    }
    owner_.setOwned(handle());
    ShowWindow(handle(), SW_HIDE);
    UpdateWindow(handle());
    if (watchClipboard_) joinClipboardChain();
    created_ = true;
    if (menuBar_) SetMenu(handle(), menuBar_->getMenuHandle());
    // A new window has no icons: telling it "none" costs a round to the display for nothing.
    if (smallIcon_ || largeIcon_) applyIcons();
    return true;
}

void Window::destroyOnThread() {
    leaveClipboardChain();
    // The menu bar belongs to its menu object: destroying the window must not take it along.
    if (isBound() && GetMenu(handle())) SetMenu(handle(), nullptr);
    if (isBound()) Dpi::tell(handle(), 0);
    if (isBound()) destroy();
    if (owner_.isBound()) owner_.destroy();
}

void Window::setWatchClipboard(bool watch) {
    watchClipboard_ = watch;
    if (HWND hwnd = liveHandle()) SendMessageW(hwnd, WM_APP_WATCH_CLIPBOARD, watch ? 1 : 0, 0);
}

void Window::joinClipboardChain() {
    if (inClipboardChain_ || !handle()) return;
    inClipboardChain_ = true;
    nextViewer_ = SetClipboardViewer(handle());
}

void Window::leaveClipboardChain() {
    if (!inClipboardChain_) return;
    ChangeClipboardChain(handle(), nextViewer_);
    inClipboardChain_ = false;
    nextViewer_ = nullptr;
}

void Window::shutdown() {
    if (!thread_) return;
    if (GetCurrentThreadId() == thread_->id()) {
        // Released by one of its own listeners: waiting for this thread would never end.
        // The thread is told to quit and forgets this object; its small thread object is
        // left behind, since the thread still runs on it.
        thread_->setWindow(nullptr);
        destroyOnThread();
        thread_->postQuit();
        thread_ = nullptr;
        created_ = false;
        return;
    }
    stopThread();
    delete thread_;
    thread_ = nullptr;
    created_ = false;
}

void Window::stopThread() {
    const DWORD start = GetTickCount();
    auto elapsed = [start] { return GetTickCount() - start; };
    // The post fails only while the thread has no queue yet or is gone.
    while (!thread_->postQuit() && thread_->isReady() && elapsed() < DESTROY_BUDGET_MS) Sleep(10);
    const DWORD used = elapsed();
    if (thread_->join(used < DESTROY_BUDGET_MS ? DESTROY_BUDGET_MS - used : 0)) return;
    // A blocked thread: stop it where it is. Its windows stay, unbound from this object.
    SuspendThread(thread_->handle());
}

int Window::getComponentCount() const {
    return components_ ? int(components_->length()) : 0;
}

IComponent* Window::getComponent(int i) const {
    if (i < 0 || i >= getComponentCount()) return nullptr;
    return static_cast<IComponent*>(static_cast<base::IObject*>(components_->get(uint32_t(i))));
}

bool Window::addComponent(IComponent* component) {
    if (!component || !components_ || !components_->addObject(component)) return false;
    component->setParent(this);
    return true;
}

bool Window::removeComponent(IComponent* component) {
    if (!component || !components_ || !components_->remove(static_cast<base::IObject*>(component))) return false;
    if (component->getParent() == this) component->setParent(nullptr);
    return true;
}

bool Window::addListener(int kind, events::IEventListener* listener) {
    if (kind < 1 || kind > EVENT_KIND_COUNT || !listener || !listeners_[kind - 1]) return false;
    return listeners_[kind - 1]->add(listener);
}

void Window::raise(int kind) {
    col::_array::ArrayP* list = listeners_[kind - 1];
    if (!list) return;
    // A listener may add listeners: the length is read again after each call.
    for (uint32_t i = 0; i < list->length(); ++i)
        static_cast<events::IEventListener*>(list->get(i))->onEvent(this, kind);
}

LRESULT Window::sendUserEvent(const wchar_t* name, void* data, int a, int b) {
    HWND hwnd = liveHandle();
    if (!hwnd) return 0;
    UserEvent event{name, data, a, b};
    return SendMessageW(hwnd, WM_APP_USER_EVENT, reinterpret_cast<WPARAM>(&event), 0);
}

void Window::close() {
    if (HWND hwnd = liveHandle()) SendMessageW(hwnd, WM_APP_CLOSE, 0, 0);
}

bool Window::startTimer(int id, int intervalMs) {
    HWND hwnd = liveHandle();
    if (!hwnd || id < 0) return false;
    TimerRequest request{id, intervalMs};
    return SendMessageW(hwnd, WM_APP_START_TIMER, reinterpret_cast<WPARAM>(&request), 0) != 0;
}

bool Window::stopTimer(int id) {
    HWND hwnd = liveHandle();
    if (!hwnd || id < 0) return false;
    TimerRequest request{id, 0};
    return SendMessageW(hwnd, WM_APP_STOP_TIMER, reinterpret_cast<WPARAM>(&request), 0) != 0;
}

void Window::takeCapture() {
    if (!handle()) return;
    SetCapture(handle());
    capture_ = true;
}

}  // namespace s::gui::win
