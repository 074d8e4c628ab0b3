#include "picker/ClipboardText.h"

namespace s::image::gui::dialogs::huesnap {

namespace {
// A moveable block with the text and its terminating zero, or null.
HGLOBAL textBlock(const wchar_t* text) {
    const size_t bytes = (lstrlenW(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
    void* target = block ? GlobalLock(block) : nullptr;
    if (!target) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    CopyMemory(target, text, bytes);
    GlobalUnlock(block);
    return block;
}
}  // namespace

bool copyToClipboard(HWND owner, const wchar_t* text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL block = textBlock(text ? text : L"");
    // Once set, the block belongs to the clipboard; otherwise it is still ours.
    const bool placed = block && SetClipboardData(CF_UNICODETEXT, block);
    if (block && !placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

}  // namespace s::image::gui::dialogs::huesnap
