#include "gui/drawer/skin/ThinWindow.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::drawer::skin {

S_POOLED_CLASS_IMPL(ThinWindow, ::s::thread::EasyPooler::DEFAULT_CAPACITY)

}  // namespace s::gui::drawer::skin
