#include "picker/DialogWindow.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/IBox.h"

namespace s::image::gui::dialogs::huesnap {

S_POOLED_CLASS_IMPL(DialogWindow, thread::EasyPooler::NO_CAPACITY)

DialogWindow::DialogWindow() : content_(nullptr) {}

DialogWindow::~DialogWindow() {
    content_.store(nullptr);
}

void DialogWindow::reset() {
    content_.store(nullptr);
    ManagedWindow::reset();
}

void DialogWindow::fitContent() {
    s::gui::IBox* content = content_.load();
    HWND hwnd = getHandle();
    if (!content || !hwnd || IsIconic(hwnd)) return;
    RECT client = {};
    GetClientRect(hwnd, &client);
    content->setLocation(0, 0);
    content->setExactSize(client.right - client.left, client.bottom - client.top);
    content->commit();
}

}  // namespace s::image::gui::dialogs::huesnap
