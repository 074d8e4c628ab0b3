#include "gui/events/UnEditabler.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::events {

S_POOLED_CLASS_IMPL(UnEditabler, s::thread::EasyPooler::DEFAULT_CAPACITY)

}  // namespace s::gui::events
