#pragma once
// Disabler: a listener that disables each of its targets when its watched source raises an event.
#include "foundation/thread/Pooled.h"
#include "gui/events/TargetListener.h"

namespace s::gui::events {

class Disabler : public TargetListener {
    S_POOLED_CLASS(Disabler, L"s_gui_events_Disabler")

protected:
    void apply(IComponent* target) override { target->setEnabled(false); }
};

}  // namespace s::gui::events
