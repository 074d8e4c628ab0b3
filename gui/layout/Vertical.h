#pragma once
// Vertical: a stateless layout manager running the column, top to bottom, with start alignment
// and no gaps, whatever the box's own alignment and gaps.
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "gui/ILayoutManager.h"

namespace s::gui::layout {

class Vertical : public ILayoutManager, public thread::IPoolable {
    S_POOLED_CLASS(Vertical, L"s_gui_layout_Vertical")

public:
    Vertical() = default;
    void reset() override {}
    void layout(IBox* box) override;
};

}  // namespace s::gui::layout
