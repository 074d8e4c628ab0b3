#include "gui/events/Enabler.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::events {

S_POOLED_CLASS_IMPL(Enabler, s::thread::EasyPooler::DEFAULT_CAPACITY)

}  // namespace s::gui::events
