#pragma once
// Pile: a stateless layout manager running the pile, every child over the same area, with start alignment
// and no gaps, whatever the box's own alignment and gaps.
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "gui/ILayoutManager.h"

namespace s::gui::layout {

class Pile : public ILayoutManager, public thread::IPoolable {
    S_POOLED_CLASS(Pile, L"s_gui_layout_Pile")

public:
    Pile() = default;
    void reset() override {}
    void layout(IBox* box) override;
};

}  // namespace s::gui::layout
