#pragma once
// Something that reacts to events raised by components. Every component is one,
// so components can listen to each other. The window core adds the listener
// lists per event kind and the shipped listeners (enablers and the like).

namespace s::gui {
class IComponent;
}

namespace s::gui::events {

class IEventListener {
public:
    virtual ~IEventListener() = default;
    // `source` raised an event of `kind` (an EventKind number). A listener that
    // does not care about the source or the kind does nothing.
    virtual void onEvent(IComponent* source, int kind) = 0;
};

}  // namespace s::gui::events
