#pragma once
// The skin of the program's set: a name and the fifteen thin drawers.
#include "foundation/thread/Pooled.h"
#include "gui/drawer/skin/SkinBody.h"

namespace s::gui::drawer::skin {

class ThinWindow : public SkinBody {
    S_POOLED_CLASS(ThinWindow, L"s_gui_drawer_skin_ThinWindow")

public:
    ThinWindow() = default;
};

}  // namespace s::gui::drawer::skin
