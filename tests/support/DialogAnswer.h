#pragma once
// Answers a modal dialog (message box, common dialog) that another thread of
// this process shows: waits up to 10 s for a visible dialog window of
// `threadId`, reads its text and caption, and presses `button`.
#include <windows.h>

#include <string>

namespace testing_dialogs {

struct Answer {
    bool found = false;
    std::wstring text;     // a message box's text (empty for other dialogs)
    std::wstring caption;
};

inline BOOL CALLBACK findDialog(HWND hwnd, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

inline Answer answerDialog(DWORD threadId, int button) {
    Answer answer;
    for (int i = 0; i < 1000; ++i) {
        HWND dialog = nullptr;
        EnumThreadWindows(threadId, findDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            wchar_t text[512] = {};
            GetDlgItemTextW(dialog, 0xFFFF, text, 512);  // a message box's text control
            answer.text = text;
            GetWindowTextW(dialog, text, 512);
            answer.caption = text;
            answer.found = true;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            return answer;
        }
        Sleep(10);
    }
    return answer;
}

}  // namespace testing_dialogs
