#pragma once
// Enabler: a listener that enables each of its targets when its watched source raises an event.
#include "foundation/thread/Pooled.h"
#include "gui/events/TargetListener.h"

namespace s::gui::events {

class Enabler : public TargetListener {
    S_POOLED_CLASS(Enabler, L"s_gui_events_Enabler")

protected:
    void apply(IComponent* target) override { target->setEnabled(true); }
};

}  // namespace s::gui::events
