#include "gui/layout/Pile.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/IBox.h"
#include "gui/layout/LayoutRules.h"

namespace s::gui::layout {

S_POOLED_CLASS_IMPL(Pile, thread::EasyPooler::DEFAULT_CAPACITY)

void Pile::layout(IBox* box) {
    if (!box) return;
    const LayoutParams params = box->makeParams(LayoutRules::PILE, LayoutRules::START, LayoutRules::START, 0, 0);
    box->setResults(LayoutRules::pile(*box, params));
}

}  // namespace s::gui::layout
