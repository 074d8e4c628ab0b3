#pragma once
// What the program leaves outside its windows: the clipboard text and the web
// pages it asked the system to open.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_program {

// The clipboard's Unicode text, or "" when it holds none (or is busy).
std::wstring clipboardText();
// Puts a text on the clipboard, so a later copy is seen to replace it.
bool setClipboardText(const std::wstring& text);

// Web pages opened through the shell. tools/test.sh points Wine's browser
// launcher (HKCU\Software\Wine\WineBrowser "Browsers") at a script that appends
// each address to opened-pages.log beside itself; this class reads that file.
// Elsewhere (on Windows, or Wine without the script) it is not available and
// the checks that need it are skipped.
class OpenedPages {
public:
    OpenedPages();
    bool available() const { return !logPath_.empty(); }
    // Forgets every page opened so far.
    void clear();
    std::vector<std::wstring> read() const;
    // Waits until at least `count` pages were recorded; returns what was recorded.
    std::vector<std::wstring> waitFor(size_t count, DWORD timeoutMs) const;

private:
    std::wstring logPath_;  // a DOS path; empty when not available
};

}  // namespace testing_program
