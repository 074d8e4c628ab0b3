#pragma once
// Puts a text on the clipboard as Unicode text, owned by `owner`. False, and
// the clipboard untouched, when another program holds it open.
#include <windows.h>

namespace s::image::gui::dialogs::huesnap {

bool copyToClipboard(HWND owner, const wchar_t* text);

}  // namespace s::image::gui::dialogs::huesnap
