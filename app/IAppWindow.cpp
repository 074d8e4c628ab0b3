#include "app/IAppWindow.h"

#include <cwchar>

namespace s::app {

const wchar_t* IAppWindow::canonicalAction(const wchar_t* text) {
    if (!text) return ACTION_DO_NOTHING;
    // The stored text may have been written by hand in any letter case.
    if (_wcsicmp(text, ACTION_CLOSE) == 0) return ACTION_CLOSE;
    if (_wcsicmp(text, ACTION_ICONIZE) == 0) return ACTION_ICONIZE;
    return ACTION_DO_NOTHING;
}

}  // namespace s::app
