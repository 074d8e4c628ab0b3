#include "gui/dialogs/win/HueSnap.h"

#include <commdlg.h>

#include <mutex>

#include "foundation/thread/EasyPooler.h"

namespace s::gui::dialogs::win {

S_POOLED_CLASS_IMPL(HueSnap, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {
// The user's custom colours, shared by every chooser of the run (white at first).
COLORREF customColours[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};
std::mutex customColoursLock;
}  // namespace

bool HueSnap::runModal(HWND parent) {
    COLORREF custom[16];
    {
        std::lock_guard<std::mutex> hold(customColoursLock);
        CopyMemory(custom, customColours, sizeof(custom));
    }
    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = parent;
    choice.rgbResult = colour_;
    choice.lpCustColors = custom;
    choice.Flags = CC_FULLOPEN | CC_RGBINIT;
    const bool chosen = ChooseColorW(&choice) != FALSE;
    if (chosen) colour_ = choice.rgbResult & 0x00FFFFFF;
    std::lock_guard<std::mutex> hold(customColoursLock);
    CopyMemory(customColours, custom, sizeof(custom));
    return chosen;
}

}  // namespace s::gui::dialogs::win
