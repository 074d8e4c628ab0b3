#include "gui/layout/FlowH.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/IBox.h"
#include "gui/layout/LayoutRules.h"

namespace s::gui::layout {

S_POOLED_CLASS_IMPL(FlowH, thread::EasyPooler::DEFAULT_CAPACITY)

void FlowH::layout(IBox* box) {
    if (!box) return;
    const LayoutParams params = box->makeParams(LayoutRules::FLOW, LayoutRules::START, LayoutRules::START, 0, 0);
    box->setResults(LayoutRules::flow(*box, params));
}

}  // namespace s::gui::layout
