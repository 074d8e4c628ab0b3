#include "gui/layout/Vertical.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/IBox.h"
#include "gui/layout/LayoutRules.h"

namespace s::gui::layout {

S_POOLED_CLASS_IMPL(Vertical, thread::EasyPooler::DEFAULT_CAPACITY)

void Vertical::layout(IBox* box) {
    if (!box) return;
    const LayoutParams params = box->makeParams(LayoutRules::COLUMN, LayoutRules::START, LayoutRules::START, 0, 0);
    box->setResults(LayoutRules::column(*box, params));
}

}  // namespace s::gui::layout
