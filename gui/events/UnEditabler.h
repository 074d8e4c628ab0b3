#pragma once
// UnEditabler: a listener that makes read-only each of its targets when its watched source raises an event.
#include "foundation/thread/Pooled.h"
#include "gui/events/TargetListener.h"

namespace s::gui::events {

class UnEditabler : public TargetListener {
    S_POOLED_CLASS(UnEditabler, L"s_gui_events_UnEditabler")

protected:
    void apply(IComponent* target) override { target->setEditable(false); }
};

}  // namespace s::gui::events
