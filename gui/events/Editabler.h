#pragma once
// Editabler: a listener that makes editable each of its targets when its watched source raises an event.
#include "foundation/thread/Pooled.h"
#include "gui/events/TargetListener.h"

namespace s::gui::events {

class Editabler : public TargetListener {
    S_POOLED_CLASS(Editabler, L"s_gui_events_Editabler")

protected:
    void apply(IComponent* target) override { target->setEditable(true); }
};

}  // namespace s::gui::events
