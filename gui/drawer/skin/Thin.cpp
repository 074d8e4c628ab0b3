#include "gui/drawer/skin/Thin.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::drawer::skin {

S_POOLED_CLASS_IMPL(Thin, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

}  // namespace s::gui::drawer::skin
