#include "gui/events/ListenerLists.h"

#include "gui/events/IEventListener.h"

namespace s::gui::events {

bool ListenerLists::add(int kind, IEventListener* listener) {
    return listener && raises(kind) && lists_[kind].add(static_cast<void*>(listener));
}

bool ListenerLists::remove(int kind, IEventListener* listener) {
    return raises(kind) && lists_[kind].remove(static_cast<void*>(listener));
}

int ListenerLists::count(int kind) const {
    return raises(kind) ? int(lists_[kind].length()) : 0;
}

void ListenerLists::raise(IComponent* source, int kind) const {
    if (!raises(kind)) return;
    const col::_array::ArrayP& list = lists_[kind];
    for (uint32_t i = 0; i < list.length(); ++i) static_cast<IEventListener*>(list.get(i))->onEvent(source, kind);
}

void ListenerLists::clear() {
    for (col::_array::ArrayP& list : lists_) list.reset();
}

}  // namespace s::gui::events
