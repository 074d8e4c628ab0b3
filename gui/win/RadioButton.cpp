#include "gui/win/RadioButton.h"

#include "foundation/thread/EasyPooler.h"

namespace s::gui::win {

// Radio buttons hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(RadioButton, thread::EasyPooler::NO_CAPACITY)

}  // namespace s::gui::win
