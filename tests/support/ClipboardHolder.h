#pragma once
// Holds the clipboard open from another thread, as another program would, for
// the life of the object.
#include <windows.h>

#include <thread>

namespace testing_support {

class ClipboardHolder {
public:
    ClipboardHolder() : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        holder_ = std::thread([this] {
            HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
            OpenClipboard(window);
            SetEvent(opened_);
            WaitForSingleObject(done_, 10000);
            CloseClipboard();
            DestroyWindow(window);
        });
        WaitForSingleObject(opened_, 10000);
    }
    ~ClipboardHolder() {
        SetEvent(done_);
        holder_.join();
        CloseHandle(opened_);
        CloseHandle(done_);
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

private:
    HANDLE opened_, done_;  // owned
    std::thread holder_;
};

}  // namespace testing_support
