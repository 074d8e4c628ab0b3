#include "gui/events/Editabler.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::events {

S_POOLED_CLASS_IMPL(Editabler, s::thread::EasyPooler::DEFAULT_CAPACITY)

}  // namespace s::gui::events
