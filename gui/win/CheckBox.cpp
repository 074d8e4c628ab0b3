#include "gui/win/CheckBox.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::win {

// Check boxes hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(CheckBox, thread::EasyPooler::NO_CAPACITY)

}  // namespace s::gui::win
