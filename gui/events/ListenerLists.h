#pragma once
// ListenerLists: one listener list per event kind a control raises (kinds 0 to
// MAX_KIND). Lists are walked front to back and the length is read again after
// each call, so a listener may add listeners while an event is raised; the new
// ones hear the same event. Listeners are not owned.
#include <cstdint>

#include "foundation/col/_array/ArrayP.h"

namespace s::gui {
class IComponent;
}

namespace s::gui::events {

class IEventListener;

class ListenerLists {
public:
    static constexpr int MAX_KIND = 3;

    // `kinds`: bit k set when the owner raises kind k; other kinds are refused.
    explicit ListenerLists(uint32_t kinds) : kinds_(kinds) {}
    ListenerLists(const ListenerLists&) = delete;
    ListenerLists& operator=(const ListenerLists&) = delete;

    static constexpr uint32_t bit(int kind) { return 1u << kind; }
    bool raises(int kind) const { return kind >= 0 && kind <= MAX_KIND && (kinds_ & bit(kind)) != 0; }

    // False for null, a kind the owner does not raise, or no memory.
    bool add(int kind, IEventListener* listener);
    // Removes the first registration; false when there was none.
    bool remove(int kind, IEventListener* listener);
    int count(int kind) const;
    // Calls onEvent(source, kind) on each listener of `kind` in order.
    void raise(IComponent* source, int kind) const;
    // Empties every list; the listeners are not deleted.
    void clear();

private:
    uint32_t kinds_;
    col::_array::ArrayP lists_[MAX_KIND + 1];  // IEventListener*, not owned
};

}  // namespace s::gui::events
