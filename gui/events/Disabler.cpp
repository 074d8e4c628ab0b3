#include "gui/events/Disabler.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::events {

S_POOLED_CLASS_IMPL(Disabler, s::thread::EasyPooler::DEFAULT_CAPACITY)

}  // namespace s::gui::events
