#pragma once
// FlowH: a stateless layout manager running the flow, left to right wrapping into rows, with start alignment
// and no gaps, whatever the box's own alignment and gaps.
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "gui/ILayoutManager.h"

namespace s::gui::layout {

class FlowH : public ILayoutManager, public thread::IPoolable {
    S_POOLED_CLASS(FlowH, L"s_gui_layout_FlowH")

public:
    FlowH() = default;
    void reset() override {}
    void layout(IBox* box) override;
};

}  // namespace s::gui::layout
