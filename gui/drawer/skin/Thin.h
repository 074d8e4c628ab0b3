#pragma once
// The skin sibling of ThinWindow, of the same shape, for sets of plain thin skins.
#include "foundation/thread/Pooled.h"
#include "gui/drawer/skin/SkinBody.h"

namespace s::gui::drawer::skin {

class Thin : public SkinBody {
    S_POOLED_CLASS(Thin, L"s_gui_drawer_skin_Thin")

public:
    Thin() = default;
};

}  // namespace s::gui::drawer::skin
